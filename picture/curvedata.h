// SPDX-License-Identifier: MIT
#pragma once

#include "catalogue.h"
#include "sampling.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace fourier {

/// How many points a table of curve values has: at least two, the ends of its range, at most
/// as many as a curve has samples, and a thousand steps unless asked otherwise.
inline constexpr std::size_t fewestDataPoints = 2;
inline constexpr std::size_t mostDataPoints = sampleCount;
inline constexpr std::size_t defaultDataPoints = 1'001;

/// The x the values of a table run over, lowest first.
struct DataRange {
    double from;
    double to;
};

/// The range of a picture whose coordinate system has \a left and \a right as its edges: the x
/// it shows, lowest first, as far as curves are drawn (sampleFirst to sampleLast), since no curve
/// has a point beyond.
DataRange dataRange(double left, double right);

/// The x of point \a index of \a points spread evenly over \a range, both ends included exactly.
double dataX(DataRange range, std::size_t index, std::size_t points);

/// The values of \a curves, oldest first, at \a points x spread evenly over \a range, as CSV
/// (RFC 4180): a header line, "x" and each curve's \a headings quoted, then a line per point,
/// x and each curve's value as drawn (the sawtooth upside down), each number with 17
/// significant digits and a full stop, lines ending in CR LF. The values are the engine's
/// certified sums, within 1e-12 of the exact partial sums at any count. \a keepGoing is asked
/// after each line, with the share done; when it says no, the result is nothing.
std::optional<std::string> curveValuesCsv(std::span<const PictureCurve> curves,
    std::span<const std::string> headings, DataRange range, std::size_t points,
    const std::function<bool(double)>& keepGoing);

} // namespace fourier
