// SPDX-License-Identifier: MIT
#include "step.h"

#include "commands.h"
#include "frame.h"
#include "val.h"

namespace fourier {

namespace {

/// The window as one step's command sees it: the texts the step holds, the window's plot area
/// and progress, and its messages noted in the step's outcome.
class StepForm final : public FormContext {
public:
    StepForm(CommandWindow& window, Step& step, Messages messages)
        : m_window(window)
        , m_step(step)
        , m_messages(messages)
    {
    }

    std::string T1Text() const override { return m_step.terms; }
    std::string T2Text() const override { return m_step.scale; }
    PlotSurface& Pic() override { return m_window.Pic(); }
    void MsgBox(std::string_view text) override
    {
        m_step.outcome.messages.emplace_back(text);
        if (m_messages == Messages::Show)
            m_window.MsgBox(text);
    }
    bool reportProgress(double fraction) override
    {
        if (m_window.reportProgress(fraction))
            return true;
        m_step.outcome.cancelled = true;
        return false;
    }
    bool drawsCurves() const override { return m_window.drawsCurves(); }
    void pictureErased() override { m_step.outcome.erased = true; }
    void curveDrawn(double count, const Phrase& description) override
    {
        m_step.outcome.curve = StepCurve { m_step.command, count, description };
    }

private:
    CommandWindow& m_window;
    Step& m_step;
    Messages m_messages;
};

} // namespace

void addCurve(std::vector<StepCurve>& curves, const Step& step)
{
    if (step.outcome.erased)
        curves.clear();
    if (step.outcome.curve)
        curves.push_back(*step.outcome.curve);
}

bool asksTooManyTerms(const Step& step)
{
    return commandRow(step.command).series && countTooLarge(Val(step.terms));
}

void takeStep(CommandWindow& window, Step& step, Messages messages)
{
    // Clear has no curve to cancel, and neither has a series without a count above 0.
    const bool cancelledBefore = step.outcome.cancelled && step.command != StepCommand::Clear
        && (!commandRow(step.command).series || Val(step.terms) > 0.0);
    step.outcome = {};
    StepForm stepForm(window, step, messages);
    if (!cancelledBefore) {
        commandRow(step.command).click(stepForm);
        return;
    }
    // A cancelled curve was begun only where the scale let the command draw, after the frame,
    // and left nothing of itself: the frame is all there is to take again.
    if (setscale(stepForm))
        drawaxes(stepForm.Pic());
    step.outcome.cancelled = true;
}

} // namespace fourier
