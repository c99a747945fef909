// SPDX-License-Identifier: MIT
#pragma once

namespace fourier {

/// Twips (1/1440 inch) per pixel at 96 dots per inch: the unit of the window's layout, and of
/// the coordinate system a surface starts in.
inline constexpr int twipsPerPixel = 15;

/// The drawing area of the window's plot area, in pixels, inside its border: the size of the
/// surface every command draws on.
inline constexpr int plotAreaWidth = 373;
inline constexpr int plotAreaHeight = 325;

} // namespace fourier
