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
    bool drawsCurves() const override { return m_window.drawsCurves(); }

    /// Moves on to the step of index \a index.
    void setStep(std::size_t index) { m_index = index; }

private:
    CommandWindow& m_window;
    double m_steps;
    std::size_t m_index = 0;
};

/// A plot area that keeps nothing but its coordinate system: enough for the commands to decide
/// what they draw.
class CoordinatesOnly final : public PlotSurface {
public:
    CoordinatesOnly(int width, int height)
        : m_mapping(UserMapping::initial(width, height))
    {
    }

    bool Scale(float x1, float y1, float x2, float y2) override
    {
        const auto mapping
            = UserMapping::fromEdges(m_mapping.width(), m_mapping.height(), x1, y1, x2, y2);
        if (!mapping)
            return false;
        m_mapping = *mapping;
        return true;
    }
    void Cls() override { }
    void Line(float, float, float, float) override { }
    void PSet(float, float, Colour) override { }
    void CurrentX(float) override { }
    void CurrentY(float) override { }
    void Print(int) override { }
    const UserMapping& mapping() const override { return m_mapping; }
    std::unique_ptr<const SurfaceState> saveState() const override
    {
        return std::make_unique<const State>(m_mapping);
    }
    void restoreState(const SurfaceState& state) override
    {
        m_mapping = dynamic_cast<const State&>(state).mapping;
    }

private:
    struct State final : SurfaceState {
        explicit State(const UserMapping& kept)
            : mapping(kept)
        {
        }
        std::size_t bytes() const override { return sizeof *this; }
        UserMapping mapping;
    };

    UserMapping m_mapping;
};

/// The window as lessonCurves' steps see it: a plot area of coordinates only, no messages, and
/// no curve's points, so no progress to report either.
class DescribingWindow final : public CommandWindow {
public:
    explicit DescribingWindow(PlotSurface& surface)
        : m_surface(surface)
    {
    }

    PlotSurface& Pic() override { return m_surface; }
    void MsgBox(std::string_view) override { }
    bool reportProgress(double) override { return true; }
    bool drawsCurves() const override { return false; }

private:
    PlotSurface& m_surface;
};

} // namespace

std::optional<LessonCurves> lessonCurves(std::span<const Step> steps, int width, int height,
    const std::function<bool(double)>& keepGoing)
{
    CoordinatesOnly surface(width, height);
    DescribingWindow describing(surface);
    LessonCurves lesson;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        Step step = steps[i];
        takeStep(describing, step, Messages::Hide);
        addCurve(lesson.curves, step);
        if (!keepGoing(static_cast<double>(i + 1) / static_cast<double>(steps.size())))
            return std::nullopt;
    }
    lesson.left = surface.mapping().left();
    lesson.right = surface.mapping().right();
    return lesson;
}

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
