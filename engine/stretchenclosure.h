// SPDX-License-Identifier: MIT
#pragma once

#include "anchors.h"
#include "enclosedcurve.h"
#include "enclosure.h"
#include "fastsum.h"

namespace fourier {

/// The rounding of the few operations that give an enclosure from its anchors (the cones, the
/// chord) widening \a sum at both ends.
double arithmeticSlack(const Interval& sum);

/// Where the plain loop's sums over a stretch of samples lie, told without summing them: from
/// the series' closed forms, and from the anchors known so far on either side of the stretch.
class StretchEnclosure {
public:
    /// The enclosures of \a request's curve, from \a closedForms and the anchors of \a anchors,
    /// which the walk adds to.
    StretchEnclosure(
        const EnclosureRequest& request, const SumEnclosures& closedForms, const Anchors& anchors);

    /// The closed forms of the series.
    const SumEnclosures& closedForms() const { return m_closedForms; }
    /// Where the sum drawn (the plain loop's, or with exact rows certifiedSum's value) lies at
    /// every sample of \a stretch.
    Interval plain(const Stretch& stretch) const;
    /// Where the exact sum lies on \a line, the line of \a stretch.
    Interval exact(const Stretch& stretch, const LineSpan& line) const;

    /// How far the sum drawn may lie from the exact one on \a span: the plain loop's bound, or
    /// with exact rows certifiedSum's.
    double drawnBoundAt(const LineSpan& span) const;
    /// How far the rotation recurrence's sum at sample \a x may lie from the exact one.
    double recurrenceBoundAt(double x) const;
    /// How far an anchor's sum at sample \a x, as AnchorSums takes it, may lie from the exact
    /// one: certifiedSum's bound with the closed forms, otherwise the recurrence's.
    double anchorBoundAt(double x) const;
    /// How far the plain loop's sum at sample \a x may lie from the near-plain sum \a sum.
    double nearPlainBoundAt(double x, double sum) const;

private:
    const EnclosureRequest& m_request;
    SumEnclosures m_closedForms;
    SumBounds m_sumBounds;
    const Anchors& m_anchors;
};

} // namespace fourier
