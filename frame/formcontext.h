// SPDX-License-Identifier: MIT
#pragma once

#include "phrase.h"
#include "plotsurface.h"

#include <string>
#include <string_view>

namespace fourier {

/// What the window provides a command: the plot area, the message box and a way to report
/// progress. A replay or an export provides these alone, since each step brings its own texts.
class CommandWindow {
public:
    virtual ~CommandWindow() = default;

    /// The plot area.
    virtual PlotSurface& Pic() = 0;
    /// Shows \a text in a modal message box with one OK button and waits until it is dismissed.
    virtual void MsgBox(std::string_view text) = 0;
    /// Tells the window how far a long plot has got (0 to 1) and lets it react to the user.
    /// Returns false when the user asked to cancel the plot.
    virtual bool reportProgress(double fraction) = 0;
    /// Whether the commands work out and draw their curves' points. A window that only learns
    /// which curves the steps leave in the picture says no: each curve is then described at
    /// once, at no cost whatever its count.
    virtual bool drawsCurves() const { return true; }
};

/// What a command may ask of the window: the current texts of the two boxes, and what the window
/// provides. Tests stand in a fake for it.
class FormContext : public CommandWindow {
public:
    /// The current text of T1, the number of coefficients, as UTF-8; read afresh each call.
    virtual std::string T1Text() const = 0;
    /// The current text of T2, the scale, as UTF-8; read afresh each call.
    virtual std::string T2Text() const = 0;

    /// Told that the picture was erased, by Clear or by a scale too large: its curves are gone.
    virtual void pictureErased() { }
    /// Told that a curve of \a count terms, as T1 held it (1 for Sin x and Cos x), was drawn
    /// and described as \a description.
    virtual void curveDrawn(double count, const Phrase& description)
    {
        static_cast<void>(count);
        static_cast<void>(description);
    }
};

} // namespace fourier
