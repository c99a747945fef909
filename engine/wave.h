// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <string_view>

namespace fourier {

/// The function each term of a series is built on.
enum class Basis { Sine, Cosine };

/// How a term's coefficient falls with its harmonic number k.
enum class Falloff { OverK, OverKSquared };

/// Which closed forms give a wave's partial sums S_n, their derivative and their limit. The
/// engine takes its fast roads from what the wave says here, never from its numbers: a wave with
/// none is summed term by term, on the same pixels.
enum class ClosedForms {
    /// None are known.
    None,
    /// The odd sines over k: S_n' = 2 sin(2nx) / sin x, the limit pi sign(sin x).
    OddSines,
    /// The odd cosines over k^2, the integral of the odd sines' sum: S_n' = -(that sum), the
    /// limit pi^2/2 - pi |x| on [-pi, pi].
    OddCosinesOverSquares,
    /// Every sine over k: S_n' = 2 sin((n + 1/2) x) / (2 sin(x / 2)) * 2 - 2, the limit
    /// 2 (pi - x) on (0, 2pi).
    AllSines,
};

/// One wave of the series family: everything the engine knows of it. A single algorithm reads
/// it; how a command shows the wave (its colour, its words) is the command's.
struct Wave {
    /// What the engine's own diagnostics, the tests and the benchmark call the wave.
    std::string_view name;
    /// The function each term is built on; the base term is 4 times it at x.
    Basis basis;
    /// How much the harmonic number grows from one term to the next.
    int step;
    /// The coefficient law: 4/k or 4/k^2 of harmonic k.
    Falloff falloff;
    /// The point drawn is (x, sign * y): the sawtooth is drawn upside down.
    double pointSign;
    ClosedForms closedForms;
    /// A bound on |S_n(x)| for every count and every x: the highest crest any partial sum
    /// reaches, rounded up (the square's first crest tends to 1.8519 pi).
    double partialSumBound;
    /// The largest |value| of the series' limit, the ideal wave.
    double limitBound;
    /// The ideal wave jumps at every multiple of this (0 where it has no jump), by twice
    /// limitBound.
    double jumpSpacing;
    /// The series' limit at x, the ideal wave, as summed (before pointSign); at a jump the
    /// middle of it, which every partial sum takes there.
    double (*ideal)(double x);
};

/// The amplitude factor of every term.
inline constexpr double seriesAmplitude = 4.0;

namespace detail {
inline constexpr double pi = std::numbers::pi;
/// x brought into [-pi, pi) for a wave of period 2 pi: exact enough for drawing and reading.
inline double centred(double x)
{
    return x - 2 * pi * std::floor((x + pi) / (2 * pi));
}
inline double squareIdeal(double x)
{
    const double s = std::sin(x);
    return s > 0 ? pi : (s < 0 ? -pi : 0.0);
}
inline double triangleIdeal(double x)
{
    return pi * pi / 2 - pi * std::abs(centred(x));
}
inline double sawtoothIdeal(double x)
{
    const double r = centred(x - pi) + pi;
    return r == 0.0 ? 0.0 : 2 * (pi - r);
}
} // namespace detail

inline constexpr Wave squareWave { "Square", Basis::Sine, 2, Falloff::OverK, 1.0,
    ClosedForms::OddSines, 5.8180, detail::pi, detail::pi, detail::squareIdeal };
inline constexpr Wave triangleWave { "Triangle", Basis::Cosine, 2, Falloff::OverKSquared, 1.0,
    ClosedForms::OddCosinesOverSquares, detail::pi* detail::pi / 2, detail::pi* detail::pi / 2, 0.0,
    detail::triangleIdeal };
inline constexpr Wave sawtoothWave { "Sawtooth", Basis::Sine, 1, Falloff::OverK, -1.0,
    ClosedForms::AllSines, 11.6360, 2 * detail::pi, 2 * detail::pi, detail::sawtoothIdeal };

/// The coefficient of harmonic \a k, associated as 4 * (1 / k) or 4 * (1 / (k * k)).
inline double coefficient(Falloff falloff, double k)
{
    return falloff == Falloff::OverK ? seriesAmplitude * (1.0 / k)
                                     : seriesAmplitude * (1.0 / (k * k));
}

/// The basis function at \a t.
inline double basisAt(Basis basis, double t)
{
    return basis == Basis::Sine ? std::sin(t) : std::cos(t);
}

/// How many terms the plain loop adds for \a count: the base term, plus one for each whole
/// number from 2 up to the count.
inline double termCount(double count)
{
    return count < 2.0 ? 1.0 : std::floor(count);
}

/// How many terms the plain loop runs between two looks at whether it should stop.
inline constexpr std::int64_t referenceCheckEvery = std::int64_t { 1 } << 16;

/// The partial sum of \a wave at \a x with \a count terms asked for: the plain loop, one term
/// after another, every operation in its written order. Everything faster must match it.
///
/// The term counter runs from 2 while it does not exceed \a count, so a fractional count
/// of 1 or more ends at the count itself: 2.5 gives two terms, like 2. Any count below 2
/// (and above 0) gives the base term alone.
///
/// Every referenceCheckEvery terms it asks \a keepGoing, and gives up with nothing when told
/// to stop: a sum with billions of terms can then be abandoned without waiting for it.
template <class KeepGoing>
std::optional<double> referenceSumWhile(
    const Wave& wave, double count, double x, KeepGoing&& keepGoing)
{
    std::int64_t k = 1;
    double y = basisAt(wave.basis, x) * seriesAmplitude;
    for (std::int64_t term = 2; static_cast<double>(term) <= count; ++term) {
        if (term % referenceCheckEvery == 0 && !keepGoing())
            return std::nullopt;
        k += wave.step;
        const double kd = static_cast<double>(k);
        y = y + coefficient(wave.falloff, kd) * basisAt(wave.basis, kd * x);
    }
    return y;
}

/// referenceSumWhile carried through to the end, however long that takes.
inline double referenceSum(const Wave& wave, double count, double x)
{
    return *referenceSumWhile(wave, count, x, [] { return true; });
}

} // namespace fourier
