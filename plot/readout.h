// SPDX-License-Identifier: MIT
#pragma once

#include "curvepixels.h"
#include "phrase.h"
#include "usermapping.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fourier {

/// What a pixel reads while no scale has been set: there is nothing to read yet.
inline constexpr std::string_view readoutHint
    = "Nothing to read yet: type a scale and click a button to draw.";
/// The line of a reading that gives x, %1, and x as a multiple of pi, %2.
inline constexpr std::string_view readoutX = "x = %1 (%2\u03c0)";
/// The line of a reading that gives y, %1.
inline constexpr std::string_view readoutY = "y = %1";

/// How many pixels away a curve may pass and still be read at a pixel: one, so that a curve
/// through any of the eight neighbours is read too.
inline constexpr int readoutReach = 1;

/// What pixel (column, row) of the area \a mapping covers reads, line by line, each a sentence
/// the window can put in the user's language before filling in its numbers.
///
/// In the area's initial system, before any scale, that is only readoutHint. Then it is the
/// pixel centre's true x, also as a multiple of pi, and y, in whichever direction the axes run,
/// each to as many decimals as tell a pixel from its neighbour; then the description of every
/// curve that passes through the pixel or beside it, the newest first and each description
/// once. \a curves are the curves drawn since the last Cls, the oldest first.
std::vector<Phrase> readoutAt(
    const UserMapping& mapping, std::span<const DrawnCurve> curves, int column, int row);

/// \a value with as many digits as tell it from a value \a step away, \a step being larger
/// than 0: fixed decimals on an axis that reaches no further than \a extent from 0, unless
/// that would take more than six decimals or the extent is a million or more, then in powers
/// of ten. Written with a full stop whatever the locale, and never as minus zero.
std::string resolvedNumber(double value, double step, double extent);

} // namespace fourier
