// SPDX-License-Identifier: MIT
#pragma once

#include "formcontext.h"
#include "history.h"
#include "step.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fourier {

/// The window as a replay onto a surface of its own sees it: the window's messages and progress,
/// but another plot area, so that the picture on screen stays as it is until the whole replay
/// has been drawn (an opened lesson, an export at another size).
class ReplayWindow final : public CommandWindow {
public:
    ReplayWindow(CommandWindow& window, PlotSurface& surface)
        : m_window(window)
        , m_surface(surface)
    {
    }

    PlotSurface& Pic() override { return m_surface; }
    void MsgBox(std::string_view text) override { m_window.MsgBox(text); }
    bool reportProgress(double fraction) override { return m_window.reportProgress(fraction); }
    bool drawsCurves() const override { return m_window.drawsCurves(); }

private:
    CommandWindow& m_window;
    PlotSurface& m_surface;
};

/// Takes \a steps one after another on \a window's plot area, as clicks of their buttons with
/// their texts in the boxes would, and shows none of their messages. The area must show the
/// start-up picture: a surface as it was made, in its initial coordinate system.
///
/// Long sums report progress through \a window as a click's would; between steps the replay
/// reports how far it has got, so that a long lesson can be cancelled too. Returns the steps'
/// history, their outcomes filled in, or nothing when the user cancelled: the area then holds
/// part of the lesson.
std::optional<StepHistory> replay(
    CommandWindow& window, std::span<const Step> steps, HistoryLimits limits = {});

/// What a lesson leaves in its picture: the curves, oldest first, and the x range the picture
/// shows at its end, from the left edge of its coordinate system to the right.
struct LessonCurves {
    std::vector<StepCurve> curves;
    double left = 0.0;
    double right = 0.0;
};

/// Takes \a steps as replay would on a plot area of \a width by \a height pixels, but works out
/// no curve's points, however many terms it has: it learns only which curves the picture holds
/// at the end, and its x range. After each step it asks \a keepGoing, with the share of the
/// steps taken, and gives nothing when told to stop.
std::optional<LessonCurves> lessonCurves(std::span<const Step> steps, int width, int height,
    const std::function<bool(double)>& keepGoing);

} // namespace fourier
