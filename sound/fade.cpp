// SPDX-License-Identifier: MIT
#include "fade.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fourier {

double fadeGain(int step)
{
    if (step <= 0)
        return 0.0;
    if (step >= fadeSamples)
        return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * step / fadeSamples);
}

std::size_t stretchSamples(double seconds)
{
    const double within
        = seconds >= shortestStretch ? std::min(seconds, longestStretch) : shortestStretch;
    return static_cast<std::size_t>(std::llround(within * sampleRate));
}

std::vector<double> fadedStretch(const Tone& tone, double seconds)
{
    std::vector<double> samples(stretchSamples(seconds));
    const std::size_t last = samples.size() - 1;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        // The stretch is longer than two fades, so at most one of them is below 1.
        const std::size_t fromEdge = std::min(i, last - i);
        const int step = static_cast<int>(std::min<std::size_t>(fromEdge, fadeSamples));
        samples[i] = tone.at(i) * fadeGain(step);
    }
    return samples;
}

} // namespace fourier
