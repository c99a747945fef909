// SPDX-License-Identifier: MIT
#include "sineintegral.h"

#include <algorithm>
#include <numbers>

namespace fourier::closedforms {

namespace {

constexpr double u = unitRoundoff;
constexpr double halfPi = std::numbers::pi / 2;

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

// ---- The kernel 1/sin s - 1/s and its derivatives (docs: "The kernel") ----

constexpr int kernelTerms = 40;
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

} // namespace

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

// The constant of its row.
double derivativeAtZero(std::size_t k)
{
    return k % 2 == 1 ? derivativeRows[k][0] : 0.0;
}

} // namespace fourier::closedforms
