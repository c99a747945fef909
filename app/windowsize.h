// SPDX-License-Identifier: MIT
#pragma once

#include "plotarea.h"

#include <QSize>

namespace fourier {

/// The window's client area in twips, the unit of the control table.
inline constexpr int formWidthTwips = 9360;
inline constexpr int formHeightTwips = 7305;

/// The window's client area in pixels, at the zoom of 1: the size the window is fixed at, and
/// the size a zoom must fit on the screen.
inline constexpr QSize formSize { formWidthTwips / twipsPerPixel, formHeightTwips / twipsPerPixel };

} // namespace fourier
