// SPDX-License-Identifier: MIT
#pragma once

#include <span>

namespace fourier {

/// Where every curve starts and ends, in user x.
inline constexpr double sampleFirst = -20.0;
inline constexpr double sampleLast = 20.0;
/// The distance between neighbouring curve samples.
inline constexpr double sampleStep = 0.0001;
/// How many samples a curve has: x from -20, adding the step while x stays within 20.
inline constexpr std::size_t sampleCount = 400'001;

/// Calls \a visit with each curve sample in order. The samples are built by repeated addition,
/// which drifts from -20 + i * step; every curve uses these very values.
template <class Visit>
void forEachSample(Visit&& visit)
{
    for (double x = sampleFirst; x <= sampleLast; x += sampleStep)
        visit(x);
}

/// All curve samples, built once by forEachSample and kept for the whole run.
std::span<const double> curveSamples();

} // namespace fourier
