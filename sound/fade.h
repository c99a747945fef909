// SPDX-License-Identifier: MIT
#pragma once

#include "tone.h"

#include <cstddef>
#include <vector>

namespace fourier {

/// How many samples a sound takes to rise from silence or to fall to it: 10 ms. A tone that
/// starts or stops at once clicks.
inline constexpr int fadeSamples = sampleRate / 100;

/// The shortest and the longest stretch of a tone written out, in seconds.
inline constexpr double shortestStretch = 0.1;
inline constexpr double longestStretch = 60.0;

/// The gain \a step samples into a fade in, from 0 at step 0 to 1 at fadeSamples and after: a
/// raised cosine, which leaves the sound with no corner at either end. A fade out runs it
/// backwards.
double fadeGain(int step);

/// How many samples a stretch of \a seconds has: rounded to a whole sample, within
/// shortestStretch to longestStretch. A length that is not a number gives the shortest.
std::size_t stretchSamples(double seconds);

/// The tone from the start of its loop for stretchSamples(\a seconds), faded in over its first
/// fadeSamples and out over its last: its first and last samples are 0.
std::vector<double> fadedStretch(const Tone& tone, double seconds);

} // namespace fourier
