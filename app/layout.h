// SPDX-License-Identifier: MIT
#pragma once

#include "colour.h"
#include "imagesurface.h"
#include "plotarea.h"
#include "title.h"
#include "windowsize.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace fourier {

/// The kinds of control the window is made of.
enum class ControlKind { PushButton, TextBox, PictureBox, Label };

/// What a text box holds for the commands: T1, the number of terms, or T2, the scale.
enum class TextRole { None, Terms, Scale };

/// A rectangle in twips (1/1440 inch), from the top-left corner of the window's client area.
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

/// One control of the window, as the window builds it. A push button's click runs the window's
/// slot named after it: Command1_Click, Ejecutar_Click, ...
struct ControlLayout {
    std::string_view name;
    ControlKind kind;
    /// Caption (marked for translation, in the context fourier::Form1) or initial text, UTF-8
    /// and ending in a NUL, as a literal does.
    std::string_view text;
    TwipRect rect;
    int tabIndex;
    /// Text colour, when not the platform's default.
    std::optional<Colour> foreground;
    /// Background colour, when not the platform's default.
    std::optional<Colour> background;
    /// What a text box holds; None for any other control.
    TextRole role = TextRole::None;
};

/// The window's own background.
inline constexpr Colour formBackground = colours::appWorkspace;

namespace detail {
inline constexpr auto yellow = std::optional<Colour> { colours::yellow };
inline constexpr auto workspace = std::optional<Colour> { colours::appWorkspace };
inline constexpr auto none = std::optional<Colour> {};
} // namespace detail

/// Every control of the window, in the order the window creates them.
inline constexpr std::array<ControlLayout, 16> form1Controls { {
    { "Command5", ControlKind::PushButton,
        QT_TRANSLATE_NOOP("fourier::Form1", "Calculate Sawtooh Series"), { 7680, 6240, 1335, 615 },
        15, detail::none, detail::none },
    { "Command4", ControlKind::PushButton,
        QT_TRANSLATE_NOOP("fourier::Form1", "Calculate Triangular Series"),
        { 6000, 6240, 1335, 615 }, 8, detail::none, detail::none },
    { "T2", ControlKind::TextBox, "10", { 7200, 4440, 1455, 495 }, 6, detail::none, detail::none,
        TextRole::Scale },
    { "T1", ControlKind::TextBox, "4", { 2400, 6240, 1335, 495 }, 5, detail::none, detail::none,
        TextRole::Terms },
    { "Command3", ControlKind::PushButton, QT_TRANSLATE_NOOP("fourier::Form1", "Cos x"),
        { 7320, 2160, 1335, 615 }, 4, detail::none, detail::none },
    { "Command2", ControlKind::PushButton, QT_TRANSLATE_NOOP("fourier::Form1", "Sin x"),
        { 7320, 1080, 1335, 615 }, 3, detail::none, detail::none },
    { "Ejecutar", ControlKind::PushButton,
        QT_TRANSLATE_NOOP("fourier::Form1", "Calculate  Square Series"), { 4200, 6240, 1335, 615 },
        2, detail::none, detail::none },
    // The picture box's own background, around its image, is the plot area's.
    { "Pic", ControlKind::PictureBox, "", { 480, 840, 5655, 4935 }, 1, detail::none,
        std::optional<Colour> { ImageSurface::background } },
    { "Command1", ControlKind::PushButton, QT_TRANSLATE_NOOP("fourier::Form1", "Clear"),
        { 7320, 3240, 1335, 615 }, 0, detail::none, detail::none },
    { "Label7", ControlKind::Label,
        QT_TRANSLATE_NOOP("fourier::Form1",
            "This Program Shown the Fourier Series Behavior for Diferent Signals"),
        { 480, 240, 4800, 195 }, 14, detail::yellow, detail::workspace },
    { "Label6", ControlKind::Label, QT_TRANSLATE_NOOP("fourier::Form1", "Clear Button"),
        { 6240, 3360, 975, 855 }, 13, detail::yellow, detail::workspace },
    { "Label5", ControlKind::Label, QT_TRANSLATE_NOOP("fourier::Form1", "Odd Function"),
        { 6240, 1200, 1335, 975 }, 12, detail::yellow, detail::workspace },
    { "Label4", ControlKind::Label, QT_TRANSLATE_NOOP("fourier::Form1", "Even Function"),
        { 6240, 2400, 1095, 495 }, 11, detail::yellow, detail::workspace },
    { "Label3", ControlKind::Label,
        QT_TRANSLATE_NOOP(
            "fourier::Form1", "Trigonometric Functions Representing an Analog Waveform"),
        { 6240, 120, 2535, 855 }, 10, detail::yellow, detail::workspace },
    { "Label2", ControlKind::Label,
        QT_TRANSLATE_NOOP("fourier::Form1", "Number of Coeficients in the Fourier Series"),
        { 480, 6240, 1695, 855 }, 9, detail::yellow, detail::workspace },
    { "Label1", ControlKind::Label, QT_TRANSLATE_NOOP("fourier::Form1", "X,Y Scale"),
        { 6240, 4440, 1695, 615 }, 7, detail::yellow, detail::workspace },
} };

/// Which label names each text box, for the keyboard and for screen readers.
inline constexpr std::array<std::pair<std::string_view, std::string_view>, 2> textBoxLabels { {
    { "T1", "Label2" },
    { "T2", "Label1" },
} };

/// What screen readers call the plot area, which has no caption of its own.
inline constexpr std::string_view plotAreaName = QT_TRANSLATE_NOOP("fourier::Form1", "Plot area");

/// The one label shown on a single line; the others wrap inside their rectangles.
inline constexpr std::string_view singleLineLabel = "Label7";

/// The row of the control called \a name. A name not in the table does not compile.
consteval const ControlLayout& controlNamed(std::string_view name)
{
    for (const ControlLayout& control : form1Controls) {
        if (control.name == name)
            return control;
    }
    throw "no control of that name in form1Controls";
}

namespace detail {
/// Whether each control is wired as its kind wants: every text box to a role of its own, one of
/// each role, one picture box, and nothing else wired at all.
consteval bool wiredByKind()
{
    int pictureBoxes = 0;
    int terms = 0;
    int scales = 0;
    for (const ControlLayout& control : form1Controls) {
        if ((control.kind == ControlKind::TextBox) != (control.role != TextRole::None))
            return false;
        pictureBoxes += control.kind == ControlKind::PictureBox ? 1 : 0;
        terms += control.role == TextRole::Terms ? 1 : 0;
        scales += control.role == TextRole::Scale ? 1 : 0;
    }
    return pictureBoxes == 1 && terms == 1 && scales == 1;
}

/// Whether every control has a name of its own, and every name the window looks up names a
/// control of the right kind.
consteval bool namesResolve()
{
    for (const ControlLayout& control : form1Controls) {
        if (&controlNamed(control.name) != &control)
            return false;
    }
    for (const auto& [box, label] : textBoxLabels) {
        if (controlNamed(box).kind != ControlKind::TextBox
            || controlNamed(label).kind != ControlKind::Label)
            return false;
    }
    return controlNamed(singleLineLabel).kind == ControlKind::Label;
}
} // namespace detail

static_assert(detail::wiredByKind(), "a control of form1Controls is wired unlike its kind");
static_assert(
    detail::namesResolve(), "two controls share a name, or a name looked up is of the wrong kind");

} // namespace fourier
