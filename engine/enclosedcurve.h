// SPDX-License-Identifier: MIT
#pragma once

#include "curve.h"
#include "fastsum.h"
#include "sumroad.h"

#include <cstdint>
#include <span>

namespace fourier {

/// What drawCurveByEnclosures made of its curve.
enum class EnclosureOutcome {
    /// The points are the curve's.
    Drawn,
    /// The method does not apply here (a wave without closed forms, columns narrower than the
    /// samples, a certainty bound near a pixel); the caller draws sample by sample.
    Declined,
    /// The user cancelled.
    Cancelled,
};

/// Everything drawCurveByEnclosures needs of its curve.
struct EnclosureRequest {
    const Wave& wave;
    double count;
    /// How the sums are taken, and whose rows are drawn.
    const SumRoad& road;
    const UserMapping& mapping;
    /// The samples in a visible column, in increasing order.
    std::span<const double> samples;
    const CurveTuning& tuning;
    /// Called on the calling thread every progressInterval with how far the curve has got; false
    /// cancels.
    const ProgressCallback& progress;

    /// How many terms, the base term among them; infinite for the series' limit.
    double terms() const { return road.terms; }
    /// The terms after the base one that the plain loop adds. Asked only with the plain loop's
    /// rows, where it always has them.
    std::uint64_t extraTerms() const { return road.extraTerms.value_or(0); }
};

/// Draws the curve column by column, summing only where the pixels cannot be told otherwise.
///
/// The exact sum of a few samples (anchors) and the closed forms of the series (its limit and
/// tail, its derivatives) enclose the plain loop's value over whole stretches of samples. A
/// stretch whose enclosure lands in one pixel row, or only in rows already set in its column,
/// needs no sum; neither does one between two anchors of its column whose neighbouring samples
/// cannot skip a row, for then every row between the anchors' rows is hit. Any other stretch
/// is split, and a sample left alone is summed. Anchors are summed in batches, each certified
/// against the plain loop like the per-sample path, so the pixels are exactly the plain loop's
/// and the cost follows the pixels rather than the samples. With exact rows (see plainRowsUpTo)
/// the enclosures hold certifiedSum's values instead, and an anchor's row is its value's.
///
/// Sums the calling thread waits for are reported through the request's progress callback.
/// On Drawn, \a points holds one point per pixel set.
EnclosureOutcome drawCurveByEnclosures(const EnclosureRequest& request, CurvePoints& points);

} // namespace fourier
