// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

namespace fourier {

/// The unit roundoff of double, u = 2^-53: one rounding moves a result by at most u of itself.
inline constexpr double unitRoundoff = 0x1p-53;

/// The reach around a sum \a y, known to lie within \a bound of the plain loop's, inside which
/// the plain loop's row is looked for: the bound, and the rounding of y - bound and y + bound
/// themselves (2u of |y|).
inline double certificationSpread(double bound, double y)
{
    return bound + 2 * unitRoundoff * std::abs(y);
}

} // namespace fourier
