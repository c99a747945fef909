// SPDX-License-Identifier: MIT
#include "closedsum.h"

#include "polygamma.h"
#include "roundoff.h"
#include "sineintegral.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numbers>
#include <optional>

// Every formula and bound below is derived in docs/closed-forms.md; the comments say which
// part of it each piece is. u is the unit roundoff, 2^-53. The library's sin and cos are taken
// to be within one unit in the last place (2u of the result) for every argument, however
// large: glibc reduces huge arguments exactly.

namespace fourier {

namespace {

constexpr double u = unitRoundoff;
constexpr double pi = std::numbers::pi;
constexpr double halfPi = std::numbers::pi / 2;
constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

/// Up to this many terms the sum is taken term by term; above it from the closed forms.
constexpr double directTerms = 32;
/// Every error is doubled: a margin should the library be off by more than it claims, which
/// also covers the rounding of the bound's own few operations.
constexpr double margin = 2.0;
/// Covers every underflow, of a term, a power or a subnormal halving, at once.
constexpr double underflowSlack = 1e-300;

using closedforms::Bounded;
using closedforms::boundRounding;
using closedforms::CompensatedSum;
using closedforms::derivativeAtZero;
using closedforms::derivativeRounding;
using closedforms::Derivatives;
using closedforms::ExactSum;
using closedforms::integrations;
using closedforms::kernelDerivatives;
using closedforms::phase;
using closedforms::seriesLeftOut;
using closedforms::sineIntegral;
using closedforms::twoSum;

// ---- Folding x onto [0, pi/2] (docs: "Folding x") ----

// The fold lands in [0, 1.6] (a whole number of turns rounded at a half turn can leave a
// little over pi/2), where these hold.
/// 2 / sin t <= jordanSlope / t on (0, 1.6].
constexpr double jordanSlope = 3.21;

/// pi = piHead + piMiddle + piTail + (less than piRest).
constexpr double piHead = 0x1.921fb54442d18p+1;
constexpr double piMiddle = 0x1.1a62633145c07p-53;
constexpr double piTail = -0x1.f1976b7ed8fbcp-109;
constexpr double piRest = 1.2e-49;

/// a - turns pi for the whole number of turns nearest a / pi, a >= 0 and below certifiedReach,
/// and how far it may lie from the exact difference. The products turns * piHead and turns *
/// piMiddle are split exactly by a fused multiply-add, the differences by two-sums; what is left
/// is a handful of low parts, each below u of a number the size of x, added with four roundings.
/// So the error is a few u of |a - turns pi| itself plus about u^2 |x|: the difference is known
/// to full relative precision even beside a multiple of pi.
Bounded reduceByPi(double a, double& turns)
{
    turns = std::nearbyint(a / pi);
    if (turns == 0)
        return { a, 0.0 };
    const double h0 = turns * piHead;
    const double l0 = std::fma(turns, piHead, -h0);
    const double h1 = turns * piMiddle;
    const double l1 = std::fma(turns, piMiddle, -h1);
    const double p2 = turns * piTail;
    const ExactSum s0 = twoSum(a, -h0);
    const ExactSum s1 = twoSum(s0.sum, -l0);
    const ExactSum s2 = twoSum(s1.sum, -h1);
    const double low = (((s0.error + s1.error) + s2.error) - l1) - p2;
    const double y = s2.sum + low;
    const double lows = std::abs(s0.error) + std::abs(s1.error) + std::abs(s2.error) + std::abs(l1)
        + std::abs(p2);
    const double error = u * std::abs(y) * (1 + 2 * u) + 4 * u * lows * (1 + 4 * u)
        + u * std::abs(p2) + turns * piRest;
    return { y, error };
}

enum class Shape { Square, Triangle, Sawtooth };

std::optional<Shape> shapeOf(const Wave& wave)
{
    switch (wave.closedForms) {
    case ClosedForms::OddSines:
        return Shape::Square;
    case ClosedForms::OddCosinesOverSquares:
        return Shape::Triangle;
    case ClosedForms::AllSines:
        return Shape::Sawtooth;
    case ClosedForms::None:
        break;
    }
    return std::nullopt;
}

/// x folded by the wave's symmetries: the sum at x is sign times the sum at rho, rho in
/// [0, 1.6] within error of the exact fold. The square and the triangle change sign over pi and
/// the square and the sawtooth are odd; rho is the square's and the triangle's angle, and half
/// the sawtooth's (its period is 2 pi).
struct Folded {
    double rho;
    double error;
    double sign;
};

Folded fold(Shape shape, double x)
{
    const double a = std::abs(x);
    const double outerSign = shape == Shape::Triangle || x >= 0 ? 1.0 : -1.0;
    double turns = 0.0;
    if (shape == Shape::Sawtooth) {
        const double half = a / 2;
        // Exact unless a is subnormal, when it is off by half the smallest subnormal (bounded
        // here by the whole of it).
        const double halving = 2 * half == a ? 0.0 : 0x1p-1074;
        const Bounded y = reduceByPi(half, turns);
        return { std::abs(y.value), y.error + halving, y.value < 0 ? -outerSign : outerSign };
    }
    const Bounded y = reduceByPi(a, turns);
    const double turnSign = std::fmod(turns, 2.0) == 0.0 ? 1.0 : -1.0;
    const double ySign = shape == Shape::Triangle || y.value >= 0 ? 1.0 : -1.0;
    return { std::abs(y.value), y.error, outerSign * turnSign * ySign };
}

/// The most the sum at rho (an angle of [0, 1.6], half the sawtooth's) can move when rho moves
/// by delta, for \a terms terms (docs: "What the fold's error costs"). The square's slope is
/// |2 sin(2n t) / sin t|, at most 4n and jordanSlope / t; the sawtooth's, per unit of rho,
/// twice |2 sin((2n+1) t) / sin t - 2| at t = rho; the triangle's is a square's partial sum.
double foldCost(Shape shape, double terms, double rho, double delta)
{
    if (delta == 0)
        return 0.0;
    // Each product starts from delta, so that the largest counts do not overflow it.
    const double nearest = rho - delta;
    const double steepest = 4 * delta * terms;
    switch (shape) {
    case Shape::Square:
        return nearest > 0 ? std::min(steepest, jordanSlope * (delta / nearest)) : steepest;
    case Shape::Sawtooth:
        return 2
            * (nearest > 0 ? std::min(steepest, jordanSlope * (delta / nearest) + 2 * delta)
                           : steepest);
    case Shape::Triangle:
        // The triangle's slope is minus the square's partial sum, which no count takes beyond
        // the square's bound.
        return delta * squareWave.partialSumBound;
    }
    return infinity;
}

// ---- Term by term, for a few terms (docs: "A few terms") ----

/// The sum of the first \a terms terms at the folded angle rho. Each k theta is split exactly,
/// k theta = p + e with a fused multiply-add, and the basis taken as b(p) + e b'(p), within
/// e^2 / 2 of b(k theta): the argument's rounding costs nothing. The library's value (2u), the
/// correction's two roundings, the coefficient's and the product's put each term within 6u of
/// its coefficient of the exact one; the sum is compensated.
Bounded directSum(Shape shape, double terms, double rho)
{
    const bool cosine = shape == Shape::Triangle;
    const double angle = shape == Shape::Sawtooth ? 2 * rho : rho;
    const double step = shape == Shape::Sawtooth ? 1.0 : 2.0;
    CompensatedSum sum;
    double coefficients = 0.0;
    for (double j = 0; j < terms; ++j) {
        const double k = 1 + step * j;
        const double p = k * angle;
        const double e = std::fma(k, angle, -p);
        const double sinP = std::sin(p);
        const double cosP = std::cos(p);
        const double basis = cosine ? std::fma(-e, sinP, cosP) : std::fma(e, cosP, sinP);
        const double coefficient = cosine ? seriesAmplitude / (k * k) : seriesAmplitude / k;
        sum.add(coefficient * basis);
        coefficients += coefficient;
    }
    return { sum.value(), 6 * u * coefficients * (1 + 64 * u) + sum.error() };
}

// ---- Many terms (docs: "The square and the sawtooth", "The triangle") ----

/// D(omega, rho) = integral of sin(omega s) / sin s over [0, rho], 0 < rho <= 1.6, omega =
/// 2 half of 66 or more: Si(omega rho) + J, with J = int sin(omega s) g(s) ds integrated by
/// parts integrations times (g the kernel; g(0) and its even derivatives are 0):
///   J = -sum_k sin(omega rho + (k + 1) pi/2) g^(k)(rho) / omega^(k+1) + R,
///   |R| <= (g^(m-1)(rho) - g^(m-1)(0)) / omega^m <= g^(m-1)(rho) / omega^m.
/// omega rho is taken as the double z = 2 (half rho), within 2.01u of itself (half is rounded
/// for the sawtooth's huge counts): that moves Si by 2.02u (Si's slope is sin(t) / t) and each
/// phase by 2.01u z, which its weight, divided by omega, shrinks.
Bounded dirichletIntegral(double half, double rho)
{
    const double z = 2 * (half * rho);
    if (!std::isfinite(z)) {
        // omega rho beyond the largest double: Si within 2 / z of pi/2 and |J| <= 2 g(rho) /
        // omega, both below underflowSlack.
        return { halfPi, u * halfPi };
    }
    const double omega = 2 * half;
    const double sinZ = std::sin(z);
    const double cosZ = std::cos(z);
    const Bounded si = sineIntegral(z, sinZ, cosZ);
    const Derivatives d = kernelDerivatives(rho);
    double j = 0.0;
    double weight = 0.0;
    double scale = 0.5 / half;
    double lastScale = scale;
    for (std::size_t k = 0; k < d.size(); ++k) {
        const double scaled = d[k] * scale;
        j -= phase(k, sinZ, cosZ) * scaled;
        weight += scaled;
        lastScale = scale;
        scale /= omega;
    }
    // Terms k = 0 .. m - 1 end at 1 / omega^m.
    const double remainder = d[integrations - 1] * lastScale;
    // Per term: the phase's library error (2u) and argument (2.01u z), the derivative's
    // rounding, the powers of omega (2u per power, 28u), the two products and the 14 additions.
    const double perTerm = (2 + 28 + 2 + 14) * u + derivativeRounding + 2.01 * u * z;
    const double jError = weight * perTerm * boundRounding
        + remainder * (1 + derivativeRounding + 30 * u) + seriesLeftOut;
    const double value = si.value + j;
    return { value, si.error + 2.02 * u + jError + u * std::abs(value) };
}

/// The triangle for n above directTerms at r in [0, 1.6]:
///   T(r) = T(0) - 2 (r Si(2n r) + K) + 2 sin^2(n r) / n,  T(0) = pi^2/2 - psi'(n + 1/2),
/// K = int (r - s) sin(2n s) g(s) ds integrated by parts:
///   K = sum_{k=1}^{m-1} k [sin(z + (k+1) pi/2) g^(k-1)(r) - sin((k+1) pi/2) g^(k-1)(0)]
///       / (2n)^(k+1) + R,   |R| <= (m + 1) g^(m-2)(r) / (2n)^m.
Bounded triangleSum(double terms, double r)
{
    constexpr double halfPiSquared = 4.934802200544679;
    // n + 1/2 is rounded for counts beyond 2^52, by u of itself, which moves psi' by about u
    // of itself (x psi''(x) / psi'(x) is near -1 for x this large).
    const CertifiedSum tail = trigamma(terms + 0.5);
    const double atZero = halfPiSquared - tail.value;
    double error = u * halfPiSquared + tail.bound + 2 * u * tail.value + u * atZero;
    if (r == 0)
        return { atZero, error };

    const double omega = 2 * terms;
    const double w = terms * r;
    const double z = 2 * w;
    if (!std::isfinite(z)) {
        // 2n r beyond the largest double: Si within 2 / z of pi/2, K and 2 sin^2(n r) / n
        // below 2 / n, all below underflowSlack.
        const double inner = r * halfPi;
        const double value = atZero - 2 * inner;
        return { value, error + 3 * u * inner + 2 * u * std::abs(value) };
    }
    const double sinZ = std::sin(z);
    const double cosZ = std::cos(z);
    const Bounded si = sineIntegral(z, sinZ, cosZ);
    const double rSi = r * si.value;
    // Si at z rather than 2n r: u of z moves it by 1.01u.
    error += r * (si.error + 1.01 * u) + u * std::abs(rSi);

    const Derivatives d = kernelDerivatives(r);
    double k = 0.0;
    double weight = 0.0;
    double scale = 1 / (omega * omega);
    double lastScale = scale;
    for (std::size_t i = 1; i < d.size(); ++i) {
        const double times = static_cast<double>(i);
        const double atR = times * d[i - 1] * scale;
        const double atOrigin = times * derivativeAtZero(i - 1) * scale;
        k += phase(i, sinZ, cosZ) * atR - phase(i, 0.0, 1.0) * atOrigin;
        weight += atR + atOrigin;
        lastScale = scale;
        scale /= omega;
    }
    // Terms k = 1 .. m - 1 end at 1 / omega^m.
    const double remainder = (integrations + 1) * d[integrations - 2] * lastScale;
    // Per term as for the square's J, with exact phases at 0, 2n exact, 1 / (2n)^2 rounded
    // twice and 13 terms of two parts each.
    const double perTerm = (2 + 30 + 4 + 26) * u + derivativeRounding + 1.01 * u * z;
    error += weight * perTerm * boundRounding + remainder * (1 + derivativeRounding + 30 * u)
        + seriesLeftOut;

    // 2 sin^2(n r) / n: w is u of n r off, which moves sin^2 by u n r; the library's sine 2u.
    const double sinW = std::sin(w);
    const double ripple = 2 * (sinW * sinW) / terms;
    error += 2 * u * r + 8 * u * ripple;

    const double inner = rSi + k;
    const double value = (atZero - 2 * inner) + ripple;
    error += u * std::abs(inner) + 2 * u * (std::abs(atZero) + 2 * std::abs(inner) + ripple);
    return { value, error };
}

/// The series' limit at the folded rho: the ideal wave (docs: "The limit").
Bounded limitAt(Shape shape, double rho, double delta)
{
    switch (shape) {
    case Shape::Square:
        // Constant pi on either side of the jump, which the fold puts at rho = 0 exactly.
        if (rho == 0)
            return { 0.0, 0.0 };
        return rho > delta ? Bounded { pi, u * pi } : Bounded { 0.0, pi };
    case Shape::Triangle: {
        const double value = pi * (halfPi - rho);
        return { value, 4 * u * pi * (halfPi + rho) + pi * delta };
    }
    case Shape::Sawtooth: {
        if (rho == 0)
            return { 0.0, 0.0 };
        if (rho <= delta)
            return { 0.0, 2 * pi };
        const double value = 4 * (halfPi - rho);
        return { value, 4 * u * (halfPi + 2 * std::abs(halfPi - rho)) + 4 * delta };
    }
    }
    return { notANumber, infinity };
}

} // namespace

bool hasClosedForms(const Wave& wave)
{
    return shapeOf(wave).has_value();
}

CertifiedSum certifiedSum(const Wave& wave, double count, double x)
{
    const std::optional<Shape> shape = shapeOf(wave);
    if (!shape || std::isnan(count) || !(std::abs(x) <= certifiedReach))
        return { notANumber, infinity };
    const Folded folded = fold(*shape, x);
    const double rho = folded.rho;

    Bounded sum;
    if (count == infinity) {
        sum = limitAt(*shape, rho, folded.error);
    } else {
        const double terms = termCount(count);
        if (terms <= directTerms) {
            sum = directSum(*shape, terms, rho);
        } else if (*shape == Shape::Triangle) {
            sum = triangleSum(terms, rho);
        } else if (rho == 0) {
            // Every partial sum of a sine series is 0 at a multiple of its period.
            sum = { 0.0, 0.0 };
        } else if (*shape == Shape::Square) {
            const Bounded d = dirichletIntegral(terms, rho);
            sum = { 2 * d.value, 2 * d.error };
        } else {
            const Bounded d = dirichletIntegral(terms + 0.5, rho);
            const double value = 4 * d.value - 4 * rho;
            sum = { value, 4 * d.error + u * std::abs(value) };
        }
        sum.error += foldCost(*shape, terms, rho, folded.error);
    }
    return { folded.sign * sum.value, margin * sum.error * boundRounding + underflowSlack };
}

} // namespace fourier
