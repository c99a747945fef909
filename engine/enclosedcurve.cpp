// SPDX-License-Identifier: MIT
#include "enclosedcurve.h"

#include "anchors.h"
#include "anchorsums.h"
#include "curvegrid.h"
#include "enclosure.h"
#include "sampling.h"
#include "stretchenclosure.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace fourier {

namespace {

/// No sample lies further than this from the one before it: the step, give or take the
/// rounding of the repeated addition that builds the samples.
constexpr double largestSpacing = sampleStep * (1 + 1e-9);
/// The certainty bound, in pixel rows, above which enclosures would rarely settle anything.
constexpr double largestBoundInRows = 0.25;
/// The unit roundoff of float: the point drawn for a sum is the sum rounded to float, which
/// moves it by up to this much of itself.
constexpr double floatRoundoff = 0x1p-24;
/// Neighbouring samples whose points may lie this many rows apart, or less, cannot skip a row:
/// just under one row, so that the rounding of the estimate itself cannot tip it over.
constexpr double stepBelowOneRow = 1 - 1e-6;
/// The enclosures know a lone sample's exact sum far better than the recurrence would once
/// their interval is this many times narrower than its bound.
constexpr double farSharper = 8;

/// What a stretch waits for: sums at some of its samples, after which it continues.
struct Waiting {
    Stretch stretch;
    enum class Kind { Single, Ends, Middle } kind;
};

/// The walk over the columns of one curve: each stretch of samples settled by its enclosure
/// or split, the sums it asks for summed in rounds, and what the rounds found walked on.
class EnclosedCurve {
public:
    EnclosedCurve(
        const EnclosureRequest& request, const SumEnclosures& closedForms, CurveGrid& grid)
        : m_request(request)
        , m_grid(grid)
        , m_enclosure(request, closedForms, m_anchors)
        , m_progress(request.progress)
        , m_sums(request, m_enclosure, grid, m_anchors, m_progress)
        , m_terms(request.terms())
    {
    }

    EnclosureOutcome run(CurvePoints& points);

private:
    // The walk.
    bool anchorPieces();
    bool walk();
    bool tryToSettle(const Stretch& stretch);
    bool settledBetweenAnchors(const Stretch& stretch, const Interval& plain, int low, int high);
    bool settledAtEnds(const Stretch& stretch, int low, int high);
    void split(const Stretch& stretch);
    void continueWaiting();

    // Sums.
    void request(std::size_t index);
    void requestPending();
    bool leftUnsummed(const Stretch& single, const Interval& plain, int firstRow, int lastRow);

    void checkSettled(const Stretch& stretch, const Interval& plain) const;

    const EnclosureRequest& m_request;
    CurveGrid& m_grid;
    Anchors m_anchors;
    StretchEnclosure m_enclosure;
    SumProgress m_progress;
    AnchorSums m_sums;
    double m_terms;

    std::vector<Stretch> m_work;
    /// Lone samples that enclosures could not settle, to be summed only if their rows are still
    /// in question once the stretches of this round are done.
    std::vector<Stretch> m_pending;
    std::vector<Waiting> m_waiting;
    std::vector<std::size_t> m_requested;
};

EnclosureOutcome EnclosedCurve::run(CurvePoints& points)
{
    if (!anchorPieces() || !walk() || !m_sums.settleUncertain())
        return EnclosureOutcome::Cancelled;
    m_grid.addPoints(points);
    return EnclosureOutcome::Drawn;
}

/// Sums an anchor in the middle of every singular-free piece of the line, for the integration
/// by parts that serves all of the piece, and the samples either side of each singular point.
bool EnclosedCurve::anchorPieces()
{
    const std::span<const double> samples = m_request.samples;
    const SumEnclosures& closedForms = m_enclosure.closedForms();
    const double xFirst = samples.front();
    const double xLast = samples.back();
    std::vector<std::pair<long, std::size_t>> pieceSamples;
    const auto firstPiece = closedForms.pieceContaining(xFirst);
    const auto lastPiece = closedForms.pieceContaining(xLast);
    for (long piece = firstPiece.value_or(0); firstPiece && lastPiece && piece <= *lastPiece;
         ++piece) {
        const double middle = std::clamp(closedForms.pieceMiddle(piece), xFirst, xLast);
        const auto at = std::lower_bound(samples.begin(), samples.end(), middle);
        const std::size_t index
            = std::min(static_cast<std::size_t>(at - samples.begin()), samples.size() - 1);
        const double x = samples[index];
        if (closedForms.singularFreePiece(x, x) == piece)
            pieceSamples.emplace_back(piece, index);
        // The samples either side of the singular point that starts the piece: near it the
        // enclosures are loose, and they are summed in the same batch.
        const double start = closedForms.pieceStart(piece);
        const auto after = std::lower_bound(samples.begin(), samples.end(), start);
        if (start > xFirst && after != samples.end()) {
            const auto next = static_cast<std::size_t>(after - samples.begin());
            request(next);
            request(next - 1);
        }
    }
    if (pieceSamples.empty())
        return true;
    m_anchors.setPieces(pieceSamples.front().first, pieceSamples.back().first);
    for (const auto& [piece, index] : pieceSamples)
        request(index);
    if (!m_sums.sum(m_requested))
        return false;
    for (const auto& [piece, index] : pieceSamples) {
        const Anchor& anchor = m_anchors[static_cast<std::size_t>(m_anchors.idAt(index))];
        m_anchors.setPieceAnchor(piece, closedForms.prepare(anchor.known));
    }
    return true;
}

/// Settles every column, in rounds: the stretches that can be settled are, the others split,
/// and the sums they ask for summed before the next round walks on from them.
bool EnclosedCurve::walk()
{
    for (std::size_t block = 0; block < m_grid.blocks(); ++block)
        m_work.push_back(
            { m_grid.first(block), m_grid.last(block), static_cast<std::uint32_t>(block) });
    while (!m_work.empty()) {
        while (!m_work.empty()) {
            const Stretch stretch = m_work.back();
            m_work.pop_back();
            if (!tryToSettle(stretch))
                split(stretch);
        }
        requestPending();
        if (!m_progress.reportWhenDue())
            return false;
        if (!m_requested.empty() && !m_sums.sum(m_requested))
            return false;
        continueWaiting();
    }
    return true;
}

bool EnclosedCurve::tryToSettle(const Stretch& stretch)
{
    const Interval plain = m_enclosure.plain(stretch);
    const auto [low, high] = ordered(m_grid.rowOf(plain.lo), m_grid.rowOf(plain.hi));
    if (low == high) {
        m_grid.mark(stretch.block, low);
        checkSettled(stretch, plain);
        return true;
    }
    if (m_grid.allMarked(stretch.block, low, high)
        || settledBetweenAnchors(stretch, plain, low, high)
        || (m_terms > m_request.tuning.cheapSumTerms && settledAtEnds(stretch, low, high))) {
        checkSettled(stretch, plain);
        return true;
    }
    return false;
}

/// Whether \a stretch, its rows low to high in question, lies between two anchors of its column
/// whose neighbouring samples differ by less than a row, so that no row between the anchors'
/// rows can be skipped, and those rows are all it may set.
bool EnclosedCurve::settledBetweenAnchors(
    const Stretch& stretch, const Interval& plain, int low, int high)
{
    if (!m_anchors.besideInColumn(stretch, stretch.left, true)
        || !m_anchors.besideInColumn(stretch, stretch.right, false))
        return false;
    const Anchor& a = m_anchors[static_cast<std::size_t>(stretch.left)];
    const Anchor& b = m_anchors[static_cast<std::size_t>(stretch.right)];
    if (!a.certain() || !b.certain())
        return false;
    const double largest
        = std::max({ std::abs(plain.lo), std::abs(plain.hi), std::abs(a.known.sum.lo),
            std::abs(a.known.sum.hi), std::abs(b.known.sum.lo), std::abs(b.known.sum.hi) });
    const SumEnclosures& closedForms = m_enclosure.closedForms();
    const LineSpan between = closedForms.stretch(a.known.x, b.known.x);
    const double stepInRows
        = (closedForms.slopeBound(between) * largestSpacing + 2 * m_enclosure.drawnBoundAt(between)
              + 2 * floatRoundoff * largest)
        * m_grid.rowsPerUnit();
    if (!(stepInRows < stepBelowOneRow))
        return false;
    const auto [from, to] = ordered(a.firstRow, b.firstRow);
    m_grid.markRows(stretch.block, from, to);
    return m_grid.allMarked(stretch.block, low, high);
}

/// Whether the enclosures of the two end samples of \a stretch alone tell their rows, and the
/// stretch, its rows low to high in question, only crosses from one to the other: where sums
/// are dear, they often do.
bool EnclosedCurve::settledAtEnds(const Stretch& stretch, int low, int high)
{
    if (!(stretch.first < stretch.last))
        return false;
    for (const std::uint32_t end : { stretch.first, stretch.last }) {
        const Stretch single { end, end, stretch.block, stretch.left, stretch.right };
        const Interval at = m_enclosure.plain(single);
        const int row = m_grid.rowOf(at.lo);
        if (row == m_grid.rowOf(at.hi)) {
            m_grid.mark(stretch.block, row);
            checkSettled(single, at);
        }
    }
    return m_grid.allMarked(stretch.block, low, high);
}

void EnclosedCurve::request(std::size_t index)
{
    if (m_anchors.want(index))
        m_requested.push_back(index);
}

void EnclosedCurve::requestPending()
{
    // Where a plateau or a crest runs along a row edge, many lone samples lie too near the edge
    // for their enclosures, yet the other samples of their column often set both rows; a sum
    // for them would change nothing.
    for (const Stretch& single : m_pending) {
        const Interval plain = m_enclosure.plain(single);
        const auto [low, high] = ordered(m_grid.rowOf(plain.lo), m_grid.rowOf(plain.hi));
        if (m_grid.allMarked(single.block, low, high)) {
            checkSettled(single, plain);
            continue;
        }
        if (m_terms > m_request.tuning.cheapSumTerms && leftUnsummed(single, plain, low, high))
            continue;
        request(single.first);
        m_waiting.push_back({ single, Waiting::Kind::Single });
    }
    m_pending.clear();
}

bool EnclosedCurve::leftUnsummed(
    const Stretch& single, const Interval& plain, int firstRow, int lastRow)
{
    // An anchor's sum lies, in practice, right at the exact sum, and its row is certain only
    // beyond its bound and the plain loop's of every row edge. Where the enclosures know the
    // exact sum far better than the sum would (the triangle's, away from its corners), or well
    // enough to see an edge within those bounds of it, the sum would settle nothing: the sample
    // becomes an anchor as it is, for AnchorSums::settleUncertain. With exact rows a sum always
    // settles its row.
    if (m_request.road.exactRows)
        return false;
    const double x = m_request.samples[single.first];
    const LineSpan line = m_enclosure.closedForms().stretch(x, x);
    const Interval exact = m_enclosure.exact(single, line);
    if (!(exact.lo <= exact.hi))
        return false;
    const double summed = m_enclosure.anchorBoundAt(x);
    const double halfWidth = (exact.hi - exact.lo) / 2;
    const double centre = exact.lo + halfWidth;
    const double reach = summed + m_enclosure.drawnBoundAt(line) - halfWidth;
    const bool settlesNothing = halfWidth < summed / farSharper
        || (reach > 0 && m_grid.rowOf(centre - reach) != m_grid.rowOf(centre + reach));
    if (!settlesNothing)
        return false;
    const double slack = arithmeticSlack(exact);
    if (m_request.tuning.checkEnclosures) {
        const double y = drawnSum(m_request.wave, m_request.count, m_request.road, x);
        if (!(y >= plain.lo && y <= plain.hi))
            throw std::logic_error("the sum drawn escapes a lone sample's enclosure");
    }
    m_anchors.add({ single.first, single.block, { x, { exact.lo - slack, exact.hi + slack } },
        firstRow, lastRow });
    return true;
}

void EnclosedCurve::split(const Stretch& stretch)
{
    const std::uint32_t middle = stretch.first + (stretch.last - stretch.first) / 2;
    if (stretch.first == stretch.last) {
        m_pending.push_back(stretch);
    } else if (m_terms <= m_request.tuning.cheapSumTerms) {
        const bool needLeft = !m_anchors.besideInColumn(stretch, stretch.left, true);
        const bool needRight = !m_anchors.besideInColumn(stretch, stretch.right, false);
        if (needLeft || needRight) {
            if (needLeft)
                request(stretch.first);
            if (needRight)
                request(stretch.last);
            m_waiting.push_back({ stretch, Waiting::Kind::Ends });
        } else {
            request(middle);
            m_waiting.push_back({ stretch, Waiting::Kind::Middle });
        }
    } else {
        m_work.push_back({ stretch.first, middle, stretch.block, stretch.left, stretch.right });
        m_work.push_back({ middle + 1, stretch.last, stretch.block, stretch.left, stretch.right });
    }
}

void EnclosedCurve::continueWaiting()
{
    for (const Waiting& waiting : m_waiting) {
        const Stretch s = waiting.stretch;
        switch (waiting.kind) {
        case Waiting::Kind::Single:
            break;
        case Waiting::Kind::Ends: {
            const bool needLeft = !m_anchors.besideInColumn(s, s.left, true);
            const bool needRight = !m_anchors.besideInColumn(s, s.right, false);
            Stretch inner = s;
            if (needLeft) {
                inner.left = m_anchors.idAt(s.first);
                ++inner.first;
            }
            if (needRight) {
                inner.right = m_anchors.idAt(s.last);
                --inner.last;
            }
            if (inner.first <= inner.last)
                m_work.push_back(inner);
            break;
        }
        case Waiting::Kind::Middle: {
            const std::uint32_t middle = s.first + (s.last - s.first) / 2;
            const std::int32_t anchor = m_anchors.idAt(middle);
            if (middle > s.first)
                m_work.push_back({ s.first, middle - 1, s.block, s.left, anchor });
            if (middle < s.last)
                m_work.push_back({ middle + 1, s.last, s.block, anchor, s.right });
            break;
        }
        }
    }
    m_waiting.clear();
}

void EnclosedCurve::checkSettled(const Stretch& stretch, const Interval& plain) const
{
    if (!m_request.tuning.checkEnclosures)
        return;
    for (std::size_t i = stretch.first; i <= stretch.last; ++i) {
        const double x = m_request.samples[i];
        const double y = drawnSum(m_request.wave, m_request.count, m_request.road, x);
        const int row = m_grid.rowOf(y);
        if (!(y >= plain.lo && y <= plain.hi)
            || (row >= 0 && row < m_grid.height() && !m_grid.marked(stretch.block, row))) {
            std::ostringstream what;
            what.precision(17);
            what << m_request.wave.name << " n " << m_terms << ": the sum drawn " << y << " at x "
                 << x << " (row " << row << ") escapes its stretch's enclosure [" << plain.lo
                 << ", " << plain.hi << "]";
            throw std::logic_error(what.str());
        }
    }
}

} // namespace

EnclosureOutcome drawCurveByEnclosures(const EnclosureRequest& request, CurvePoints& points)
{
    if (!request.tuning.allowEnclosures)
        return EnclosureOutcome::Declined;
    const auto closedForms = SumEnclosures::forWave(request.wave, request.terms());
    if (!closedForms)
        return EnclosureOutcome::Declined;
    if (request.samples.empty())
        return EnclosureOutcome::Drawn;
    auto grid = CurveGrid::make(request.mapping, request.samples, request.wave.pointSign);
    if (!grid)
        return EnclosureOutcome::Declined;
    const double largestX
        = std::max(std::abs(request.samples.front()), std::abs(request.samples.back()));
    const double bound = std::max(request.road.bound.at(largestX), request.tuning.minimumBound);
    if (bound * grid->rowsPerUnit() > largestBoundInRows)
        return EnclosureOutcome::Declined;
    EnclosedCurve curve(request, *closedForms, *grid);
    return curve.run(points);
}

} // namespace fourier
