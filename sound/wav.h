// SPDX-License-Identifier: MIT
#pragma once

#include "tone.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace fourier {

/// A sample of full scale 1 as 16-bit PCM: times 32767, rounded, and clamped to the 16-bit
/// range rather than wrapped around it. A sample that is not a number is silence.
std::int16_t pcm16(double sample);

/// The bytes of a WAV file holding \a samples: RIFF/WAVE, PCM, 16 bits, mono, sampleRate.
std::vector<std::byte> wavBytes(std::span<const double> samples);

/// The bytes of a WAV file of \a tone for \a seconds (within shortestStretch to
/// longestStretch), faded in and out.
std::vector<std::byte> wavFile(const Tone& tone, double seconds);

} // namespace fourier
