// SPDX-License-Identifier: MIT
#include "stretchenclosure.h"

#include "closedsum.h"
#include "roundoff.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace fourier {

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();
/// What the arithmetic of an enclosure may add at each end: a few roundings of both ends
/// (8u of each), and a little more for ends near 0.
constexpr double slackPerEnd = 8 * unitRoundoff;
constexpr double absoluteSlack = 1e-12;

Interval intersect(const Interval& a, const Interval& b)
{
    return { std::max(a.lo, b.lo), std::min(a.hi, b.hi) };
}

/// The sum over [x1, x2] from anchors at xa < x1 and x2 < xb and the largest slope between:
/// the larger of the two cones from the anchors (below), the smaller (above). The lower edge is
/// convex and the upper concave, so each is extreme where the two cones cross, or at an end.
Interval betweenCones(const KnownSum& a, const KnownSum& b, double slope, double x1, double x2)
{
    const double middle = (a.x + b.x) / 2;
    const auto lowerAt = [&](double x) {
        return std::max(a.sum.lo - slope * (x - a.x), b.sum.lo - slope * (b.x - x));
    };
    const auto upperAt = [&](double x) {
        return std::min(a.sum.hi + slope * (x - a.x), b.sum.hi + slope * (b.x - x));
    };
    const double lowCross = std::clamp(middle + (a.sum.lo - b.sum.lo) / (2 * slope), x1, x2);
    const double highCross = std::clamp(middle + (b.sum.hi - a.sum.hi) / (2 * slope), x1, x2);
    return { std::min({ lowerAt(x1), lowerAt(x2), lowerAt(lowCross) }),
        std::max({ upperAt(x1), upperAt(x2), upperAt(highCross) }) };
}

/// The sum over [x1, x2] from the line through anchors at xa < x1 and x2 < xb and the largest
/// curvature between: a function differs from its chord by at most M (x - xa)(xb - x) / 2.
Interval alongChord(const KnownSum& a, const KnownSum& b, double curvature, double x1, double x2)
{
    const double width = b.x - a.x;
    const auto on = [&](double from, double to, double x) {
        return from + (to - from) * ((x - a.x) / width);
    };
    const double nearest = std::clamp((a.x + b.x) / 2, x1, x2);
    const double sag = curvature * (nearest - a.x) * (b.x - nearest) / 2;
    return { std::min(on(a.sum.lo, b.sum.lo, x1), on(a.sum.lo, b.sum.lo, x2)) - sag,
        std::max(on(a.sum.hi, b.sum.hi, x1), on(a.sum.hi, b.sum.hi, x2)) + sag };
}

} // namespace

double arithmeticSlack(const Interval& sum)
{
    return absoluteSlack + slackPerEnd * (std::abs(sum.lo) + std::abs(sum.hi));
}

StretchEnclosure::StretchEnclosure(
    const EnclosureRequest& request, const SumEnclosures& closedForms, const Anchors& anchors)
    : m_request(request)
    , m_closedForms(closedForms)
    , m_sumBounds(sumBounds(request.wave, request.extraTerms()))
    , m_anchors(anchors)
{
}

double StretchEnclosure::drawnBoundAt(const LineSpan& span) const
{
    // The samples lie well within certifiedTightReach.
    if (m_request.road.exactRows)
        return std::max(largestCertifiedBound, m_request.tuning.minimumBound);
    const double x = std::max(std::abs(span.x1), std::abs(span.x2));
    return std::max(m_sumBounds.plainAt(x, span.least), m_request.tuning.minimumBound);
}

double StretchEnclosure::nearPlainBoundAt(double x, double sum) const
{
    const double bound = m_sumBounds.nearPlainAt(x, m_closedForms.stretch(x, x).least, sum);
    return std::max(bound, m_request.tuning.minimumBound);
}

double StretchEnclosure::recurrenceBoundAt(double x) const
{
    const double bound = m_sumBounds.recurrenceAt(x, m_closedForms.stretch(x, x).least);
    return std::max(bound, m_request.tuning.minimumBound);
}

double StretchEnclosure::anchorBoundAt(double x) const
{
    if (m_request.road.closedForms)
        return std::max(largestCertifiedBound, m_request.tuning.minimumBound);
    return recurrenceBoundAt(x);
}

Interval StretchEnclosure::plain(const Stretch& stretch) const
{
    const LineSpan line
        = m_closedForms.stretch(m_request.samples[stretch.first], m_request.samples[stretch.last]);
    const Interval sum = exact(stretch, line);
    // From the exact sum to the one drawn, and the rounding of the arithmetic of the cones and
    // the chord.
    const double bound = drawnBoundAt(line);
    const double slack = arithmeticSlack(sum);
    Interval plain { sum.lo - bound - slack, sum.hi + bound + slack };
    if (!(plain.lo <= plain.hi)) {
        if (m_request.tuning.checkEnclosures)
            throw std::logic_error("enclosures of a stretch do not meet");
        plain = { -infinity, infinity };
    }
    return plain;
}

Interval StretchEnclosure::exact(const Stretch& stretch, const LineSpan& line) const
{
    const double x1 = line.x1;
    const double x2 = line.x2;
    Interval sum = m_closedForms.limit(line);
    if (const auto piece = m_closedForms.singularFreePiece(x1, x2)) {
        if (const PreparedAnchor* anchor = m_anchors.pieceAnchor(*piece))
            sum = intersect(sum, m_closedForms.fromAnchor(*anchor, line));
    }
    const KnownSum* left = stretch.left == noAnchor
        ? nullptr
        : &m_anchors[static_cast<std::size_t>(stretch.left)].known;
    const KnownSum* right = stretch.right == noAnchor
        ? nullptr
        : &m_anchors[static_cast<std::size_t>(stretch.right)].known;
    if (!left && !right)
        return sum;
    const LineSpan hull = m_closedForms.stretch(left ? left->x : x1, right ? right->x : x2);
    const double slope = m_closedForms.slopeBound(hull);
    if (left && right) {
        sum = intersect(sum, betweenCones(*left, *right, slope, x1, x2));
        return intersect(
            sum, alongChord(*left, *right, m_closedForms.curvatureBound(hull), x1, x2));
    }
    if (left) {
        const double reach = slope * (x2 - left->x);
        return intersect(sum, { left->sum.lo - reach, left->sum.hi + reach });
    }
    const double reach = slope * (right->x - x1);
    return intersect(sum, { right->sum.lo - reach, right->sum.hi + reach });
}

} // namespace fourier
