// SPDX-License-Identifier: MIT
#include "anchorsums.h"

#include "closedsum.h"
#include "fastsum.h"
#include "parallel.h"
#include "roundoff.h"
#include "sumroad.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <span>
#include <stdexcept>
#include <utility>

namespace fourier {

namespace {

/// Up to this many terms anchors are summed by the plain loop itself.
constexpr double plainSumTerms = 64;
/// A sum from the closed forms, about a microsecond, costs about as much as this many terms of
/// the recurrence at one sample: the work it counts for.
constexpr std::uint64_t closedFormWork = 2000;
/// Below this much work (samples times terms) a batch of anchors is summed on the calling
/// thread: starting threads would cost more.
constexpr double inlineBatchWork = 2e5;
/// The work still to come, as a share of a batch being summed: the first batch, at the anchors
/// of the singular points, is most of what a long curve sums.
constexpr double remainingShare = 1.25;

} // namespace

SumProgress::SumProgress(const ProgressCallback& progress)
    : m_progress(progress)
    , m_lastReport(std::chrono::steady_clock::now())
{
}

bool SumProgress::reportWhenDue()
{
    const auto now = std::chrono::steady_clock::now();
    if (now - m_lastReport < progressInterval)
        return true;
    m_lastReport = now;
    return m_progress(m_reported);
}

bool SumProgress::reportBatch(double done, double batchWork)
{
    const double fraction = (m_workDone + done) / (m_workDone + remainingShare * batchWork);
    m_reported = std::max(m_reported, std::min(fraction, 1.0));
    return m_progress(m_reported);
}

/// One batch of sums: the samples, their sums, what each tells, and how the batch is shared out.
struct AnchorSums::Batch {
    explicit Batch(std::size_t count)
        : xs(count)
        , sums(count)
        , closedBounds(count)
        , known(count)
        , rows(count)
    {
    }

    /// How the batch is summed: by the plain loop itself, from the closed forms, or by the
    /// rotation recurrence.
    enum class Road { Plain, ClosedForms, Recurrence };

    std::vector<double> xs;
    std::vector<double> sums;
    /// How far each sum from the closed forms may lie from the exact one.
    std::vector<double> closedBounds;
    /// Where each exact sum lies, and the rows the sum drawn may be in.
    std::vector<Interval> known;
    std::vector<std::pair<int, int>> rows;
    Road road = Road::Recurrence;
    bool leaveUncertain = false;
    std::size_t threads = 1;
    /// How many samples a group of a share takes.
    std::size_t group = 1;
    std::atomic<std::uint64_t> done { 0 };
};

AnchorSums::AnchorSums(const EnclosureRequest& request, const StretchEnclosure& enclosure,
    CurveGrid& grid, Anchors& anchors, SumProgress& progress)
    : m_request(request)
    , m_enclosure(enclosure)
    , m_grid(grid)
    , m_anchors(anchors)
    , m_progress(progress)
{
}

bool AnchorSums::sum(std::vector<std::size_t>& requested)
{
    std::sort(requested.begin(), requested.end());
    const std::size_t count = requested.size();
    Batch batch(count);
    for (std::size_t i = 0; i < count; ++i)
        batch.xs[i] = m_request.samples[requested[i]];
    const double terms = m_request.terms();
    if (m_request.road.closedForms)
        batch.road = Batch::Road::ClosedForms;
    else if (terms <= plainSumTerms)
        batch.road = Batch::Road::Plain;
    batch.leaveUncertain = terms > m_request.tuning.cheapSumTerms;
    const double batchWork = static_cast<double>(count)
        * (batch.road == Batch::Road::ClosedForms ? static_cast<double>(closedFormWork) : terms);

    constexpr std::size_t groupSize = RotationSummer::groupSize;
    const std::size_t groups = (count + groupSize - 1) / groupSize;
    const bool onHere = batch.road == Batch::Road::Plain || batchWork < inlineBatchWork;
    batch.threads = onHere ? 1 : std::min(coreCount(), std::max<std::size_t>(groups, 2));
    // With few anchors and many terms, smaller groups keep every core busy.
    batch.group = std::max<std::size_t>(
        1, std::min(groupSize, (count + batch.threads - 1) / batch.threads));

    bool finished = true;
    if (batch.threads == 1) {
        sumShare(batch, 0, [] { return true; });
    } else {
        std::atomic<bool> stop { false };
        finished = runTasks(
            batch.threads,
            [this, &batch](std::size_t share, const KeepGoing& keepGoing) {
                sumShare(batch, share, keepGoing);
            },
            stop,
            [this, &batch, batchWork] {
                return m_progress.reportBatch(static_cast<double>(batch.done.load()), batchWork);
            },
            m_request.tuning.startThread);
    }
    if (!finished)
        return false;
    m_progress.finishBatch(batchWork);
    record(batch, requested);
    requested.clear();
    return true;
}

void AnchorSums::sumShare(Batch& batch, std::size_t share, const KeepGoing& keepGoing) const
{
    const std::size_t count = batch.xs.size();
    RotationSummer summer(m_request.wave, m_request.extraTerms(), m_request.tuning.allowWideKernel);
    for (std::size_t first = share * batch.group; first < count;
         first += batch.threads * batch.group) {
        const std::size_t size = std::min(batch.group, count - first);
        const auto groupXs = std::span<const double>(batch.xs).subspan(first, size);
        const auto groupSums = std::span<double>(batch.sums).subspan(first, size);
        switch (batch.road) {
        case Batch::Road::Plain:
            for (std::size_t i = 0; i < size; ++i)
                groupSums[i] = referenceSum(m_request.wave, m_request.count, groupXs[i]);
            break;
        case Batch::Road::ClosedForms:
            if (!keepGoing())
                return;
            for (std::size_t i = 0; i < size; ++i) {
                const CertifiedSum sum = certifiedSum(m_request.wave, m_request.count, groupXs[i]);
                groupSums[i] = sum.value;
                batch.closedBounds[first + i] = sum.bound;
            }
            batch.done.fetch_add(size * closedFormWork);
            break;
        case Batch::Road::Recurrence:
            if (!summer.sum(groupXs, groupSums, keepGoing, batch.done))
                return;
            break;
        }
        if (!certify(batch, first, size, keepGoing))
            return;
    }
}

bool AnchorSums::certify(
    Batch& batch, std::size_t first, std::size_t size, const KeepGoing& keepGoing) const
{
    const bool closedForms = batch.road == Batch::Road::ClosedForms;
    for (std::size_t i = first; i < first + size; ++i) {
        // An anchor knows the exact sum, which the enclosures build on, and the row drawn.
        const double x = batch.xs[i];
        const double drawn = m_enclosure.drawnBoundAt(m_enclosure.closedForms().stretch(x, x));
        const double y = batch.sums[i];
        if (batch.road == Batch::Road::Plain) {
            batch.known[i] = { y - drawn, y + drawn };
            batch.rows[i] = { m_grid.rowOf(y), m_grid.rowOf(y) };
            continue;
        }
        const double summed = closedForms
            ? std::max(batch.closedBounds[i], m_request.tuning.minimumBound)
            : m_enclosure.recurrenceBoundAt(x);
        const double reach = certificationSpread(summed, y);
        if (m_request.road.exactRows) {
            // The row of the value: the exact sum's, unless the exact sum lies within the bound
            // (below 1e-12) of a row edge, where nothing can tell its side and the value's is
            // taken. The per-sample path and the enclosures, which hold the values, agree.
            batch.known[i] = { y - reach, y + reach };
            batch.rows[i] = { m_grid.rowOf(y), m_grid.rowOf(y) };
            continue;
        }
        const double spread = certificationSpread(summed + drawn, y);
        const auto range = ordered(m_grid.rowOf(y - spread), m_grid.rowOf(y + spread));
        if (range.first == range.second || batch.leaveUncertain) {
            batch.known[i] = { y - reach, y + reach };
            batch.rows[i] = range;
            continue;
        }
        const auto exact = referenceSumWhile(m_request.wave, m_request.count, x, keepGoing);
        if (!exact)
            return false;
        batch.known[i] = { *exact - drawn, *exact + drawn };
        batch.rows[i] = { m_grid.rowOf(*exact), m_grid.rowOf(*exact) };
    }
    return true;
}

void AnchorSums::record(const Batch& batch, const std::vector<std::size_t>& requested)
{
    for (std::size_t i = 0; i < requested.size(); ++i) {
        const std::size_t index = requested[i];
        const std::size_t block = m_grid.blockOf(index);
        const auto [firstRow, lastRow] = batch.rows[i];
        const double x = batch.xs[i];
        m_anchors.add({ index, block, { x, batch.known[i] }, firstRow, lastRow });
        if (firstRow == lastRow)
            m_grid.mark(block, firstRow);
        if (m_request.tuning.checkEnclosures) {
            const double drawn = drawnSum(m_request.wave, m_request.count, m_request.road, x);
            const double reach = m_enclosure.drawnBoundAt(m_enclosure.closedForms().stretch(x, x));
            const int row = m_grid.rowOf(drawn);
            if (!(drawn >= batch.known[i].lo - reach && drawn <= batch.known[i].hi + reach)
                || row < firstRow || row > lastRow)
                throw std::logic_error("an anchor's sum or row is not the one drawn");
        }
    }
}

bool AnchorSums::settleUncertain()
{
    const std::vector<std::size_t> open = openAnchors();
    if (open.empty())
        return true;
    std::vector<std::size_t> unsettled;
    if (!settleByNearPlainSums(open, unsettled))
        return false;
    return settleByPlainLoop(unsettled);
}

std::vector<std::size_t> AnchorSums::openAnchors() const
{
    struct Open {
        std::size_t anchor;
        /// Smaller where the anchor's sum lies further towards the row its column lacks.
        double lean;
        bool firstOfColumn = false;
    };
    const bool rowsGrow = m_grid.rowsGrow();
    std::vector<Open> open;
    for (std::size_t a = 0; a < m_anchors.size(); ++a) {
        const Anchor& anchor = m_anchors[a];
        if (anchor.certain() || m_grid.allMarked(anchor.block, anchor.firstRow, anchor.lastRow))
            continue;
        const double centre = (anchor.known.sum.lo + anchor.known.sum.hi) / 2;
        const bool lacksLow = anchor.firstRow >= 0 && anchor.firstRow < m_grid.height()
            && !m_grid.marked(anchor.block, anchor.firstRow);
        open.push_back({ a, lacksLow == rowsGrow ? centre : -centre });
    }
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
    std::vector<std::size_t> anchors;
    anchors.reserve(open.size());
    for (const Open& o : open)
        anchors.push_back(o.anchor);
    return anchors;
}

bool AnchorSums::settleByNearPlainSums(
    const std::vector<std::size_t>& open, std::vector<std::size_t>& unsettled)
{
    // A near-plain sum, under half the plain loop's time on one thread, settles most of them: a
    // few at a time, one a thread.
    const std::size_t threads = coreCount();
    for (std::size_t next = 0; next < open.size();) {
        std::vector<std::size_t> batch;
        for (; next < open.size() && batch.size() < threads; ++next) {
            const Anchor& anchor = m_anchors[open[next]];
            if (m_grid.allMarked(anchor.block, anchor.firstRow, anchor.lastRow))
                continue;
            // The exact sum lies within far less than the near-plain sum's bound of the
            // anchor's centre, and so in practice does the plain loop's: where that bound
            // reaches a row edge from the centre, the near-plain sum would rarely settle it.
            const double x = anchor.known.x;
            const double centre = (anchor.known.sum.lo + anchor.known.sum.hi) / 2;
            const double reach
                = certificationSpread(m_enclosure.nearPlainBoundAt(x, centre), centre);
            if (m_grid.rowOf(centre - reach) == m_grid.rowOf(centre + reach))
                batch.push_back(open[next]);
            else
                unsettled.push_back(open[next]);
        }
        if (!nearPlainBatch(batch, unsettled))
            return false;
    }
    return true;
}

bool AnchorSums::nearPlainBatch(
    const std::vector<std::size_t>& batch, std::vector<std::size_t>& unsettled)
{
    std::vector<double> sums(batch.size());
    std::atomic<bool> stop { false };
    const auto sumOne = [&](std::size_t i, const KeepGoing& keepGoing) {
        const double x = m_anchors[batch[i]].known.x;
        if (const auto sum = nearPlainSum(m_request.wave, m_request.extraTerms(), x, keepGoing))
            sums[i] = *sum;
    };
    if (!runTasks(
            batch.size(), sumOne, stop, [this] { return m_progress.report(); },
            m_request.tuning.startThread))
        return false;
    for (std::size_t i = 0; i < batch.size(); ++i) {
        Anchor& anchor = m_anchors[batch[i]];
        const double x = anchor.known.x;
        const double bound = m_enclosure.nearPlainBoundAt(x, sums[i]);
        const double spread = certificationSpread(bound, sums[i]);
        const auto [low, high]
            = ordered(m_grid.rowOf(sums[i] - spread), m_grid.rowOf(sums[i] + spread));
        if (m_request.tuning.checkEnclosures) {
            const double plain = referenceSum(m_request.wave, m_request.count, x);
            if (!(std::abs(plain - sums[i]) <= bound) || m_grid.rowOf(plain) < low
                || m_grid.rowOf(plain) > high)
                throw std::logic_error(
                    "a near-plain sum is not within its bound of the plain loop");
        }
        anchor.firstRow = std::max(anchor.firstRow, low);
        anchor.lastRow = std::min(anchor.lastRow, high);
        if (anchor.certain())
            m_grid.mark(anchor.block, anchor.firstRow);
        else
            unsettled.push_back(batch[i]);
    }
    return true;
}

bool AnchorSums::settleByPlainLoop(const std::vector<std::size_t>& unsettled)
{
    // What is left lies within the plain loop's own rounding of a row edge.
    const std::size_t threads = coreCount();
    for (const std::size_t a : unsettled) {
        Anchor& anchor = m_anchors[a];
        if (m_grid.allMarked(anchor.block, anchor.firstRow, anchor.lastRow))
            continue;
        const auto exact = referenceSumOnThreads(
            m_request.wave, m_request.extraTerms(), anchor.known.x, threads,
            [this] { return m_progress.report(); }, m_request.tuning.startThread);
        if (!exact)
            return false;
        const int row = m_grid.rowOf(*exact);
        anchor.firstRow = anchor.lastRow = row;
        m_grid.mark(anchor.block, row);
    }
    return true;
}

} // namespace fourier
