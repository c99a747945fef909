// SPDX-License-Identifier: MIT
#include "tone.h"

#include "closedsum.h"

#include <cmath>
#include <numbers>
#include <numeric>

namespace fourier {

namespace {

constexpr double twoPi = 2 * std::numbers::pi;
/// A sample of full scale is a sum of this much: more than any partial sum reaches.
constexpr double fullScale = 2 * twoPi;

// What the sound reads of a wave, each in one place.

/// The harmonic of the base term.
constexpr int firstHarmonic = 1;

/// How much the harmonic grows from one term to the next.
int harmonicStep(const Wave& wave)
{
    return wave.step;
}

/// The sign the curve is drawn with.
double drawnSign(const Wave& wave)
{
    return wave.pointSign;
}

/// Whether the sum at -x is minus the sum at x (a sine series) rather than the sum at x itself.
bool isOdd(const Wave& wave)
{
    return wave.basis == Basis::Sine;
}

} // namespace

int tonePitch(double hz)
{
    if (!(hz >= lowestPitch))
        return lowestPitch;
    if (hz >= highestPitch)
        return highestPitch;
    return static_cast<int>(std::lround(hz));
}

int audibleTerms(const Wave& wave, int pitch)
{
    // The highest harmonic heard is the highest whole k with k * pitch < bandLimit.
    const int highest = (bandLimit - 1) / pitch;
    return (highest - firstHarmonic) / harmonicStep(wave) + 1;
}

Tone::Tone(const Wave& wave, double count, double pitchHz)
    : m_pitch(tonePitch(pitchHz))
{
    const int audible = audibleTerms(wave, m_pitch);
    const double asked = termCount(count);
    m_heardTerms = asked < audible ? static_cast<int>(asked) : audible;

    // Sample n lies at the fraction (pitch * n / sampleRate) of a period. With g the greatest
    // common divisor, the loop's length and its periods are sampleRate / g and pitch / g, which
    // are coprime: over one loop the fraction takes every value j / length exactly once. So the
    // curve is summed once at each of those, and only on its first half, the other being its
    // mirror image.
    const int divisor = std::gcd(sampleRate, m_pitch);
    const int length = sampleRate / divisor;
    const int periods = m_pitch / divisor;
    const double scale = drawnSign(wave) / fullScale;
    const double mirror = isOdd(wave) ? -1.0 : 1.0;
    std::vector<double> period(static_cast<std::size_t>(length));
    for (int j = 0; 2 * j <= length; ++j) {
        const double x = twoPi * j / length;
        const double value = certifiedSum(wave, m_heardTerms, x).value * scale;
        period[static_cast<std::size_t>(j)] = value;
        if (j > 0 && 2 * j < length)
            period[static_cast<std::size_t>(length - j)] = mirror * value;
    }

    m_loop.resize(period.size());
    for (int n = 0; n < length; ++n) {
        const auto phase = static_cast<std::size_t>(static_cast<long long>(periods) * n % length);
        m_loop[static_cast<std::size_t>(n)] = period[phase];
    }
}

} // namespace fourier
