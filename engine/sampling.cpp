// SPDX-License-Identifier: MIT
#include "sampling.h"

#include <vector>

namespace fourier {

std::span<const double> curveSamples()
{
    static const std::vector<double> samples = [] {
        std::vector<double> xs;
        xs.reserve(sampleCount);
        forEachSample([&xs](double x) { xs.push_back(x); });
        return xs;
    }();
    return samples;
}

} // namespace fourier
