// SPDX-License-Identifier: MIT
#include "closedsum.h"

#include "polygamma.h"
#include "roundoff.h"

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
/// Each error term is a handful of operations on positive numbers; this covers their rounding.
constexpr double boundRounding = 1 + 1e-9;

struct Bounded {
    double value;
    double error;
};

struct ExactSum {
    double sum;
    double error;
};

/// a + b = sum + error exactly (Knuth's two-sum).
ExactSum twoSum(double a, double b)
{
    const double sum = a + b;
    const double back = sum - a;
    return { sum, (a - (sum - back)) + (b - back) };
}

/// A sum of a few dozen terms, compensated (Ogita, Rump and Oishi's Sum2): it is within
/// u |sum| + gamma^2 sum |terms| of the exact sum, gamma = count u / (1 - count u).
class CompensatedSum {
public:
    void add(double term)
    {
        const ExactSum next = twoSum(m_sum, term);
        m_sum = next.sum;
        m_errors += next.error;
        m_magnitude += std::abs(term);
        ++m_count;
    }
    double value() const { return m_sum + m_errors; }
    double error() const
    {
        const double gamma = m_count * u / (1 - m_count * u);
        return u * std::abs(value()) * (1 + 2 * u) + gamma * gamma * m_magnitude * (1 + 4 * u);
    }
    /// The sum of |term|, within count u of itself.
    double magnitude() const { return m_magnitude; }

private:
    double m_sum = 0.0;
    double m_errors = 0.0;
    double m_magnitude = 0.0;
    double m_count = 0.0;
};

// ---- Folding x onto [0, pi/2] (docs: "Folding x") ----

// The fold lands in [0, 1.6] (a whole number of turns rounded at a half turn can leave a
// little over pi/2), where these hold.
/// 2 / sin t <= jordanSlope / t on (0, 1.6].
constexpr double jordanSlope = 3.21;
/// No partial sum of the square wave exceeds this (fastsum.cpp's bound on the partial sums).
constexpr double largestSquareSum = 5.8180;

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
    if (wave.basis == Basis::Sine && wave.step == 2 && wave.falloff == Falloff::OverK)
        return Shape::Square;
    if (wave.basis == Basis::Cosine && wave.step == 2 && wave.falloff == Falloff::OverKSquared)
        return Shape::Triangle;
    if (wave.basis == Basis::Sine && wave.step == 1 && wave.falloff == Falloff::OverK)
        return Shape::Sawtooth;
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
        return delta * largestSquareSum;
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

// ---- The sine integral (docs: "The sine integral") ----

/// Below this the sine integral is integrated by Gauss-Legendre panels, above it taken from
/// its auxiliary functions, whose asymptotic series then reach 2e-18 in asymptoticTerms terms.
constexpr double sineIntegralSplit = 40;
constexpr int asymptoticTerms = 20;
/// The asymptotic series stop once the next term is this small.
constexpr double asymptoticFloor = 1e-20;
constexpr double panelWidth = 8;
/// The positive nodes of the 12-point Gauss-Legendre rule on [-1, 1], and their weights.
constexpr std::array<double, 6> gaussNodes { 0.9815606342467192, 0.9041172563704749,
    0.7699026741943047, 0.5873179542866175, 0.3678314989981802, 0.1252334085114689 };
constexpr std::array<double, 6> gaussWeights { 0.04717533638651183, 0.10693932599531843,
    0.16007832854334622, 0.20316742672306592, 0.2334925365383548, 0.24914704581340277 };
/// What the rule misses on a panel no wider than panelWidth: (b - a)^25 (12!)^4 / (25 (24!)^3)
/// times the largest |sinc^(24)|, at most 1/25; 1.3323e-17, rounded up.
constexpr double panelError = 1.34e-17;

/// At least |sinc'| within a rounding of s > 0: sinc'(s) = -int_0^1 v sin(s v) dv, at most 1/2
/// and s / 3, and (cos s) / s - (sin s) / s^2, at most (1 + 1/s) / s.
double sincSlope(double s)
{
    return std::min({ 0.5, s / 3, (1 + 1 / s) / s }) * boundRounding;
}

/// Si(z) = integral of sin(t) / t from 0 to z, z >= 0 finite, with its sine and cosine.
Bounded sineIntegral(double z, double sinZ, double cosZ)
{
    if (z == 0)
        return { 0.0, 0.0 };
    if (z <= sineIntegralSplit) {
        // Panels [a, b] of width 8 from 0, the last one shorter. b - a is exact (Sterbenz: a = 0
        // or a <= z <= 2a) and so is its half; each node t = middle +- half x_i is off by at
        // most u (middle + 2 offset + t) from the rule's, which moves sinc(t) by that times its
        // slope. sin(t) / t is within 3u of itself, the weight within 2u, their product u.
        CompensatedSum sum;
        double nodeErrors = 0.0;
        double panels = 0.0;
        for (double a = 0; a < z; a += panelWidth) {
            const double b = std::min(a + panelWidth, z);
            const double half = (b - a) / 2;
            const double middle = a + half;
            for (std::size_t i = 0; i < gaussNodes.size(); ++i) {
                const double offset = half * gaussNodes[i];
                const double weight = half * gaussWeights[i];
                for (const double t : { middle - offset, middle + offset }) {
                    sum.add(weight * (std::sin(t) / t));
                    nodeErrors += weight * sincSlope(t) * u * (middle + 2 * offset + t);
                }
            }
            ++panels;
        }
        const double error = panels * panelError + nodeErrors * boundRounding
            + 6 * u * sum.magnitude() * boundRounding + sum.error();
        return { sum.value(), error };
    }
    // Si(z) = pi/2 - f(z) cos z - g(z) sin z, f and g by their asymptotic series, each within
    // its first term left out (they are Laplace transforms of 1 / (1 + t^2) and t / (1 + t^2),
    // whose Taylor remainders have the sign and size of the next term). Each term is off by
    // 4u per step of its recurrence, the sums by u per addition: 101u of the terms' magnitude.
    const double inverse = 1 / z;
    const double inverseSquare = inverse * inverse;
    double f = 0.0;
    double g = 0.0;
    double nextF = inverse;
    double nextG = inverseSquare;
    double magnitude = 0.0;
    double sign = 1.0;
    for (int k = 0; k < asymptoticTerms && nextF > asymptoticFloor; ++k) {
        f += sign * nextF;
        g += sign * nextG;
        magnitude += nextF + nextG;
        const double twoK = 2.0 * k;
        nextF *= (twoK + 1) * (twoK + 2) * inverseSquare;
        nextG *= (twoK + 2) * (twoK + 3) * inverseSquare;
        sign = -sign;
    }
    const double value = halfPi - f * cosZ - g * sinZ;
    const double error = (nextF + nextG) * (1 + 100 * u) + 101 * u * magnitude
        + 2 * u * (std::abs(f) + std::abs(g)) + u * halfPi
        + 3 * u * (halfPi + std::abs(f) + std::abs(g));
    return { value, error };
}

// ---- The kernel 1/sin s - 1/s and its derivatives (docs: "The kernel") ----

constexpr int kernelTerms = 40;
/// How many times the oscillating integrals are integrated by parts.
constexpr int integrations = 14;
/// a_j of 1/sin s - 1/s = sum_{j>=1} a_j s^(2j-1), a_j = 2 (1 - 2^(1-2j)) zeta(2j) / pi^(2j).
constexpr std::array<double, kernelTerms> kernelSeries { 0.16666666666666666, 0.019444444444444445,
    0.00205026455026455, 0.0002099867724867725, 2.1336045641601196e-05, 2.1633474427786596e-06,
    2.192327134456764e-07, 2.2213930853920414e-08, 2.2507674795567867e-09, 2.280510770721821e-10,
    2.3106421580996967e-11, 2.3411704028931947e-12, 2.3721016693292245e-13, 2.4034415154237358e-14,
    2.435195398382432e-15, 2.4673688033682493e-16, 2.4999672768310465e-17, 2.532996435666915e-18,
    2.566461970263955e-19, 2.6003696460089974e-20, 2.634725304414182e-21, 2.6695348641570913e-22,
    2.704804322108954e-23, 2.740539754369932e-24, 2.7767473173164386e-25, 2.813433248661878e-26,
    2.8506038685312914e-27, 2.8882655805501746e-28, 2.9264248729476755e-29, 2.9650883196743643e-30,
    3.00426258153477e-31, 3.043954407334882e-32, 3.08417063504481e-33, 3.124918192976807e-34,
    3.1662041009788536e-35, 3.208035471644014e-36, 3.250419511535768e-37, 3.293363522429534e-38,
    3.3368749025705916e-39, 3.380961147948629e-40 };
/// What the series cut after kernelTerms terms leaves out of the integrations by parts, summed,
/// for rho <= 1.6 and a frequency of at least 66: 1.13e-25, rounded up.
constexpr double seriesLeftOut = 1e-24;
/// Relative error of a computed derivative: its coefficients' k + 2 roundings, Horner's 80 on
/// positive terms and the powers of rho^2 the 40 of theirs, with room.
constexpr double derivativeRounding = 150 * u;

/// Row k: the coefficients of the k-th derivative of the kernel as a polynomial in s^2 (times s
/// when k is even), a_j (2j-1)! / (2j-1-k)! for j from k/2 + 1.
using DerivativeRows = std::array<std::array<double, kernelTerms>, integrations>;

constexpr DerivativeRows makeDerivativeRows()
{
    DerivativeRows rows {};
    for (int k = 0; k < integrations; ++k) {
        for (int j = k / 2 + 1; j <= kernelTerms; ++j) {
            double c = kernelSeries[static_cast<std::size_t>(j - 1)];
            for (int q = 0; q < k; ++q)
                c *= 2 * j - 1 - q;
            rows[static_cast<std::size_t>(k)][static_cast<std::size_t>(j - 1 - k / 2)] = c;
        }
    }
    return rows;
}

constexpr DerivativeRows derivativeRows = makeDerivativeRows();

/// The derivatives 0 .. integrations - 1 of the kernel at rho, each within derivativeRounding
/// of itself (plus the series' tail, which seriesLeftOut covers). All coefficients are
/// positive, so every derivative is positive on (0, pi) and grows with rho.
using Derivatives = std::array<double, integrations>;

Derivatives kernelDerivatives(double rho)
{
    const double square = rho * rho;
    Derivatives d {};
    for (std::size_t k = 0; k < d.size(); ++k) {
        const auto& row = derivativeRows[k];
        const std::size_t length = kernelTerms - k / 2;
        double h = row[length - 1];
        for (std::size_t i = length - 1; i-- > 0;)
            h = h * square + row[i];
        d[k] = k % 2 == 0 ? h * rho : h;
    }
    return d;
}

/// The k-th derivative of the kernel at 0: (k)! a_{(k+1)/2} for odd k, the constant of its row.
double derivativeAtZero(std::size_t k)
{
    return k % 2 == 1 ? derivativeRows[k][0] : 0.0;
}

/// sin(z + (k + 1) pi / 2), the phase of the k-th term of an integration by parts.
double phase(std::size_t k, double sinZ, double cosZ)
{
    switch (k % 4) {
    case 0:
        return cosZ;
    case 1:
        return -sinZ;
    case 2:
        return -cosZ;
    default:
        return sinZ;
    }
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
