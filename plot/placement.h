// SPDX-License-Identifier: MIT
#pragma once

#include "usermapping.h"

#include <optional>

namespace fourier {

/// How far outside the area, in pixels, a text may start and still show some ink; a text
/// further away is not drawn at all.
inline constexpr double textReach = 1000.0;

/// The cells a line runs between: (column1, row1) and (column2, row2), either of which may lie
/// a little outside the area when the line leaves it there.
struct LineCells {
    int column1;
    int row1;
    int column2;
    int row2;
};

/// The end cells of the line from (x1, y1) to (x2, y2), in user units, once it is cut to a
/// margin of two pixels around the area of \a mapping, keeping its slope exact at the edge; or
/// nothing when no part of it comes that near, or an end is not finite.
std::optional<LineCells> lineCells(
    const UserMapping& mapping, float x1, float y1, float x2, float y2);

} // namespace fourier
