#pragma once

#include "usermapping.h"
#include "wave.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace fourier {

/// The points of one curve, rounded to float, in sample order.
struct CurvePoints {
    std::vector<float> xs;
    std::vector<float> ys;
};

/// Told how far a curve has got (0 to 1); returns false to cancel it.
using ProgressCallback = std::function<bool(double fraction)>;

/// Settings of computeCurve that only tests and the benchmark change.
struct CurveTuning {
    /// The certainty bound is raised to at least this much; a large value sends samples through
    /// the plain loop instead.
    double minimumBound = 0.0;
    /// Whether the AVX2 copy of the kernel may run where the processor has it.
    bool allowWideKernel = true;
};

/// The samples [first, last) whose pixel column lies inside the area.
struct SampleRange {
    std::size_t first = 0;
    std::size_t last = 0;
    std::size_t size() const { return last - first; }
};

/// The samples of \a xs (in increasing order) that \a mapping puts in a column of its area. The
/// column moves monotonically with x (backwards for a reversed axis), so they are contiguous.
SampleRange visibleSamples(std::span<const double> xs, const UserMapping& mapping);

/// The points (x, pointSign * y) of \a wave summed with \a count terms at every curve sample,
/// or nothing when \a progress cancelled the work. Only points that land in the area are kept,
/// less those on the pixel the point before them set, and each of them is the one the plain
/// loop would set, so drawing them gives the very pixels of drawing every sample with
/// referenceSum.
///
/// The work runs on all cores while the calling thread waits and calls \a progress about every
/// 50 ms; when it returns false the workers stop and nothing is returned. A count so large that
/// its sum never ends (infinity, for one) runs until cancelled, in no more memory than any other.
std::optional<CurvePoints> computeCurve(const Wave& wave, double count, const UserMapping& mapping,
    const ProgressCallback& progress, const CurveTuning& tuning = {});

} // namespace fourier
