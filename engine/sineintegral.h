// SPDX-License-Identifier: MIT
#pragma once

#include "roundoff.h"

#include <array>
#include <cmath>
#include <cstddef>

// The parts of the closed forms that know nothing of the waves, each derived in
// docs/closed-forms.md: compensated sums, the sine integral, and the kernel 1/sin s - 1/s with
// its derivatives. u is the unit roundoff, 2^-53.

namespace fourier::closedforms {

/// Each error term is a handful of operations on positive numbers; this covers their rounding.
inline constexpr double boundRounding = 1 + 1e-9;

/// A value and a bound on its error.
struct Bounded {
    double value;
    double error;
};

/// A rounded sum and what its rounding left out.
struct ExactSum {
    double sum;
    double error;
};

/// a + b = sum + error exactly (Knuth's two-sum).
inline ExactSum twoSum(double a, double b)
{
    const double sum = a + b;
    const double back = sum - a;
    return { sum, (a - (sum - back)) + (b - back) };
}

/// A sum of a few dozen terms, compensated (Ogita, Rump and Oishi's Sum2): it is within
/// u |sum| + gamma^2 sum |terms| of the exact sum, gamma = count u / (1 - count u).
class CompensatedSum {
public:
    /// Adds \a term.
    void add(double term)
    {
        const ExactSum next = twoSum(m_sum, term);
        m_sum = next.sum;
        m_errors += next.error;
        m_magnitude += std::abs(term);
        ++m_count;
    }
    /// The sum, its compensation added.
    double value() const { return m_sum + m_errors; }
    /// At least how far value() lies from the exact sum of the terms.
    double error() const
    {
        constexpr double u = unitRoundoff;
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

/// Si(z) = integral of sin(t) / t from 0 to z, z >= 0 finite, given its sine and cosine, with
/// a bound on its error (docs: "The sine integral").
Bounded sineIntegral(double z, double sinZ, double cosZ);

// ---- The kernel 1/sin s - 1/s and its derivatives (docs: "The kernel") ----

/// How many times the oscillating integrals are integrated by parts.
inline constexpr int integrations = 14;
/// What the kernel's series cut after its 40 terms leaves out of the integrations by parts,
/// summed, for rho <= 1.6 and a frequency of at least 66: 1.13e-25, rounded up.
inline constexpr double seriesLeftOut = 1e-24;
/// Relative error of a computed derivative: its coefficients' k + 2 roundings, Horner's 80 on
/// positive terms and the powers of rho^2 the 40 of theirs, with room.
inline constexpr double derivativeRounding = 150 * unitRoundoff;

/// The derivatives 0 .. integrations - 1 of the kernel at rho, each within derivativeRounding
/// of itself (plus the series' tail, which seriesLeftOut covers). All coefficients are
/// positive, so every derivative is positive on (0, pi) and grows with rho.
using Derivatives = std::array<double, integrations>;

/// The derivatives of the kernel at \a rho, 0 <= rho <= 1.6.
Derivatives kernelDerivatives(double rho);

/// The k-th derivative of the kernel at 0: (k)! a_{(k+1)/2} for odd k, 0 for even k.
double derivativeAtZero(std::size_t k);

/// sin(z + (k + 1) pi / 2), the phase of the k-th term of an integration by parts.
inline double phase(std::size_t k, double sinZ, double cosZ)
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

} // namespace fourier::closedforms
