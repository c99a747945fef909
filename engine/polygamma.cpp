// SPDX-License-Identifier: MIT
#include "polygamma.h"

#include "roundoff.h"

#include <cmath>
#include <limits>

// Derived in docs/closed-forms.md, "The polygamma functions".

namespace fourier {

namespace {

constexpr double u = unitRoundoff;
constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

/// From here on the asymptotic series are taken as they stand; a smaller x is first raised
/// past it by the recurrence psi^(n)(x) = psi^(n)(x + 1) + (-1)^(n+1) n! / x^(n+1).
constexpr double asymptoticFrom = 32;

/// |B_12| = 691 / 2730, rounded up: psi' misses at most this over x^13.
constexpr double trigammaLeftOut = 0.2532;
/// |B_12| 13 14 = 46.0667, rounded up: psi''' misses at most this over x^15.
constexpr double pentagammaLeftOut = 46.07;

/// psi'(x) for x >= asymptoticFrom: 1/x + 1/(2x^2) + sum B_2k / x^(2k+1) through B_10. The
/// first term left out bounds the remainder, and the seven terms' roundings stay within 16u
/// of the value.
CertifiedSum trigammaSeries(double x)
{
    const double p = 1 / x;
    const double p2 = p * p;
    const double tail = p2 * (1.0 / 42 + p2 * (-1.0 / 30 + p2 * (5.0 / 66)));
    const double value = p + p2 * (0.5 + p * (1.0 / 6 + p2 * (-1.0 / 30 + tail)));
    return { value, trigammaLeftOut * std::pow(p, 13) + 16 * u * value };
}

/// psi'''(x) for x >= asymptoticFrom: 2/x^3 + 3/x^4 + sum B_2k (2k+1)(2k+2) / x^(2k+3) through
/// B_10, within the first term left out, and 24u of the value for its roundings.
CertifiedSum pentagammaSeries(double x)
{
    const double p = 1 / x;
    const double p2 = p * p;
    const double tail = -1.0 + p2 * (4.0 / 3 + p2 * (-3.0 + p2 * 10.0));
    const double value = p2 * p * (2.0 + p * (3.0 + p * (2.0 + p2 * tail)));
    return { value, pentagammaLeftOut * std::pow(p, 15) + 24 * u * value };
}

/// psi^(n)(x) up to its sign for n = power - 1: the series at x + shifts, shifts the fewest
/// whole steps that reach asymptoticFrom, plus (n)! / (x + j)^power for each step j below.
/// Each x + j is rounded once (u of itself, so power u of its term, and the series' argument
/// moves the series by about (power - 1) u of itself); a power and a quotient add power u;
/// the terms, all positive, are added from the smallest, within shifts u of their sum.
template <class Series>
CertifiedSum polygamma(double x, int power, double factorial, Series series)
{
    if (!(x > 0))
        return { notANumber, infinity };
    if (x == infinity)
        return { 0.0, 0.0 };
    const double shifts = x < asymptoticFrom ? std::ceil(asymptoticFrom - x) : 0.0;
    const CertifiedSum far = series(x + shifts);
    double value = far.value;
    for (double j = shifts; j-- > 0;)
        value += factorial / std::pow(x + j, power);
    if (!std::isfinite(value))
        return { infinity, infinity };
    const double perTerm = shifts == 0 ? 0.0 : 2.0 * power + 1;
    const double adding = shifts * u / (1 - shifts * u);
    return { value, far.bound + (perTerm * u + adding) * value * (1 + 1e-9) };
}

} // namespace

CertifiedSum trigamma(double x)
{
    return polygamma(x, 2, 1.0, trigammaSeries);
}

CertifiedSum pentagamma(double x)
{
    return polygamma(x, 4, 6.0, pentagammaSeries);
}

} // namespace fourier
