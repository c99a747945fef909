#include "curve.h"

#include "sampling.h"

namespace fourier {

std::optional<CurvePoints> computeCurve(
    const Wave& wave, double count, const UserMapping& mapping, const ProgressCallback& progress)
{
    constexpr std::size_t reportEvery = 4096;
    const auto samples = curveSamples();
    CurvePoints points;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (i % reportEvery == 0 && !progress(static_cast<double>(i) / samples.size()))
            return std::nullopt;
        const float x = static_cast<float>(samples[i]);
        if (!mapping.column(x))
            continue;
        points.xs.push_back(x);
        points.ys.push_back(
            static_cast<float>(wave.pointSign * referenceSum(wave, count, samples[i])));
    }
    return points;
}

} // namespace fourier
