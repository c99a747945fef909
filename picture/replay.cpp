// SPDX-License-Identifier: MIT
#include "replay.h"

#include <vector>

namespace fourier {

namespace {

/// Passes everything on to the window, but tells its progress as a share of the whole lesson.
class LessonProgress final : public CommandWindow {
public:
    LessonProgress(CommandWindow& window, std::size_t steps)
        : m_window(window)
        , m_steps(static_cast<double>(steps))
    {
    }

    PlotSurface& Pic() override { return m_window.Pic(); }
    void MsgBox(std::string_view text) override { m_window.MsgBox(text); }
    bool reportProgress(double fraction) override
    {
        return m_window.reportProgress((static_cast<double>(m_index) + fraction) / m_steps);
    }

    /// Moves on to the step of index \a index.
    void setStep(std::size_t index) { m_index = index; }

private:
    CommandWindow& m_window;
    double m_steps;
    std::size_t m_index = 0;
};

} // namespace

std::optional<StepHistory> replay(
    CommandWindow& window, std::span<const Step> steps, HistoryLimits limits)
{
    PlotSurface& pic = window.Pic();
    // Only the last steps can be undone; the states of those before them are never taken.
    const std::size_t firstUndoable
        = steps.size() > limits.undoSteps ? steps.size() - limits.undoSteps : 0;
    std::vector<Step> beforeUndoable;
    std::optional<StepHistory> history;
    if (firstUndoable == 0)
        history.emplace(pic.saveState(), limits);
    LessonProgress progress(window, steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        progress.setStep(i);
        Step step = steps[i];
        const bool cancelledBefore = step.outcome.cancelled;
        takeStep(progress, step, Messages::Hide);
        // A step cancelled now, not as the lesson recorded it, is the user cancelling the lesson.
        if (step.outcome.cancelled && !cancelledBefore)
            return std::nullopt;
        if (history) {
            history->add(std::move(step), pic.saveState());
        } else {
            beforeUndoable.push_back(std::move(step));
            if (i + 1 == firstUndoable)
                history.emplace(pic.saveState(), limits, std::move(beforeUndoable));
        }
        if (!progress.reportProgress(1.0))
            return std::nullopt;
    }
    return history;
}

} // namespace fourier
