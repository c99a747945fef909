#pragma once

#include "colour.h"
#include "plotarea.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace fourier {

/// The kinds of control the window is made of.
enum class ControlKind { PushButton, TextBox, PictureBox, Label };

/// A rectangle in twips (1/1440 inch), from the top-left corner of the window's client area.
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

/// One control of the window, as the window builds it.
struct ControlLayout {
    std::string_view name;
    ControlKind kind;
    /// Caption or initial text, UTF-8.
    std::string_view text;
    TwipRect rect;
    int tabIndex;
    /// Text colour, when not the platform's default.
    std::optional<Colour> foreground;
    /// Background colour, when not the platform's default.
    std::optional<Colour> background;
};

/// The application's title: the window's caption and the caption of its message boxes.
inline constexpr std::string_view applicationTitle = "Fourier An\xC3\xA1lisis";

/// The client area's size in twips.
inline constexpr int formWidthTwips = 9360;
inline constexpr int formHeightTwips = 7305;
/// The window's own background.
inline constexpr Colour formBackground = colours::appWorkspace;

namespace detail {
inline constexpr auto yellow = std::optional<Colour> { colours::yellow };
inline constexpr auto workspace = std::optional<Colour> { colours::appWorkspace };
inline constexpr auto none = std::optional<Colour> {};
} // namespace detail

/// Every control of the window, in the order the window creates them.
inline constexpr std::array<ControlLayout, 16> form1Controls { {
    { "Command5", ControlKind::PushButton, "Calculate Sawtooh Series", { 7680, 6240, 1335, 615 },
        15, detail::none, detail::none },
    { "Command4", ControlKind::PushButton, "Calculate Triangular Series", { 6000, 6240, 1335, 615 },
        8, detail::none, detail::none },
    { "T2", ControlKind::TextBox, "10", { 7200, 4440, 1455, 495 }, 6, detail::none, detail::none },
    { "T1", ControlKind::TextBox, "4", { 2400, 6240, 1335, 495 }, 5, detail::none, detail::none },
    { "Command3", ControlKind::PushButton, "Cos x", { 7320, 2160, 1335, 615 }, 4, detail::none,
        detail::none },
    { "Command2", ControlKind::PushButton, "Sin x", { 7320, 1080, 1335, 615 }, 3, detail::none,
        detail::none },
    { "Ejecutar", ControlKind::PushButton, "Calculate  Square Series", { 4200, 6240, 1335, 615 }, 2,
        detail::none, detail::none },
    { "Pic", ControlKind::PictureBox, "", { 480, 840, 5655, 4935 }, 1, detail::none,
        std::optional<Colour> { colours::buttonHighlight } },
    { "Command1", ControlKind::PushButton, "Clear", { 7320, 3240, 1335, 615 }, 0, detail::none,
        detail::none },
    { "Label7", ControlKind::Label,
        "This Program Shown the Fourier Series Behavior for Diferent Signals",
        { 480, 240, 4800, 195 }, 14, detail::yellow, detail::workspace },
    { "Label6", ControlKind::Label, "Clear Button", { 6240, 3360, 975, 855 }, 13, detail::yellow,
        detail::workspace },
    { "Label5", ControlKind::Label, "Odd Function", { 6240, 1200, 1335, 975 }, 12, detail::yellow,
        detail::workspace },
    { "Label4", ControlKind::Label, "Even Function", { 6240, 2400, 1095, 495 }, 11, detail::yellow,
        detail::workspace },
    { "Label3", ControlKind::Label, "Trigonometric Functions Representing an Analog Waveform",
        { 6240, 120, 2535, 855 }, 10, detail::yellow, detail::workspace },
    { "Label2", ControlKind::Label, "Number of Coeficients in the Fourier Series",
        { 480, 6240, 1695, 855 }, 9, detail::yellow, detail::workspace },
    { "Label1", ControlKind::Label, "X,Y Scale", { 6240, 4440, 1695, 615 }, 7, detail::yellow,
        detail::workspace },
} };

/// Which label names each text box, for the keyboard and for screen readers.
inline constexpr std::array<std::pair<std::string_view, std::string_view>, 2> textBoxLabels { {
    { "T1", "Label2" },
    { "T2", "Label1" },
} };

/// What screen readers call the plot area, which has no caption of its own.
inline constexpr std::string_view plotAreaName = "Plot area";

/// The one label shown on a single line; the others wrap inside their rectangles.
inline constexpr std::string_view singleLineLabel = "Label7";

} // namespace fourier
