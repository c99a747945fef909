// SPDX-License-Identifier: MIT
#include "enclosure.h"

#include "roundoff.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace fourier {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double u = unitRoundoff;
constexpr double infinity = std::numeric_limits<double>::infinity();
/// A point closer than this to a singular point (in periods) counts as lying on it, so that
/// the rounding of x / period can never hide one.
constexpr double nearSingular = 1e-12;
/// Covers the rounding of the few operations that give each bound: relative and absolute.
constexpr double relativeSlack = 1e-13;
constexpr double absoluteSlack = 1e-12;

/// \a value made larger by its own rounding: every bound here is a positive expression of a
/// handful of operations.
double roundedUp(double value)
{
    return value * (1 + relativeSlack);
}

Interval widened(double lo, double hi, double radius)
{
    const double r = roundedUp(radius) + absoluteSlack;
    return { lo - r - relativeSlack * std::abs(lo), hi + r + relativeSlack * std::abs(hi) };
}

/// cos(frequency * t) / (divisor * sin(t * angle)) with a bound on how far the computed value
/// lies from the exact one: the product frequency * t is off by u of itself, the library's
/// cos and sin by an ulp, and the quotient's roundings by a few u. The cosine is never off by
/// more than 2, however large the product; where the product overflows (counts near the largest
/// double, or the series' limit) the value is taken as 0, never more than 1 / denominator off.
struct Oscillation {
    double value;
    double error;
};

Oscillation oscillation(double t, double frequency, double divisor, double angle)
{
    const double argument = frequency * t;
    const double denominator = divisor * std::abs(std::sin(t * angle)) * (1 - relativeSlack);
    if (!std::isfinite(argument))
        return { 0.0, roundedUp(1 / denominator) };
    const double value = std::cos(argument) / (divisor * std::sin(t * angle));
    const double error = (std::min(u * std::abs(argument) + 2 * u, 2.0) + 4 * u) / denominator;
    return { value, roundedUp(error) };
}

} // namespace

std::optional<SumEnclosures> SumEnclosures::forWave(const Wave& wave, double terms)
{
    if (!(terms >= 1.0))
        return std::nullopt;
    switch (wave.closedForms) {
    case ClosedForms::OddSines:
        return SumEnclosures(Shape::Square, terms);
    case ClosedForms::OddCosinesOverSquares:
        return SumEnclosures(Shape::Triangle, terms);
    case ClosedForms::AllSines:
        return SumEnclosures(Shape::Sawtooth, terms);
    case ClosedForms::None:
        break;
    }
    return std::nullopt;
}

SumEnclosures::SumEnclosures(Shape shape, double terms)
    : m_shape(shape)
    , m_terms(terms)
    , m_period(shape == Shape::Sawtooth ? 2 * pi : pi)
    , m_angleFactor(shape == Shape::Sawtooth ? 0.5 : 1.0)
{
}

std::optional<long> SumEnclosures::singularFreePiece(double x1, double x2) const
{
    if (m_shape == Shape::Triangle)
        return std::nullopt;
    const double first = std::floor(x1 / m_period - nearSingular);
    const double last = std::floor(x2 / m_period + nearSingular);
    if (first != last)
        return std::nullopt;
    return static_cast<long>(first);
}

std::optional<long> SumEnclosures::pieceContaining(double x) const
{
    if (m_shape == Shape::Triangle)
        return std::nullopt;
    return static_cast<long>(std::floor(x / m_period));
}

double SumEnclosures::pieceStart(long piece) const
{
    return static_cast<double>(piece) * m_period;
}

double SumEnclosures::pieceMiddle(long piece) const
{
    return (static_cast<double>(piece) + 0.5) * m_period;
}

double SumEnclosures::leastDenominator(double x1, double x2) const
{
    // |sin| is concave between two of its zeros, so its least value there is at an end.
    if (std::floor(x1 / m_period - nearSingular) != std::floor(x2 / m_period + nearSingular))
        return 0.0;
    const double least
        = std::min(std::abs(std::sin(x1 * m_angleFactor)), std::abs(std::sin(x2 * m_angleFactor)));
    return least * (1 - relativeSlack);
}

LineSpan SumEnclosures::stretch(double x1, double x2) const
{
    return { x1, x2, leastDenominator(x1, x2) };
}

// The limits: the square wave is pi sgn(sin x), the sawtooth 2 (pi - x) on (0, 2 pi), the
// triangle pi^2 / 2 - pi |x| on [-pi, pi], each repeated with its period. The tails follow
// from Abel's summation: the partial sums of sin((2j + 1) x), cos((2j + 1) x) and sin(k x) stay
// within 1 / |sin x| (1 / |sin(x / 2)| for the last), and the coefficients fall to 0, so a
// tail is at most its first coefficient over that. The triangle's tail is also at most the sum
// of its coefficients, 4 / (2n + 1)^2 + 2 / (2n + 1), which holds across its corners.
Interval SumEnclosures::limit(const LineSpan& s) const
{
    const double n = m_terms;
    const double x1 = s.x1;
    const double x2 = s.x2;
    const double least = s.least;
    switch (m_shape) {
    case Shape::Square: {
        const auto piece = singularFreePiece(x1, x2);
        if (!piece)
            return { -infinity, infinity };
        const double level = (*piece & 1) == 0 ? pi : -pi;
        return widened(level, level, 4 / ((2 * n + 1) * least));
    }
    case Shape::Sawtooth: {
        const auto piece = singularFreePiece(x1, x2);
        if (!piece)
            return { -infinity, infinity };
        const double offset = 2 * pi * (2 * static_cast<double>(*piece) + 1);
        return widened(offset - 2 * x2, offset - 2 * x1, 4 / ((n + 1) * least));
    }
    case Shape::Triangle: {
        const auto at = [](double x) {
            const double turn = std::nearbyint(x / (2 * pi));
            return pi * pi / 2 - pi * std::abs(x - 2 * pi * turn);
        };
        double lo = std::min(at(x1), at(x2));
        double hi = std::max(at(x1), at(x2));
        // The corners inside (or next to) the stretch: crests at even multiples of pi, troughs
        // at odd ones.
        const double firstCorner = std::ceil(x1 / pi - nearSingular);
        const double lastCorner = std::floor(x2 / pi + nearSingular);
        for (double corner = firstCorner; corner <= lastCorner; ++corner) {
            if (std::fmod(corner, 2.0) == 0.0)
                hi = pi * pi / 2;
            else
                lo = -pi * pi / 2;
        }
        const double odd = 2 * n + 1;
        const double nearCorner = 4 / (odd * odd) + 2 / odd;
        const double tail = least > 0 ? std::min(nearCorner, 4 / (odd * odd * least)) : nearCorner;
        return widened(lo, hi, tail);
    }
    }
    return { -infinity, infinity };
}

double SumEnclosures::remainderFactor() const
{
    const double n = m_terms;
    return m_shape == Shape::Square ? 1 / (n * n) : 2 / ((n + 0.5) * (n + 0.5));
}

double SumEnclosures::frequency() const
{
    return m_shape == Shape::Square ? 2 * m_terms : m_terms + 0.5;
}

double SumEnclosures::divisor() const
{
    return m_shape == Shape::Square ? m_terms : (m_terms + 0.5) / 2;
}

double SumEnclosures::remainderAt(double t) const
{
    const double s = std::sin(t * m_angleFactor);
    return roundedUp(std::abs(std::cos(t * m_angleFactor)) / (s * s));
}

// From S' in closed form, integrated by parts from the anchor a to x. For the square,
// S' = 2 sin(2n t) / sin t gives
//   S(x) = S(a) - cos(2n x) / (n sin x) + cos(2n a) / (n sin a) - (1/n) int cos(2n t) g(t) dt
// with g = cos / sin^2, monotonic between zeros of sin; integrating once more bounds the last
// term by (|g(a)| + |g(x)|) / n^2. For the sawtooth, S' = 2 sin(w t) / sin(t / 2) - 2 with
// w = n + 1/2 gives the same with 2 cos(w t) / (w sin(t / 2)), the line -2 (x - a), and a
// remainder of 2 (|g2(a)| + |g2(x)|) / w^2, g2 = cos(t / 2) / sin^2(t / 2).
std::optional<PreparedAnchor> SumEnclosures::prepare(const KnownSum& anchor) const
{
    if (m_shape == Shape::Triangle)
        return std::nullopt;
    const Oscillation at = oscillation(anchor.x, frequency(), divisor(), m_angleFactor);
    return PreparedAnchor { anchor,
        { anchor.sum.lo + at.value - at.error, anchor.sum.hi + at.value + at.error },
        remainderFactor() * remainderAt(anchor.x) };
}

Interval SumEnclosures::fromAnchor(const PreparedAnchor& anchor, const LineSpan& s) const
{
    const double ax = anchor.known.x;
    if (m_shape == Shape::Triangle || !singularFreePiece(std::min(ax, s.x1), std::max(ax, s.x2)))
        return { -infinity, infinity };
    double oscillationLo;
    double oscillationHi;
    double radius = anchor.remainder;
    if (s.x1 == s.x2) {
        const Oscillation atX = oscillation(s.x1, frequency(), divisor(), m_angleFactor);
        oscillationLo = oscillationHi = -atX.value;
        radius += atX.error + remainderFactor() * remainderAt(s.x1);
    } else {
        const double reach = 1 / (divisor() * s.least);
        oscillationLo = -reach;
        oscillationHi = reach;
        radius += remainderFactor() * roundedUp(1 / (s.least * s.least));
    }
    double lineLo = 0.0;
    double lineHi = 0.0;
    if (m_shape == Shape::Sawtooth) {
        lineLo = -2 * (s.x2 - ax);
        lineHi = -2 * (s.x1 - ax);
        radius += 4 * u * (std::abs(lineLo) + std::abs(lineHi));
    }
    return widened(
        anchor.start.lo + oscillationLo + lineLo, anchor.start.hi + oscillationHi + lineHi, radius);
}

double SumEnclosures::slopeBound(const LineSpan& s) const
{
    const double n = m_terms;
    const double least = s.least;
    switch (m_shape) {
    case Shape::Square:
        return roundedUp(std::min(4 * n, 2 / least));
    case Shape::Sawtooth:
        return roundedUp(std::min(4 * n, 2 / least + 2));
    case Shape::Triangle:
        // |S'| is the square wave's partial sum: at most 4 times the sum of 1 / (2j + 1), or its
        // limit pi and its tail.
        return roundedUp(std::min(4 * (1 + 0.5 * std::log(2 * n - 1)),
            least > 0 ? pi + 4 / ((2 * n + 1) * least) : infinity));
    }
    return infinity;
}

double SumEnclosures::curvatureBound(const LineSpan& s) const
{
    const double n = m_terms;
    const double least = s.least;
    switch (m_shape) {
    case Shape::Square:
        return roundedUp(std::min(4 * n * n, 4 * n / least + 2 / (least * least)));
    case Shape::Sawtooth:
        return roundedUp(std::min(2 * n * (n + 1), 2 * (n + 0.5) / least + 1 / (least * least)));
    case Shape::Triangle:
        return roundedUp(std::min(4 * n, 2 / least));
    }
    return infinity;
}

} // namespace fourier
