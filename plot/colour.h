// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace fourier {

/// A red-green-blue triple, as finally painted.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

/// A colour as the program names it: either 0x00BBGGRR, or 0x80000000 plus an index
/// into the system colour table, which is looked up only when drawing.
struct Colour {
    std::uint32_t value = 0;

    static constexpr std::uint32_t systemFlag = 0x80000000u;

    constexpr bool isSystem() const { return (value & systemFlag) != 0; }
    constexpr unsigned systemIndex() const { return value & 0xFFu; }
    friend constexpr bool operator==(Colour, Colour) = default;
};

namespace colours {
inline constexpr Colour activeCaption { 0x80000002u };
inline constexpr Colour appWorkspace { 0x8000000Cu };
inline constexpr Colour buttonText { 0x80000012u };
inline constexpr Colour buttonHighlight { 0x80000014u };
inline constexpr Colour purple { 0x00800080u };
inline constexpr Colour red { 0x000000FFu };
inline constexpr Colour green { 0x0000FF00u };
inline constexpr Colour yellow { 0x0000FFFFu };
} // namespace colours

/// The system colours this program knows. An index it does not know resolves to black,
/// so a stray value can never fail to draw.
constexpr Rgb systemColour(unsigned index)
{
    switch (index) {
    case 2:
        return { 0, 0, 128 };
    case 12:
        return { 128, 128, 128 };
    case 18:
        return { 0, 0, 0 };
    case 20:
        return { 255, 255, 255 };
    default:
        return { 0, 0, 0 };
    }
}

/// The colour actually painted for \a colour.
constexpr Rgb resolve(Colour colour)
{
    if (colour.isSystem())
        return systemColour(colour.systemIndex());
    return { static_cast<std::uint8_t>(colour.value & 0xFFu),
        static_cast<std::uint8_t>((colour.value >> 8) & 0xFFu),
        static_cast<std::uint8_t>((colour.value >> 16) & 0xFFu) };
}

/// \a colour lightened three quarters of the way to white: a tint to draw behind the colour
/// itself, which stays apart from it and from the white of the background.
constexpr Colour lightTint(Colour colour)
{
    const Rgb rgb = resolve(colour);
    const auto lightened = [](std::uint8_t channel) {
        return static_cast<std::uint32_t>(channel + (255 - channel) * 3 / 4);
    };
    return { lightened(rgb.red) | lightened(rgb.green) << 8 | lightened(rgb.blue) << 16 };
}

} // namespace fourier
