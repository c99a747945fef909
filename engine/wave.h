// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

namespace fourier {

/// The function each term of a series is built on.
enum class Basis { Sine, Cosine };

/// How a term's coefficient falls with its harmonic number k.
enum class Falloff { OverK, OverKSquared };

/// One wave of the series family: everything in which the square, triangle and sawtooth
/// series differ as numbers. A single algorithm reads it; how a command shows the wave (its
/// colour, its words) is the command's.
struct Wave {
    /// What the engine's own diagnostics, the tests and the benchmark call the wave.
    std::string_view name;
    Basis basis;
    /// How much the harmonic number grows from one term to the next.
    int step;
    Falloff falloff;
    /// The point drawn is (x, sign * y): the sawtooth is drawn upside down.
    double pointSign;
};

/// The amplitude factor of every term.
inline constexpr double seriesAmplitude = 4.0;

inline constexpr Wave squareWave { "Square", Basis::Sine, 2, Falloff::OverK, 1.0 };
inline constexpr Wave triangleWave { "Triangle", Basis::Cosine, 2, Falloff::OverKSquared, 1.0 };
inline constexpr Wave sawtoothWave { "Sawtooth", Basis::Sine, 1, Falloff::OverK, -1.0 };

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
