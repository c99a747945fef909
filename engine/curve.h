// SPDX-License-Identifier: MIT
#pragma once

#include "parallel.h"
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

/// Up to this many terms every pixel of a curve is the plain loop's. Above it, a sample whose
/// plain-loop value could lie on either side of a row edge (the exact sum lies within the plain
/// loop's own rounding bound of the edge) takes the row of the exact partial sum instead: only
/// the plain loop could tell which side its rounding falls on, at a cost that grows with the
/// count (seconds a sample at a billion terms), while its rounding, about u n |x|, flags more
/// samples the more terms it adds. A sample the bound does not flag has the exact sum's row
/// already, so above this count every pixel is the exact sum's, and the plain loop is never
/// run. Counts the plain loop cannot count to (2^53 and more) and infinity, the series' limit,
/// are drawn the same way.
inline constexpr double plainRowsUpTo = 1e7;

/// Told how far a curve has got (0 to 1); returns false to cancel it.
using ProgressCallback = std::function<bool(double fraction)>;

/// Settings of computeCurve that only tests and the benchmark change.
struct CurveTuning {
    /// The certainty bound is raised to at least this much; a large value makes the enclosures
    /// decline and sends samples through the plain loop instead.
    double minimumBound = 0.0;
    /// Whether the AVX2 copy of the kernel may run where the processor has it.
    bool allowWideKernel = true;
    /// Whether curves are drawn from enclosures where they can be; otherwise sample by sample.
    bool allowEnclosures = true;
    /// Whether every enclosure and anchor is checked against the plain loop at each sample it
    /// covers, throwing std::logic_error at the first that misses. For tests: it costs the plain
    /// loop's time.
    bool checkEnclosures = false;
    /// How the sums get their threads; tests pass one that refuses some or all of them, as a
    /// tight limit on processes does.
    ThreadStarter startThread = startSystemThread;
    /// Up to this many terms a sum costs less than splitting a stretch a few times, so the
    /// enclosures split stretches at summed samples and settle a summed sample's row at once;
    /// above it they split stretches by enclosures alone down to single samples, sum only those
    /// whose rows still matter, and settle a sum whose row is in question only where that row
    /// matters. Tests lower it to take that road at counts the plain loop checks quickly.
    double cheapSumTerms = 4096;
    /// Above this many terms the sums at anchors and samples come from the closed forms
    /// (certifiedSum), in about a microsecond whatever the count, rather than term by term by the
    /// rotation recurrence. Tests lower it to take that road at counts the plain loop checks
    /// quickly, and raise it to infinity to keep the sums term by term.
    double closedFormTerms = 4096;
    /// Above this many terms every pixel is the exact sum's row (see plainRowsUpTo). Tests lower
    /// it to take that road at counts the plain loop checks quickly.
    double exactRowsAbove = plainRowsUpTo;
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

/// Points whose drawing sets exactly the pixels that drawing (x, pointSign * y) for every curve
/// sample would, y being \a wave summed with \a count terms by referenceSum; above
/// plainRowsUpTo terms (CurveTuning::exactRowsAbove), y being the exact partial sum with
/// termCount(count) terms, or the series' limit for an infinite count, as certifiedSum gives it.
/// Nothing when \a progress cancelled the work.
///
/// Curves are drawn from enclosures (see drawCurveByEnclosures), one point per pixel, where
/// that applies; elsewhere every visible sample is summed by the rotation recurrence and
/// certified, and only the points that land in the area are kept, less those on the pixel the
/// point before them set.
///
/// Sums run on all cores while the calling thread waits and calls \a progress every
/// progressInterval; when it returns false the work stops and nothing is returned. With no thread
/// to be had, the calling thread sums in their place, on the same schedule. A wave without
/// closed forms, at a count too large for the plain loop, gives nothing at once.
std::optional<CurvePoints> computeCurve(const Wave& wave, double count, const UserMapping& mapping,
    const ProgressCallback& progress, const CurveTuning& tuning = {});

} // namespace fourier
