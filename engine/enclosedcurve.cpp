// SPDX-License-Identifier: MIT
#include "enclosedcurve.h"

#include "enclosure.h"
#include "parallel.h"
#include "sampling.h"
#include "usermapping.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <unordered_map>

namespace fourier {

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();
/// No sample lies further than this from the one before it: the step, give or take the
/// rounding of the repeated addition that builds the samples.
constexpr double largestSpacing = sampleStep * (1 + 1e-9);
/// A column with fewer samples than this is left to the per-sample path: at such scales there
/// are few samples to sum in all.
constexpr std::size_t fewestSamplesPerColumn = 8;
/// The certainty bound, in pixel rows, above which enclosures would rarely settle anything.
constexpr double largestBoundInRows = 0.25;
/// Up to this many terms anchors are summed by the plain loop itself.
constexpr double plainSumTerms = 64;
/// Below this much work (samples times terms) a batch of anchors is summed on the calling
/// thread: starting threads would cost more.
constexpr double inlineBatchWork = 2e5;
/// The work still to come, as a share of a batch being summed: the first batch, at the anchors
/// of the singular points, is most of what a long curve sums.
constexpr double remainingShare = 1.25;
/// How often progress is reported between batches.
constexpr auto reportInterval = std::chrono::milliseconds(50);

/// A summed sample: its exact sum known to lie in an interval, and the plain loop's pixel row to
/// lie in [firstRow, lastRow] (-1 above the area, the height below it).
struct Anchor {
    std::size_t index;
    std::size_t block;
    KnownSum known;
    int firstRow;
    int lastRow;
    /// Whether the row is known: only then does it mark its column.
    bool certain() const { return firstRow == lastRow; }
};

constexpr std::int32_t none = -1;

/// A run of samples [first, last] of one column whose rows are not settled yet, with the
/// nearest anchors on each side (not necessarily next to it, nor in its column).
struct Stretch {
    std::uint32_t first;
    std::uint32_t last;
    std::uint32_t block;
    std::int32_t left = none;
    std::int32_t right = none;
};

/// What a stretch waits for: sums at some of its samples, after which it continues.
struct Waiting {
    Stretch stretch;
    enum class Kind { Single, Ends, Middle } kind;
};

class EnclosedCurve {
public:
    EnclosedCurve(const EnclosureRequest& request, SumEnclosures enclosures)
        : m_request(request)
        , m_wave(request.wave)
        , m_mapping(request.mapping)
        , m_samples(request.samples)
        , m_enclosures(enclosures)
        , m_sumBounds(sumBounds(request.wave, request.extraTerms))
        , m_terms(static_cast<double>(request.extraTerms) + 1)
        , m_height(request.mapping.height())
        , m_rowsPerUnit(static_cast<double>(request.mapping.height())
              / std::abs(request.mapping.bottom() - request.mapping.top()))
        , m_lastReport(std::chrono::steady_clock::now())
    {
    }

    EnclosureOutcome run(CurvePoints& points);

private:
    // Setting up.
    bool findColumns();
    bool findRowPoints();
    double plainBoundAt(const LineSpan& span) const;
    double recurrenceBoundAt(double x) const;
    double nearPlainBoundAt(double x, double sum) const;

    // Rows and marks.
    int rowOf(double sum) const;
    bool marked(std::size_t block, int row) const;
    void mark(std::size_t block, int row);
    void markRows(std::size_t block, int from, int to);
    bool allMarked(std::size_t block, int from, int to) const;

    // Enclosures.
    Interval enclose(const Stretch& stretch) const;
    Interval encloseExact(const Stretch& stretch, const LineSpan& line) const;
    bool tryToSettle(const Stretch& stretch);
    void split(const Stretch& stretch);
    bool adjacentInColumn(const Stretch& stretch, std::int32_t anchor, bool left) const;

    // Sums.
    void request(std::size_t index);
    void requestPending();
    bool leftUnsummed(const Stretch& single, const Interval& plain, int firstRow, int lastRow);
    bool sumRequested();
    bool settleUncertainAnchors();
    bool report();
    void continueWaiting();
    void checkSettled(const Stretch& stretch, const Interval& plain) const;

    const EnclosureRequest& m_request;
    const Wave& m_wave;
    const UserMapping& m_mapping;
    std::span<const double> m_samples;
    SumEnclosures m_enclosures;
    SumBounds m_sumBounds;
    double m_terms;
    int m_height;
    double m_rowsPerUnit;

    /// The samples' columns, in sample order: block b holds samples [m_blockFirst[b],
    /// m_blockFirst[b + 1]) and is column m_blockColumn[b].
    std::vector<std::uint32_t> m_blockFirst;
    std::vector<int> m_blockColumn;
    /// A float y in each row, to draw a settled row with.
    std::vector<float> m_rowY;
    /// One flag per block and row: set when some sample of the block is known to hit the row.
    std::vector<unsigned char> m_marks;

    std::vector<Anchor> m_anchors;
    std::unordered_map<std::size_t, std::int32_t> m_anchorAt;
    /// The anchor of each singular-free piece of the line, for integrating by parts.
    long m_firstPiece = 0;
    std::vector<std::optional<PreparedAnchor>> m_pieceAnchor;

    std::vector<Stretch> m_work;
    /// Lone samples that enclosures could not settle, to be summed only if their rows are still
    /// in question once the stretches of this round are done.
    std::vector<Stretch> m_pending;
    std::vector<Waiting> m_waiting;
    std::vector<std::size_t> m_requested;

    double m_workDone = 0.0;
    double m_reported = 0.0;
    std::chrono::steady_clock::time_point m_lastReport;
};

bool EnclosedCurve::findColumns()
{
    const auto columnOf
        = [this](double x) { return static_cast<int>(m_mapping.pixelX(static_cast<float>(x))); };
    std::size_t at = 0;
    while (at < m_samples.size()) {
        const int column = columnOf(m_samples[at]);
        // Columns move monotonically with x, so the samples of this one are a run.
        const auto end = std::partition_point(m_samples.begin() + static_cast<std::ptrdiff_t>(at),
            m_samples.end(), [&](double x) { return columnOf(x) == column; });
        m_blockFirst.push_back(static_cast<std::uint32_t>(at));
        m_blockColumn.push_back(column);
        at = static_cast<std::size_t>(end - m_samples.begin());
    }
    m_blockFirst.push_back(static_cast<std::uint32_t>(m_samples.size()));
    return m_samples.size() >= fewestSamplesPerColumn * m_blockColumn.size();
}

bool EnclosedCurve::findRowPoints()
{
    m_rowY.resize(static_cast<std::size_t>(m_height));
    const double unitsPerRow = (m_mapping.bottom() - m_mapping.top()) / m_height;
    for (int row = 0; row < m_height; ++row) {
        bool found = false;
        for (const double within : { 0.5, 0.25, 0.75, 0.1, 0.9 }) {
            const float y = toFloat(m_mapping.top() + (row + within) * unitsPerRow);
            if (m_mapping.row(y) == row) {
                m_rowY[static_cast<std::size_t>(row)] = y;
                found = true;
                break;
            }
        }
        if (!found)
            return false;
    }
    return true;
}

/// How far the plain loop's sum may lie from the exact one over \a span.
double EnclosedCurve::plainBoundAt(const LineSpan& span) const
{
    const double x = std::max(std::abs(span.x1), std::abs(span.x2));
    return std::max(m_sumBounds.plainAt(x, span.least), m_request.tuning.minimumBound);
}

/// How far the plain loop's sum at sample \a x may lie from the near-plain sum \a sum.
double EnclosedCurve::nearPlainBoundAt(double x, double sum) const
{
    const double bound = m_sumBounds.nearPlainAt(x, m_enclosures.stretch(x, x).least, sum);
    return std::max(bound, m_request.tuning.minimumBound);
}

/// How far the rotation recurrence's sum at sample \a x may lie from the exact one.
double EnclosedCurve::recurrenceBoundAt(double x) const
{
    const double bound = m_sumBounds.recurrenceAt(x, m_enclosures.stretch(x, x).least);
    return std::max(bound, m_request.tuning.minimumBound);
}

int EnclosedCurve::rowOf(double sum) const
{
    const double p = m_mapping.pixelY(toFloat(m_wave.pointSign * sum));
    if (!(p >= 0.0))
        return -1;
    if (p >= static_cast<double>(m_height))
        return m_height;
    return static_cast<int>(p);
}

bool EnclosedCurve::marked(std::size_t block, int row) const
{
    return m_marks[block * static_cast<std::size_t>(m_height) + static_cast<std::size_t>(row)] != 0;
}

void EnclosedCurve::mark(std::size_t block, int row)
{
    if (row >= 0 && row < m_height)
        m_marks[block * static_cast<std::size_t>(m_height) + static_cast<std::size_t>(row)] = 1;
}

void EnclosedCurve::markRows(std::size_t block, int from, int to)
{
    for (int row = std::max(from, 0); row <= std::min(to, m_height - 1); ++row)
        mark(block, row);
}

bool EnclosedCurve::allMarked(std::size_t block, int from, int to) const
{
    for (int row = std::max(from, 0); row <= std::min(to, m_height - 1); ++row) {
        if (!marked(block, row))
            return false;
    }
    return true;
}

/// The rows an interval of sums can land in, [first, second].
std::pair<int, int> ordered(int a, int b)
{
    return { std::min(a, b), std::max(a, b) };
}

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

Interval EnclosedCurve::enclose(const Stretch& stretch) const
{
    const LineSpan line = m_enclosures.stretch(m_samples[stretch.first], m_samples[stretch.last]);
    const Interval sum = encloseExact(stretch, line);
    // From the exact sum to the plain loop's, and the rounding of the arithmetic of the cones
    // and the chord.
    const double bound = plainBoundAt(line);
    const double slack = 1e-12 + 0x1p-50 * (std::abs(sum.lo) + std::abs(sum.hi));
    Interval plain { sum.lo - bound - slack, sum.hi + bound + slack };
    if (!(plain.lo <= plain.hi)) {
        if (m_request.tuning.checkEnclosures)
            throw std::logic_error("enclosures of a stretch do not meet");
        plain = { -infinity, infinity };
    }
    return plain;
}

Interval EnclosedCurve::encloseExact(const Stretch& stretch, const LineSpan& line) const
{
    const double x1 = line.x1;
    const double x2 = line.x2;
    Interval sum = m_enclosures.limit(line);
    if (const auto piece = m_enclosures.singularFreePiece(x1, x2)) {
        const auto slot = static_cast<std::size_t>(*piece - m_firstPiece);
        if (slot < m_pieceAnchor.size() && m_pieceAnchor[slot])
            sum = intersect(sum, m_enclosures.fromAnchor(*m_pieceAnchor[slot], line));
    }
    const KnownSum* left
        = stretch.left == none ? nullptr : &m_anchors[static_cast<std::size_t>(stretch.left)].known;
    const KnownSum* right = stretch.right == none
        ? nullptr
        : &m_anchors[static_cast<std::size_t>(stretch.right)].known;
    if (left || right) {
        const LineSpan hull = m_enclosures.stretch(left ? left->x : x1, right ? right->x : x2);
        const double slope = m_enclosures.slopeBound(hull);
        if (left && right) {
            sum = intersect(sum, betweenCones(*left, *right, slope, x1, x2));
            sum = intersect(
                sum, alongChord(*left, *right, m_enclosures.curvatureBound(hull), x1, x2));
        } else if (left) {
            const double reach = slope * (x2 - left->x);
            sum = intersect(sum, { left->sum.lo - reach, left->sum.hi + reach });
        } else {
            const double reach = slope * (right->x - x1);
            sum = intersect(sum, { right->sum.lo - reach, right->sum.hi + reach });
        }
    }
    return sum;
}

bool EnclosedCurve::adjacentInColumn(const Stretch& stretch, std::int32_t anchor, bool left) const
{
    if (anchor == none)
        return false;
    const Anchor& a = m_anchors[static_cast<std::size_t>(anchor)];
    const std::size_t next = left ? stretch.first - 1 : std::size_t { stretch.last } + 1;
    return a.index == next && a.block == stretch.block;
}

bool EnclosedCurve::tryToSettle(const Stretch& stretch)
{
    const Interval plain = enclose(stretch);
    const auto [low, high] = ordered(rowOf(plain.lo), rowOf(plain.hi));
    if (low == high) {
        mark(stretch.block, low);
        checkSettled(stretch, plain);
        return true;
    }
    if (allMarked(stretch.block, low, high)) {
        checkSettled(stretch, plain);
        return true;
    }
    if (adjacentInColumn(stretch, stretch.left, true)
        && adjacentInColumn(stretch, stretch.right, false)
        && m_anchors[static_cast<std::size_t>(stretch.left)].certain()
        && m_anchors[static_cast<std::size_t>(stretch.right)].certain()) {
        // Between two anchors of one column whose neighbouring samples differ by less than a
        // row, no row between the anchors' rows can be skipped.
        const Anchor& a = m_anchors[static_cast<std::size_t>(stretch.left)];
        const Anchor& b = m_anchors[static_cast<std::size_t>(stretch.right)];
        const double x1 = a.known.x;
        const double x2 = b.known.x;
        const double largest
            = std::max({ std::abs(plain.lo), std::abs(plain.hi), std::abs(a.known.sum.lo),
                std::abs(a.known.sum.hi), std::abs(b.known.sum.lo), std::abs(b.known.sum.hi) });
        const LineSpan between = m_enclosures.stretch(x1, x2);
        const double stepInRows = (m_enclosures.slopeBound(between) * largestSpacing
                                      + 2 * plainBoundAt(between) + 2 * 0x1p-24 * largest)
            * m_rowsPerUnit;
        if (stepInRows < 1 - 1e-6) {
            const auto [from, to] = ordered(a.firstRow, b.firstRow);
            markRows(stretch.block, from, to);
            if (allMarked(stretch.block, low, high)) {
                checkSettled(stretch, plain);
                return true;
            }
        }
    }
    if (m_terms > m_request.tuning.cheapSumTerms && stretch.first < stretch.last) {
        // Where sums are dear, the enclosures of the two end samples alone often tell their
        // rows; when the stretch only crosses from one to the other, it is settled.
        for (const std::uint32_t end : { stretch.first, stretch.last }) {
            const Stretch single { end, end, stretch.block, stretch.left, stretch.right };
            const Interval at = enclose(single);
            const int row = rowOf(at.lo);
            if (row == rowOf(at.hi)) {
                mark(stretch.block, row);
                checkSettled(single, at);
            }
        }
        if (allMarked(stretch.block, low, high)) {
            checkSettled(stretch, plain);
            return true;
        }
    }
    return false;
}

void EnclosedCurve::request(std::size_t index)
{
    if (m_anchorAt.emplace(index, none).second)
        m_requested.push_back(index);
}

void EnclosedCurve::requestPending()
{
    // Where a plateau or a crest runs along a row edge, many lone samples lie too near the edge
    // for their enclosures, yet the other samples of their column often set both rows; a sum
    // for them would change nothing.
    for (const Stretch& single : m_pending) {
        const Interval plain = enclose(single);
        const auto [low, high] = ordered(rowOf(plain.lo), rowOf(plain.hi));
        if (allMarked(single.block, low, high)) {
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
    // The recurrence's sum lies, in practice, right at the exact sum, and its row is certain only
    // beyond its bound and the plain loop's of every row edge. Where the enclosures know the
    // exact sum far better than the recurrence would (the triangle's, away from its corners), or
    // well enough to see an edge within those bounds of it, the sum would settle nothing: the
    // sample becomes an anchor as it is, for settleUncertainAnchors.
    const double x = m_samples[single.first];
    const LineSpan line = m_enclosures.stretch(x, x);
    const Interval exact = encloseExact(single, line);
    if (!(exact.lo <= exact.hi))
        return false;
    const double recurrence = recurrenceBoundAt(x);
    const double halfWidth = (exact.hi - exact.lo) / 2;
    const double centre = exact.lo + halfWidth;
    const double reach = recurrence + plainBoundAt(line) - halfWidth;
    const bool settlesNothing = halfWidth < recurrence / 8
        || (reach > 0 && rowOf(centre - reach) != rowOf(centre + reach));
    if (!settlesNothing)
        return false;
    const double slack = 1e-12 + 0x1p-50 * (std::abs(exact.lo) + std::abs(exact.hi));
    if (m_request.tuning.checkEnclosures) {
        const double y = referenceSum(m_wave, m_request.count, x);
        if (!(y >= plain.lo && y <= plain.hi))
            throw std::logic_error("the plain sum escapes a lone sample's enclosure");
    }
    m_anchorAt[single.first] = static_cast<std::int32_t>(m_anchors.size());
    m_anchors.push_back({ single.first, single.block, { x, { exact.lo - slack, exact.hi + slack } },
        firstRow, lastRow });
    return true;
}

void EnclosedCurve::split(const Stretch& stretch)
{
    const std::uint32_t middle = stretch.first + (stretch.last - stretch.first) / 2;
    if (stretch.first == stretch.last) {
        m_pending.push_back(stretch);
    } else if (m_terms <= m_request.tuning.cheapSumTerms) {
        const bool needLeft = !adjacentInColumn(stretch, stretch.left, true);
        const bool needRight = !adjacentInColumn(stretch, stretch.right, false);
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
    const auto anchorAt = [this](std::size_t index) { return m_anchorAt.at(index); };
    for (const Waiting& waiting : m_waiting) {
        Stretch s = waiting.stretch;
        switch (waiting.kind) {
        case Waiting::Kind::Single:
            break;
        case Waiting::Kind::Ends: {
            const bool needLeft = !adjacentInColumn(s, s.left, true);
            const bool needRight = !adjacentInColumn(s, s.right, false);
            Stretch inner = s;
            if (needLeft) {
                inner.left = anchorAt(s.first);
                ++inner.first;
            }
            if (needRight) {
                inner.right = anchorAt(s.last);
                --inner.last;
            }
            if (inner.first <= inner.last)
                m_work.push_back(inner);
            break;
        }
        case Waiting::Kind::Middle: {
            const std::uint32_t middle = s.first + (s.last - s.first) / 2;
            const std::int32_t anchor = anchorAt(middle);
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

bool EnclosedCurve::report()
{
    const auto now = std::chrono::steady_clock::now();
    if (now - m_lastReport < reportInterval)
        return true;
    m_lastReport = now;
    return m_request.progress(m_reported);
}

/// Sums every requested sample: by the plain loop for few terms, otherwise by the rotation
/// recurrence in groups on every core, each sum certified. Where its row is not certain, the
/// plain loop recomputes it at once while that is cheap; with many terms the anchor is left
/// with the rows it may be in, for settleUncertainAnchors.
bool EnclosedCurve::sumRequested()
{
    std::sort(m_requested.begin(), m_requested.end());
    const std::size_t count = m_requested.size();
    std::vector<double> xs(count);
    for (std::size_t i = 0; i < count; ++i)
        xs[i] = m_samples[m_requested[i]];
    std::vector<double> sums(count);
    std::vector<Interval> known(count);
    std::vector<std::pair<int, int>> rows(count);

    const bool plainOnly = m_terms <= plainSumTerms;
    const bool leaveUncertain = m_terms > m_request.tuning.cheapSumTerms;
    const double batchWork = static_cast<double>(count) * m_terms;
    std::atomic<std::uint64_t> done { 0 };

    constexpr std::size_t groupSize = RotationSummer::groupSize;
    const std::size_t groups = (count + groupSize - 1) / groupSize;
    const bool onHere = plainOnly || batchWork < inlineBatchWork;
    const std::size_t threads = onHere
        ? 1
        : std::min<std::size_t>(
            std::max(1u, std::thread::hardware_concurrency()), std::max<std::size_t>(groups, 2));
    // With few anchors and many terms, smaller groups keep every core busy.
    const std::size_t group
        = std::max<std::size_t>(1, std::min(groupSize, (count + threads - 1) / threads));

    const auto sumShare = [&](std::size_t share, const KeepGoing& keepGoing) {
        RotationSummer summer(m_wave, m_request.extraTerms, m_request.tuning.allowWideKernel);
        for (std::size_t first = share * group; first < count; first += threads * group) {
            const std::size_t size = std::min(group, count - first);
            const auto groupXs = std::span<const double>(xs).subspan(first, size);
            const auto groupSums = std::span<double>(sums).subspan(first, size);
            if (plainOnly) {
                for (std::size_t i = 0; i < size; ++i)
                    groupSums[i] = referenceSum(m_wave, m_request.count, groupXs[i]);
            } else if (!summer.sum(groupXs, groupSums, keepGoing, done)) {
                return;
            }
            for (std::size_t i = first; i < first + size; ++i) {
                // An anchor knows the exact sum, which the enclosures build on, and the plain
                // loop's row.
                const double plain = plainBoundAt(m_enclosures.stretch(xs[i], xs[i]));
                const double y = sums[i];
                if (plainOnly) {
                    known[i] = { y - plain, y + plain };
                    rows[i] = { rowOf(y), rowOf(y) };
                    continue;
                }
                const double recurrence = recurrenceBoundAt(xs[i]);
                const double spread = recurrence + plain + 0x1p-52 * std::abs(y);
                const auto range = ordered(rowOf(y - spread), rowOf(y + spread));
                if (range.first == range.second || leaveUncertain) {
                    known[i] = { y - recurrence, y + recurrence };
                    rows[i] = range;
                    continue;
                }
                const auto exact = referenceSumWhile(m_wave, m_request.count, xs[i], keepGoing);
                if (!exact)
                    return;
                known[i] = { *exact - plain, *exact + plain };
                rows[i] = { rowOf(*exact), rowOf(*exact) };
            }
        }
    };

    bool finished = true;
    if (threads == 1) {
        sumShare(0, [] { return true; });
    } else {
        const double before = m_workDone;
        std::atomic<bool> stop { false };
        finished = runTasks(
            threads, sumShare, stop,
            [&] {
                const double fraction = (before + static_cast<double>(done.load()))
                    / (before + remainingShare * batchWork);
                m_reported = std::max(m_reported, std::min(fraction, 1.0));
                return m_request.progress(m_reported);
            },
            m_request.tuning.startThread);
    }
    if (!finished)
        return false;
    m_workDone += batchWork;

    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t index = m_requested[i];
        const auto block = static_cast<std::size_t>(
            std::upper_bound(m_blockFirst.begin(), m_blockFirst.end(), index) - m_blockFirst.begin()
            - 1);
        const auto id = static_cast<std::int32_t>(m_anchors.size());
        const auto [firstRow, lastRow] = rows[i];
        m_anchors.push_back({ index, block, { xs[i], known[i] }, firstRow, lastRow });
        m_anchorAt[index] = id;
        if (firstRow == lastRow)
            mark(block, firstRow);
        if (m_request.tuning.checkEnclosures) {
            const double plain = referenceSum(m_wave, m_request.count, xs[i]);
            const double reach = plainBoundAt(m_enclosures.stretch(xs[i], xs[i]));
            const int row = rowOf(plain);
            if (!(plain >= known[i].lo - reach && plain <= known[i].hi + reach) || row < firstRow
                || row > lastRow)
                throw std::logic_error("an anchor's sum or row is not the plain loop's");
        }
    }
    m_requested.clear();
    return true;
}

/// Settles the rows of the anchors that are in question and matter: those whose column does not
/// have every row they may be in set already. First by sums far nearer the plain loop's, then,
/// for the few left, by the plain loop on every core, one at a time; a column's likeliest
/// anchor first, so that one which sets the row its column lacks spares the others theirs.
bool EnclosedCurve::settleUncertainAnchors()
{
    struct Open {
        std::size_t anchor;
        /// Smaller where the anchor's sum lies further towards the row its column lacks.
        double lean;
        bool firstOfColumn = false;
    };
    // Whether rows grow with the sum, or the other way.
    const bool rowsGrow = m_mapping.pixelY(toFloat(m_wave.pointSign)) > m_mapping.pixelY(0.0f);
    std::vector<Open> open;
    for (std::size_t a = 0; a < m_anchors.size(); ++a) {
        const Anchor& anchor = m_anchors[a];
        if (anchor.certain() || allMarked(anchor.block, anchor.firstRow, anchor.lastRow))
            continue;
        const double centre = (anchor.known.sum.lo + anchor.known.sum.hi) / 2;
        const bool lacksLow = anchor.firstRow >= 0 && anchor.firstRow < m_height
            && !marked(anchor.block, anchor.firstRow);
        open.push_back({ a, lacksLow == rowsGrow ? centre : -centre });
    }
    if (open.empty())
        return true;
    // The likeliest anchor of each column first, then the rest, should they still matter.
    std::sort(open.begin(), open.end(), [this](const Open& a, const Open& b) {
        const std::size_t blockA = m_anchors[a.anchor].block;
        const std::size_t blockB = m_anchors[b.anchor].block;
        return blockA != blockB ? blockA < blockB : a.lean < b.lean;
    });
    for (std::size_t i = 0; i < open.size(); ++i) {
        open[i].firstOfColumn
            = i == 0 || m_anchors[open[i - 1].anchor].block != m_anchors[open[i].anchor].block;
    }
    std::stable_partition(open.begin(), open.end(), [](const Open& o) { return o.firstOfColumn; });
    const std::size_t threads = std::max(1u, std::thread::hardware_concurrency());
    const auto report = [this] { return m_request.progress(m_reported); };
    // A near-plain sum, under half the plain loop's time on one thread, settles most of them: a
    // few at a time, one a thread.
    std::vector<std::size_t> unsettled;
    for (std::size_t next = 0; next < open.size();) {
        std::vector<std::size_t> batch;
        for (; next < open.size() && batch.size() < threads; ++next) {
            const Anchor& anchor = m_anchors[open[next].anchor];
            if (allMarked(anchor.block, anchor.firstRow, anchor.lastRow))
                continue;
            // The exact sum lies within far less than the near-plain sum's bound of the
            // anchor's centre, and so in practice does the plain loop's: where that bound
            // reaches a row edge from the centre, the near-plain sum would rarely settle it.
            const double x = anchor.known.x;
            const double centre = (anchor.known.sum.lo + anchor.known.sum.hi) / 2;
            const double reach = nearPlainBoundAt(x, centre) + 0x1p-52 * std::abs(centre);
            if (rowOf(centre - reach) == rowOf(centre + reach))
                batch.push_back(open[next].anchor);
            else
                unsettled.push_back(open[next].anchor);
        }
        std::vector<double> sums(batch.size());
        std::atomic<bool> stop { false };
        const auto sumOne = [&](std::size_t i, const KeepGoing& keepGoing) {
            const double x = m_anchors[batch[i]].known.x;
            if (const auto sum = nearPlainSum(m_wave, m_request.extraTerms, x, keepGoing))
                sums[i] = *sum;
        };
        if (!runTasks(batch.size(), sumOne, stop, report, m_request.tuning.startThread))
            return false;
        for (std::size_t i = 0; i < batch.size(); ++i) {
            Anchor& anchor = m_anchors[batch[i]];
            const double x = anchor.known.x;
            const double bound = nearPlainBoundAt(x, sums[i]);
            const double spread = bound + 0x1p-52 * std::abs(sums[i]);
            const auto [low, high] = ordered(rowOf(sums[i] - spread), rowOf(sums[i] + spread));
            if (m_request.tuning.checkEnclosures) {
                const double plain = referenceSum(m_wave, m_request.count, x);
                if (!(std::abs(plain - sums[i]) <= bound) || rowOf(plain) < low
                    || rowOf(plain) > high)
                    throw std::logic_error(
                        "a near-plain sum is not within its bound of the plain loop");
            }
            anchor.firstRow = std::max(anchor.firstRow, low);
            anchor.lastRow = std::min(anchor.lastRow, high);
            if (anchor.certain())
                mark(anchor.block, anchor.firstRow);
            else
                unsettled.push_back(batch[i]);
        }
    }
    // What is left lies within the plain loop's own rounding of a row edge.
    for (const std::size_t a : unsettled) {
        Anchor& anchor = m_anchors[a];
        if (allMarked(anchor.block, anchor.firstRow, anchor.lastRow))
            continue;
        const auto exact = referenceSumOnThreads(m_wave, m_request.extraTerms, anchor.known.x,
            threads, report, m_request.tuning.startThread);
        if (!exact)
            return false;
        const int row = rowOf(*exact);
        anchor.firstRow = anchor.lastRow = row;
        mark(anchor.block, row);
    }
    return true;
}

void EnclosedCurve::checkSettled(const Stretch& stretch, const Interval& plain) const
{
    if (!m_request.tuning.checkEnclosures)
        return;
    for (std::size_t i = stretch.first; i <= stretch.last; ++i) {
        const double x = m_samples[i];
        const double y = referenceSum(m_wave, m_request.count, x);
        const int row = rowOf(y);
        if (!(y >= plain.lo && y <= plain.hi)
            || (row >= 0 && row < m_height && !marked(stretch.block, row))) {
            std::ostringstream what;
            what.precision(17);
            what << m_wave.name << " n " << m_terms << ": the plain sum " << y << " at x " << x
                 << " (row " << row << ") escapes its stretch's enclosure [" << plain.lo << ", "
                 << plain.hi << "]";
            throw std::logic_error(what.str());
        }
    }
}

EnclosureOutcome EnclosedCurve::run(CurvePoints& points)
{
    if (m_samples.empty())
        return EnclosureOutcome::Drawn;
    if (!findColumns() || !findRowPoints())
        return EnclosureOutcome::Declined;
    const double largestX = std::max(std::abs(m_samples.front()), std::abs(m_samples.back()));
    const double bound = std::max(m_request.bound.at(largestX), m_request.tuning.minimumBound);
    if (bound * m_rowsPerUnit > largestBoundInRows)
        return EnclosureOutcome::Declined;
    const std::size_t blocks = m_blockColumn.size();
    m_marks.assign(blocks * static_cast<std::size_t>(m_height), 0);

    // An anchor in the middle of every singular-free piece of the line, for the integration by
    // parts that serves all of the piece.
    const double xFirst = m_samples.front();
    const double xLast = m_samples.back();
    std::vector<std::pair<long, std::size_t>> pieceSamples;
    const auto firstPiece = m_enclosures.pieceContaining(xFirst);
    const auto lastPiece = m_enclosures.pieceContaining(xLast);
    for (long piece = firstPiece.value_or(0); firstPiece && lastPiece && piece <= *lastPiece;
         ++piece) {
        const double middle = std::clamp(m_enclosures.pieceMiddle(piece), xFirst, xLast);
        const auto at = std::lower_bound(m_samples.begin(), m_samples.end(), middle);
        const std::size_t index
            = std::min(static_cast<std::size_t>(at - m_samples.begin()), m_samples.size() - 1);
        const double x = m_samples[index];
        if (m_enclosures.singularFreePiece(x, x) == piece)
            pieceSamples.emplace_back(piece, index);
        // The samples either side of the singular point that starts the piece: near it the
        // enclosures are loose, and they are summed in the same batch.
        const double start = m_enclosures.pieceStart(piece);
        const auto after = std::lower_bound(m_samples.begin(), m_samples.end(), start);
        if (start > xFirst && after != m_samples.end()) {
            const auto next = static_cast<std::size_t>(after - m_samples.begin());
            request(next);
            request(next - 1);
        }
    }
    if (!pieceSamples.empty()) {
        m_firstPiece = pieceSamples.front().first;
        m_pieceAnchor.assign(
            static_cast<std::size_t>(pieceSamples.back().first - m_firstPiece + 1), std::nullopt);
        for (const auto& [piece, index] : pieceSamples)
            request(index);
        if (!sumRequested())
            return EnclosureOutcome::Cancelled;
        for (const auto& [piece, index] : pieceSamples) {
            const Anchor& anchor = m_anchors[static_cast<std::size_t>(m_anchorAt.at(index))];
            m_pieceAnchor[static_cast<std::size_t>(piece - m_firstPiece)]
                = m_enclosures.prepare(anchor.known);
        }
    }

    for (std::size_t block = 0; block < blocks; ++block) {
        m_work.push_back({ m_blockFirst[block], m_blockFirst[block + 1] - 1,
            static_cast<std::uint32_t>(block) });
    }
    while (!m_work.empty()) {
        while (!m_work.empty()) {
            const Stretch stretch = m_work.back();
            m_work.pop_back();
            if (!tryToSettle(stretch))
                split(stretch);
        }
        requestPending();
        if (!report())
            return EnclosureOutcome::Cancelled;
        if (!m_requested.empty() && !sumRequested())
            return EnclosureOutcome::Cancelled;
        continueWaiting();
    }
    if (!settleUncertainAnchors())
        return EnclosureOutcome::Cancelled;

    for (std::size_t block = 0; block < blocks; ++block) {
        const float x = static_cast<float>(m_samples[m_blockFirst[block]]);
        for (int row = 0; row < m_height; ++row) {
            if (marked(block, row)) {
                points.xs.push_back(x);
                points.ys.push_back(m_rowY[static_cast<std::size_t>(row)]);
            }
        }
    }
    return EnclosureOutcome::Drawn;
}

} // namespace

EnclosureOutcome drawCurveByEnclosures(const EnclosureRequest& request, CurvePoints& points)
{
    if (!request.tuning.allowEnclosures)
        return EnclosureOutcome::Declined;
    const auto enclosures
        = SumEnclosures::forWave(request.wave, static_cast<double>(request.extraTerms) + 1);
    if (!enclosures)
        return EnclosureOutcome::Declined;
    EnclosedCurve curve(request, *enclosures);
    return curve.run(points);
}

} // namespace fourier
