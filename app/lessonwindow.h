// SPDX-License-Identifier: MIT
#pragma once

#include "document.h"

#include <QString>
#include <chrono>

namespace fourier {

/// How long work runs before its progress is shown: the window's progress dialog, the line on
/// the terminal of an export.
inline constexpr std::chrono::milliseconds progressDelay { 500 };

/// What the picture's menu asks of the window that shows the picture: the picture itself, and
/// the work that needs the window, its progress dialog and its message boxes.
class LessonWindow {
public:
    virtual ~LessonWindow() = default;

    /// The picture the window shows.
    virtual PictureDocument& document() = 0;
    /// Puts the picture back as it was before the last step, without its messages.
    virtual void undo() = 0;
    /// Takes the step undone last again, as undo found it.
    virtual void redo() = 0;
    /// Opens the lesson file at \a path; false, after a message unless the user cancelled,
    /// when it was not opened.
    virtual bool openLesson(const QString& path) = 0;
    /// Saves the steps in force as a lesson file at \a path; false, after a message, when that
    /// failed.
    virtual bool saveLesson(const QString& path) = 0;
    /// Takes the step that draws the ideal wave behind the newest curve, as a button's click
    /// takes its step.
    virtual void drawIdealWave() = 0;
    /// Shows the Harmonics window of the picture beside this one and brings it forward.
    virtual void showHarmonics() = 0;
    /// Draws the steps in force afresh on \a surface, which holds the start-up picture at any
    /// size; false, after a message unless the user cancelled, when it could not.
    virtual bool drawAfresh(PlotSurface& surface) = 0;
};

} // namespace fourier
