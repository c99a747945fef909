// SPDX-License-Identifier: MIT
#include "curvenumbers.h"

#include "closedsum.h"
#include "polygamma.h"

#include <cmath>
#include <limits>
#include <numbers>

// The formulas are derived in docs/closed-forms.md, "The curve's numbers". What they need to
// know of a wave is read by the few functions just below, from its basis, step and falloff.

namespace fourier {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

/// 2 Si(pi) / pi, Si the sine integral: where the first extreme past a jump ends up, as a part
/// of the ideal wave's value beside the jump, when the count grows without end (made by
/// tools/curve_number_references.py).
constexpr double gibbsRatio = 1.1789797444721672;

/// A wave whose ideal wave jumps at all jumps at x = 0, at every multiple of its spacing.
bool jumpsAtZero(const Wave& wave)
{
    return wave.jumpSpacing > 0.0;
}

/// The drawn ideal wave's value just right of x = 0, for a wave that jumps there: the jump goes
/// from minus its largest value to its largest (4 times the sum of sin(kx) / k over the odd k is
/// pi on (0, pi), over every k it is 2 (pi - x)).
double idealBesideJump(const Wave& wave)
{
    return wave.pointSign * wave.limitBound;
}

/// The first zero past 0 of the derivative of the partial sum with \a terms terms, which is 4
/// times the sum of cos(kx) over its harmonics: pi / (K + 1), K the highest harmonic. That is
/// pi / (2m) for the square's m odd harmonics and pi / (m + 1) for the sawtooth's m; divided so
/// that the largest counts do not overflow.
double firstExtreme(const Wave& wave, double terms)
{
    return wave.step == 2 ? (pi / 2) / terms : pi / (terms + 1);
}

/// The continuous wave of the family, the cosine series with positive coefficients, lies
/// farthest from its ideal wave at x = 0, where every term it leaves out is largest.
bool farthestAtZero(const Wave& wave)
{
    return wave.jumpSpacing == 0.0 && wave.basis == Basis::Cosine;
}

/// How many times 1/k divides a coefficient.
int falloffPower(const Wave& wave)
{
    return wave.falloff == Falloff::OverK ? 1 : 2;
}

/// The sum of 1 / k^power over the harmonics k the partial sum with \a terms terms leaves out.
/// They are k = step (j + 1/step) for j >= terms, so the sum is step^-power times a Hurwitz zeta
/// value at terms + 1/step: psi' there for power 2, psi''' / 6 for power 4.
double omittedPowerSum(const Wave& wave, double terms, int power)
{
    const double step = wave.step;
    const double start = terms + 1 / step;
    const double zeta = power == 2 ? trigamma(start).value : pentagamma(start).value / 6;
    return zeta / std::pow(step, power);
}

/// The first extreme past the jump at 0, for the series' limit where the extremes draw in to it.
std::optional<Overshoot> overshootOf(const Wave& wave, double count)
{
    if (!jumpsAtZero(wave))
        return std::nullopt;
    const double edge = idealBesideJump(wave);
    if (count == infinity)
        return Overshoot { 0.0, gibbsRatio * edge, 50 * (gibbsRatio - 1) };
    const double x = firstExtreme(wave, termCount(count));
    const double value = wave.pointSign * certifiedSum(wave, count, x).value;
    // Past the edge, away from 0, as a part of the jump 2 |edge|: the quotient keeps the value's
    // relative precision, and subtracting 1 from a number between 1/2 and 2 is exact.
    return Overshoot { x, value, 50 * (value / edge - 1) };
}

/// The error at 0, for a wave that lies farthest from its ideal there.
std::optional<LargestError> largestErrorOf(const Wave& wave, double count)
{
    if (!farthestAtZero(wave))
        return std::nullopt;
    const double value = wave.pointSign * certifiedSum(wave, count, 0.0).value;
    if (count == infinity)
        return LargestError { 0.0, value, 0.0 };
    // The sum of the left-out terms is taken as it is: ideal less curve would cancel.
    const double left = seriesAmplitude * omittedPowerSum(wave, termCount(count), 2);
    return LargestError { 0.0, value, wave.pointSign * left };
}

/// By Parseval, the mean square over a period of the ideal wave less the curve is half the sum
/// of the squares of the coefficients left out, (4 / k^p)^2.
double rmsErrorOf(const Wave& wave, double count)
{
    if (count == infinity)
        return 0.0;
    const int power = 2 * falloffPower(wave);
    const double halfSquares
        = seriesAmplitude * seriesAmplitude / 2 * omittedPowerSum(wave, termCount(count), power);
    return std::sqrt(halfSquares);
}

} // namespace

CurveNumbers curveNumbers(const Wave& wave, double count, CurveKind kind)
{
    if (std::isnan(count))
        return { std::nullopt, std::nullopt, notANumber };
    if (kind == CurveKind::Trigonometric)
        return { std::nullopt, std::nullopt, 0.0 };
    return { overshootOf(wave, count), largestErrorOf(wave, count), rmsErrorOf(wave, count) };
}

} // namespace fourier
