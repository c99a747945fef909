// SPDX-License-Identifier: MIT
#include "curve.h"

#include "closedsum.h"
#include "enclosedcurve.h"
#include "fastsum.h"
#include "parallel.h"
#include "roundoff.h"
#include "sampling.h"
#include "sumroad.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <memory>

namespace fourier {

namespace {

/// What the workers share. Everything but the two counters and the output slots is set before
/// they start and only read while they run.
struct CurveJob {
    const Wave& wave;
    double count;
    const SumRoad& road;
    const UserMapping& mapping;
    CurveTuning tuning;
    /// The visible samples, and one output slot for each.
    std::span<const double> samples;
    std::span<float> xs;
    std::span<float> ys;
    std::atomic<bool> stop { false };
    /// Samples times terms summed so far, for the progress reports.
    std::atomic<std::uint64_t> done { 0 };
};

/// One worker's share of the samples. Its points go to the output slots from \a first on.
struct Chunk {
    std::size_t first = 0;
    std::size_t last = 0;
    std::size_t kept = 0;
};

/// Far above any bound that can arise, and small enough that y plus or minus it stays well
/// within float's range.
constexpr double largestSpread = 0x1p100;

/// Sums a group of samples: from the closed forms where the road takes them, each with its
/// bound in \a closedBounds, otherwise by the recurrence, leaving \a closedBounds at 0. False
/// when told to stop.
bool sumGroup(CurveJob& job, RotationSummer& summer, std::span<const double> xs,
    std::span<double> sums, std::span<double> closedBounds, const KeepGoing& keepGoing)
{
    if (!job.road.closedForms)
        return summer.sum(xs, sums, keepGoing, job.done);
    if (!keepGoing())
        return false;
    for (std::size_t s = 0; s < xs.size(); ++s) {
        const CertifiedSum sum = certifiedSum(job.wave, job.count, xs[s]);
        sums[s] = sum.value;
        closedBounds[s] = sum.bound;
    }
    job.done.fetch_add(xs.size(), std::memory_order_relaxed);
    return true;
}

/// Marks the samples of a group whose pixel row is settled: the plain loop's value lies within
/// e of the sum, and both ends of that interval land in one row, or off the area on the same
/// side. Rows follow y monotonically, so everything between lands there too. A sum from the
/// closed forms lies within its bound of the exact sum, and the plain loop's within the plain
/// half of the certainty bound, which the whole bound exceeds. With exact rows every sum's row
/// is settled: it is the row drawn. Written without branches, so that the compiler can take
/// several samples at once.
void certify(const CurveJob& job, std::span<const double> xs, std::span<const double> sums,
    std::span<const double> closedBounds, std::span<unsigned char> certain)
{
    if (job.road.exactRows) {
        std::fill_n(certain.begin(), xs.size(), static_cast<unsigned char>(1));
        return;
    }
    const double sign = job.wave.pointSign;
    const double height = static_cast<double>(job.mapping.height());
    const double minimumBound = job.tuning.minimumBound;
    for (std::size_t s = 0; s < xs.size(); ++s) {
        const double y = sums[s];
        const double spread = certificationSpread(job.road.bound.at(xs[s]) + closedBounds[s], y);
        const double raised = spread < minimumBound ? minimumBound : spread;
        const double e = raised > largestSpread ? largestSpread : raised;
        const double pLow = job.mapping.pixelY(static_cast<float>(sign * (y - e)));
        const double pHigh = job.mapping.pixelY(static_cast<float>(sign * (y + e)));
        // Limited to [-0.5, height], truncation gives the row, or the height below the area;
        // above it, the sign tells -0.5 from the top row.
        const double limitedLow = pLow < -0.5 ? -0.5 : (pLow > height ? height : pLow);
        const double limitedHigh = pHigh < -0.5 ? -0.5 : (pHigh > height ? height : pHigh);
        const bool sameRow = static_cast<int>(limitedLow) == static_cast<int>(limitedHigh);
        certain[s] = static_cast<unsigned char>(sameRow & ((pLow < 0.0) == (pHigh < 0.0)));
    }
}

void runChunk(CurveJob& job, Chunk& chunk, const KeepGoing& keepGoing)
{
    RotationSummer summer(job.wave, job.road.extraTerms, job.tuning.allowWideKernel);
    std::array<double, RotationSummer::groupSize> sums {};
    std::array<double, RotationSummer::groupSize> closedBounds {};
    std::array<unsigned char, RotationSummer::groupSize> certain {};
    const double sign = job.wave.pointSign;
    const double height = static_cast<double>(job.mapping.height());
    std::size_t out = chunk.first;
    // A point on the pixel the previous one set would change nothing: most samples of a smooth
    // curve share their pixel with a neighbour.
    int lastColumn = -1;
    int lastRow = -1;
    for (std::size_t group = chunk.first; group < chunk.last; group += RotationSummer::groupSize) {
        const auto xs
            = job.samples.subspan(group, std::min(RotationSummer::groupSize, chunk.last - group));
        if (!sumGroup(job, summer, xs, sums, closedBounds, keepGoing))
            return;
        certify(job, xs, sums, closedBounds, certain);
        for (std::size_t s = 0; s < xs.size(); ++s) {
            const double x = xs[s];
            double y = sums[s];
            if (!certain[s]) {
                const auto exact = referenceSumWhile(job.wave, job.count, x, keepGoing);
                if (!exact)
                    return;
                y = *exact;
            }
            const float pointX = static_cast<float>(x);
            const float pointY = static_cast<float>(sign * y);
            // What mapping.row and mapping.column tell, without an optional in memory per sample;
            // every sample here is in a visible column.
            const double pixelY = job.mapping.pixelY(pointY);
            if (!(pixelY >= 0.0 && pixelY < height))
                continue;
            const int row = static_cast<int>(pixelY);
            const int column = static_cast<int>(job.mapping.pixelX(pointX));
            if (column == lastColumn && row == lastRow)
                continue;
            lastColumn = column;
            lastRow = row;
            job.xs[out] = pointX;
            job.ys[out] = pointY;
            ++out;
        }
    }
    chunk.kept = out - chunk.first;
}

/// Runs one worker per chunk while this thread waits, reporting progress. False when cancelled.
bool runWorkers(CurveJob& job, std::vector<Chunk>& chunks, const ProgressCallback& progress)
{
    const double total = static_cast<double>(job.samples.size())
        * (job.road.closedForms ? 1.0 : static_cast<double>(*job.road.extraTerms) + 1.0);
    return runTasks(
        chunks.size(),
        [&job, &chunks](std::size_t chunk, const KeepGoing& keepGoing) {
            runChunk(job, chunks[chunk], keepGoing);
        },
        job.stop,
        [&job, &progress, total] {
            const double done = static_cast<double>(job.done.load(std::memory_order_relaxed));
            return progress(total > 0.0 ? std::min(1.0, done / total) : 0.0);
        },
        job.tuning.startThread);
}

} // namespace

SampleRange visibleSamples(std::span<const double> xs, const UserMapping& mapping)
{
    const bool rising = mapping.right() > mapping.left();
    const double width = static_cast<double>(mapping.width());
    // Off the area on the side the samples start from: left, or right for a reversed axis.
    const auto before = [&](double x) {
        const double p = mapping.pixelX(static_cast<float>(x));
        return rising ? p < 0.0 : p >= width;
    };
    const auto inside = [&](double x) { return mapping.column(static_cast<float>(x)).has_value(); };
    const auto first = std::partition_point(xs.begin(), xs.end(), before);
    const auto last = std::partition_point(first, xs.end(), inside);
    return { static_cast<std::size_t>(first - xs.begin()),
        static_cast<std::size_t>(last - xs.begin()) };
}

std::optional<CurvePoints> computeCurve(const Wave& wave, double count, const UserMapping& mapping,
    const ProgressCallback& progress, const CurveTuning& tuning)
{
    const auto samples = curveSamples();
    const SampleRange visible = visibleSamples(samples, mapping);
    if (!progress(0.0))
        return std::nullopt;
    const SumRoad road = sumRoad(wave, count, tuning);
    // Every wave the program draws has closed forms; one without them, at a count the plain
    // loop cannot count to, has no sum to wait for.
    if (!road.extraTerms && !road.closedForms)
        return std::nullopt;
    const auto visibleXs = samples.subspan(visible.first, visible.size());

    CurvePoints enclosed;
    switch (drawCurveByEnclosures(
        { wave, count, road, mapping, visibleXs, tuning, progress }, enclosed)) {
    case EnclosureOutcome::Drawn:
        return enclosed;
    case EnclosureOutcome::Cancelled:
        return std::nullopt;
    case EnclosureOutcome::Declined:
        break;
    }

    // A slot for every visible sample, left uninitialised: only the pages of the points kept
    // are ever touched, a few for a smooth curve.
    const auto slotsX = std::make_unique_for_overwrite<float[]>(visible.size());
    const auto slotsY = std::make_unique_for_overwrite<float[]>(visible.size());
    CurveJob job { wave, count, road, mapping, tuning, visibleXs, { slotsX.get(), visible.size() },
        { slotsY.get(), visible.size() } };

    // Whole groups to each worker, as evenly as they go.
    constexpr std::size_t group = RotationSummer::groupSize;
    const std::size_t groups = (visible.size() + group - 1) / group;
    const std::size_t workers = std::min(coreCount(), groups);
    std::vector<Chunk> chunks(workers);
    for (std::size_t w = 0; w < workers; ++w) {
        chunks[w].first = std::min(visible.size(), w * groups / workers * group);
        chunks[w].last = std::min(visible.size(), (w + 1) * groups / workers * group);
    }
    if (!runWorkers(job, chunks, progress))
        return std::nullopt;

    std::size_t kept = 0;
    for (const Chunk& chunk : chunks)
        kept += chunk.kept;
    CurvePoints points;
    points.xs.reserve(kept);
    points.ys.reserve(kept);
    for (const Chunk& chunk : chunks) {
        const float* xs = slotsX.get() + chunk.first;
        const float* ys = slotsY.get() + chunk.first;
        points.xs.insert(points.xs.end(), xs, xs + chunk.kept);
        points.ys.insert(points.ys.end(), ys, ys + chunk.kept);
    }
    return points;
}

} // namespace fourier
