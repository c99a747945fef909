// SPDX-License-Identifier: MIT
#pragma once

#include "curve.h"
#include "fastsum.h"
#include "wave.h"

#include <cstdint>
#include <optional>

namespace fourier {

/// How the sums of one curve are taken, and whose rows its pixels are.
struct SumRoad {
    /// How many terms: termCount of the count asked for, infinite for the series' limit.
    double terms = 1;
    /// The terms after the base one that the plain loop adds, or nothing where it would never end.
    std::optional<std::uint64_t> extraTerms;
    /// How far the rotation recurrence's sum may lie from the plain loop's; 0 with exact rows,
    /// where no sum is held to the plain loop.
    CertaintyBound bound;
    /// Whether every pixel is the exact partial sum's row rather than the plain loop's (see
    /// plainRowsUpTo): the value certifiedSum gives sets it.
    bool exactRows = false;
    /// Whether the sums at anchors and samples come from the closed forms (certifiedSum) rather
    /// than term by term.
    bool closedForms = false;
};

/// The road for \a wave with \a count terms asked for. A wave without closed forms keeps to the
/// plain loop's rows and the sums term by term, whatever the count.
SumRoad sumRoad(const Wave& wave, double count, const CurveTuning& tuning);

/// The sum whose row is drawn at \a x: the plain loop's, or with exact rows certifiedSum's value.
/// For the checks of CurveTuning::checkEnclosures, which hold every shortcut to it; with plain
/// rows it costs the plain loop.
double drawnSum(const Wave& wave, double count, const SumRoad& road, double x);

} // namespace fourier
