#pragma once

#include "usermapping.h"
#include "wave.h"

#include <functional>
#include <optional>
#include <vector>

namespace fourier {

/// The points of one curve, rounded to float, in sample order.
struct CurvePoints {
    std::vector<float> xs;
    std::vector<float> ys;
};

/// Told how far a curve has got (0 to 1); returns false to cancel it.
using ProgressCallback = std::function<bool(double fraction)>;

/// The points (x, pointSign * y) of \a wave summed with \a count terms at every curve sample,
/// or nothing when \a progress cancelled the work. Samples outside the area's columns may be
/// left out; every point kept is the one the plain loop would set.
std::optional<CurvePoints> computeCurve(
    const Wave& wave, double count, const UserMapping& mapping, const ProgressCallback& progress);

} // namespace fourier
