// SPDX-License-Identifier: MIT
#pragma once

#include "wave.h"

#include <cstddef>
#include <vector>

namespace fourier {

/// Samples per second of every tone, and of the files and the player made from it.
inline constexpr int sampleRate = 44'100;
/// The lowest and the highest pitch a tone is played at, in Hz.
inline constexpr int lowestPitch = 20;
inline constexpr int highestPitch = 2'000;
/// The pitch a curve is heard at unless another is chosen, in Hz.
inline constexpr int defaultPitch = 220;
/// No term whose harmonic sounds at or above this frequency, in Hz, is heard.
inline constexpr int bandLimit = 20'000;

/// The pitch a tone is played at for \a hz: rounded to a whole number of Hz, so that a whole
/// number of periods fills a whole number of samples, and brought within lowestPitch to
/// highestPitch. A pitch that is not a number gives the lowest. (Hundredths of a Hz would make
/// a loop of up to 100 seconds, 4,410,000 samples.)
int tonePitch(double hz);

/// How many terms of \a wave sound below bandLimit at \a pitch (a whole number of Hz within
/// the tone's range): the terms are counted as the count in the window counts them, the base term
/// first, so that the term numbered i (from 1) is harmonic 1 + (i - 1) * step, and the terms
/// 1 up to the answer are heard. At 220 Hz the square wave is heard up to its 45th term,
/// harmonic 89 (19,580 Hz); its 46th, harmonic 91, would sound at 20,020 Hz.
int audibleTerms(const Wave& wave, int pitch);

/// The sound of one curve, a partial sum of a series, as one loop of samples that repeats
/// without a seam. One period of the curve (2 pi in x) is one period of the tone. A sample is the
/// curve as it is drawn (the sawtooth upside down) divided by 4 pi, of full scale: no partial
/// sum of any wave reaches 4 pi (the sawtooth's highest is about 7.41, the triangle's pi^2 / 2,
/// about 4.93, and the square's 4, that of 4 sin x), so the level is the same for every wave and
/// count and nothing clips.
///
/// The values are the engine's certified ones (certifiedSum), of the terms 1 up to the fewer of
/// termCount(count) and audibleTerms: a harmonic at or above bandLimit would alias.
class Tone {
public:
    /// The tone of \a wave with \a count terms asked for, at tonePitch(\a pitchHz). An infinite
    /// count, or one that is not a number, is heard as every audible term.
    Tone(const Wave& wave, double count, double pitchHz);

    /// The pitch the tone is played at, in whole Hz.
    int pitch() const { return m_pitch; }
    /// How many terms are heard, from the base term on.
    int heardTerms() const { return m_heardTerms; }
    /// The samples of a whole number of periods that fill a whole number of samples, the fewest
    /// that do: sampleRate / gcd(sampleRate, pitch) samples, pitch / gcd periods. Played again
    /// and again they are the tone without a seam.
    const std::vector<double>& loop() const { return m_loop; }
    /// The loop's sample at \a index, counted on from the loop's start past its end.
    double at(std::size_t index) const { return m_loop[index % m_loop.size()]; }

private:
    int m_pitch;
    int m_heardTerms;
    std::vector<double> m_loop;
};

} // namespace fourier
