// SPDX-License-Identifier: MIT
#include "casenames.h"
#include "closedsum.h"
#include "curve.h"
#include "fastsum.h"
#include "imagesurface.h"
#include "pixels.h"
#include "plotarea.h"
#include "sampling.h"

#include <array>
#include <chrono>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>
#include <tuple>
#include <vector>

namespace fourier {
namespace {

using testing::differingPixels;

constexpr std::array waves { &squareWave, &triangleWave, &sawtoothWave };
constexpr double infinity = std::numeric_limits<double>::infinity();
/// The colour curves are drawn in here: any one the plot area can show.
constexpr Colour curveColour = colours::purple;

/// A system with no thread to give, as under a tight limit on processes: pthread_create's EAGAIN.
std::thread refuseThread(std::function<void()>)
{
    throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
}

/// A system that gives the first \a threads threads asked of it and refuses every later one.
ThreadStarter allowFirst(int threads)
{
    return [left = std::make_shared<int>(threads)](std::function<void()> work) {
        if (*left <= 0)
            return refuseThread(std::move(work));
        --*left;
        return std::thread(std::move(work));
    };
}

/// A surface of the window's size in the system setscale makes for \a scale.
ImageSurface scaledSurface(double scale)
{
    ImageSurface surface(plotAreaWidth, plotAreaHeight);
    surface.Scale(toFloat(-scale), toFloat(scale), toFloat(scale), toFloat(-scale));
    return surface;
}

/// The curve drawn the plain way: every sample in a visible column through referenceSum.
QImage referenceImage(const Wave& wave, double count, double scale)
{
    ImageSurface surface = scaledSurface(scale);
    for (const double x : curveSamples()) {
        if (surface.mapping().column(static_cast<float>(x))) {
            surface.PSet(static_cast<float>(x),
                static_cast<float>(wave.pointSign * referenceSum(wave, count, x)), curveColour);
        }
    }
    return surface.image();
}

/// The curve drawn from the exact sums: every sample in a visible column at certifiedSum's value,
/// the row the program draws above CurveTuning::exactRowsAbove terms.
QImage exactSumImage(const Wave& wave, double count, double scale)
{
    ImageSurface surface = scaledSurface(scale);
    for (const double x : curveSamples()) {
        if (surface.mapping().column(static_cast<float>(x))) {
            const double y = certifiedSum(wave, count, x).value;
            surface.PSet(
                static_cast<float>(x), static_cast<float>(wave.pointSign * y), curveColour);
        }
    }
    return surface.image();
}

QImage fastImage(const Wave& wave, double count, double scale, const CurveTuning& tuning = {})
{
    ImageSurface surface = scaledSurface(scale);
    const auto points = computeCurve(
        wave, count, surface.mapping(), [](double) { return true; }, tuning);
    EXPECT_TRUE(points.has_value());
    if (points)
        surface.PSetMany(points->xs, points->ys, curveColour);
    return surface.image();
}

using CurveCase = std::tuple<const Wave*, double, double>;

std::string caseName(const ::testing::TestParamInfo<CurveCase>& param)
{
    const auto [wave, count, scale] = param.param;
    return std::string(wave->name) + "_n" + testing::numberName(count) + "_scale"
        + testing::numberName(scale);
}

// Every way of drawing a curve against the plain loop, pixel for pixel: from enclosures, each
// of them checked against the plain loop at every sample it covers, and sample by sample on
// either kernel, with threads or, when the system refuses them, on the calling thread. At
// scale 0.01 a column is narrower than the samples, so the enclosures leave the curve to the
// per-sample path.
class PixelIdentity : public ::testing::TestWithParam<CurveCase> { };

using CurvePath = std::pair<const char*, CurveTuning>;
const std::array<CurvePath, 5> everyPath { {
    { "enclosures", { .checkEnclosures = true } },
    { "enclosures, no threads", { .startThread = refuseThread } },
    { "per sample, best kernel", { .allowEnclosures = false } },
    { "per sample, baseline kernel", { .allowWideKernel = false, .allowEnclosures = false } },
    { "per sample, no threads", { .allowEnclosures = false, .startThread = refuseThread } },
} };

/// Draws the curve by every path, each held to the plain loop's pixels or, where the path takes
/// exact rows for its count, to the exact sums'. The plain loop is run only where some path needs
/// it: it could never finish the largest counts.
void expectThePlainLoopsPixels(const CurveCase& curve, std::span<const CurvePath> paths)
{
    const auto [wave, count, scale] = curve;
    std::optional<QImage> plain;
    std::optional<QImage> exact;
    for (const auto& [path, tuning] : paths) {
        const bool exactRows = termCount(count) > tuning.exactRowsAbove;
        std::optional<QImage>& expected = exactRows ? exact : plain;
        if (!expected) {
            expected = exactRows ? exactSumImage(*wave, count, scale)
                                 : referenceImage(*wave, count, scale);
        }
        const QImage actual = fastImage(*wave, count, scale, tuning);
        EXPECT_EQ(differingPixels(actual, *expected), 0u)
            << path << (exactRows ? ", against the exact sums" : "");
    }
}

TEST_P(PixelIdentity, EveryPathDrawsThePlainLoopsPixels)
{
    expectThePlainLoopsPixels(GetParam(), everyPath);
}

// Up to 20 terms at every scale; more only at some, since the plain loop takes seconds a wave
// over the whole range. Scale -10 mirrors scale 10, and 20 reaches the largest |x|.
INSTANTIATE_TEST_SUITE_P(SmallCounts, PixelIdentity,
    ::testing::Combine(::testing::ValuesIn(waves), ::testing::Values(1, 2, 3, 4, 7, 20),
        ::testing::Values(20, 10, 3, 0.5, -10, 0.01)),
    caseName);
// A wave is known by what it says it is, not by its numbers: the square's terms, declared to have
// no closed forms, take the roads that sum term by term, to the same pixels.
constexpr Wave squareTermsAlone { "SquareTermsAlone", squareWave.basis, squareWave.step,
    squareWave.falloff, squareWave.pointSign, ClosedForms::None, 0.0, 0.0, 0.0, nullptr };
INSTANTIATE_TEST_SUITE_P(NoClosedForms, PixelIdentity,
    ::testing::Combine(::testing::Values(&squareTermsAlone), ::testing::Values(1, 4, 20),
        ::testing::Values(20, 3, -10)),
    caseName);
INSTANTIATE_TEST_SUITE_P(HundredTerms, PixelIdentity,
    ::testing::Combine(
        ::testing::ValuesIn(waves), ::testing::Values(100), ::testing::Values(20, 3, 0.5, -10)),
    caseName);
INSTANTIATE_TEST_SUITE_P(ThousandTerms, PixelIdentity,
    ::testing::Combine(
        ::testing::ValuesIn(waves), ::testing::Values(1000), ::testing::Values(3, 0.5)),
    caseName);
// Above ten million terms every pixel is the exact sum's: just above it, counts the plain loop
// cannot count to (from 2^53, where 1e308 overflows the closed forms' products), and the
// series' limit. At scale 0.01 the per-sample path draws them.
INSTANTIATE_TEST_SUITE_P(LongCounts, PixelIdentity,
    ::testing::Values(CurveCase { &squareWave, 1e7 + 1, 20 },
        CurveCase { &triangleWave, 1e7 + 1, -10 }, CurveCase { &sawtoothWave, 1e7 + 1, 3 },
        CurveCase { &squareWave, 0x1p53, -10 }, CurveCase { &triangleWave, 1e300, 20 },
        CurveCase { &sawtoothWave, 1e308, 20 }, CurveCase { &squareWave, 1e15, 0.01 },
        CurveCase { &squareWave, infinity, 3 }, CurveCase { &triangleWave, infinity, 0.01 },
        CurveCase { &sawtoothWave, infinity, -10 }),
    caseName);

// Where a plateau or a crest runs within a hair of a row edge: the square wave's plateau at pi
// just above the top edge at scale 3.14159, both plateaus 2e-9 off the edges at 3.85289431,
// the highest sample of the square wave, the triangle and the sawtooth with 20 terms within
// 5e-9, 1.5e-8 and 2.1e-7 of an edge, the triangle's crest 4e-14 below one at 9.06107712 and
// the sawtooth's highest sample 5e-10 off one at 11.0479078. Besides every path above, the
// enclosures take the road of many terms (single samples, rows in question settled only where
// they matter), once more with so wide a bound that many sums leave their rows in question.
//
// Those rows in question are the samples whose plain-loop value the bound cannot place on one
// side of an edge: up to the count where rows become the exact sums' (lowered here to the
// count itself), the plain loop settles them, whether the anchors are summed term by term or
// from the closed forms; above it (the count less one), each takes the row of its exact sum.
// Just above ten million terms, where the plain loop's rounding reaches those edges, every path
// draws the exact sums' rows.
class RowEdge : public ::testing::TestWithParam<CurveCase> { };

TEST_P(RowEdge, EveryPathDrawsThePlainLoopsPixels)
{
    const auto [wave, count, scale] = GetParam();
    const double inQuestion = 0.05 * 2 * std::abs(scale) / plotAreaHeight;
    std::vector<CurvePath> paths(everyPath.begin(), everyPath.end());
    paths.push_back({ "enclosures, many terms", { .checkEnclosures = true, .cheapSumTerms = 1 } });
    paths.push_back({ "enclosures, many terms, rows in question",
        { .minimumBound = inQuestion, .checkEnclosures = true, .cheapSumTerms = 1 } });
    if (count <= plainRowsUpTo) {
        const double below = count - 1;
        paths.push_back({ "closed forms, rows in question, plain rows",
            { .minimumBound = inQuestion,
                .checkEnclosures = true,
                .cheapSumTerms = 1,
                .closedFormTerms = 1,
                .exactRowsAbove = count } });
        paths.push_back({ "closed forms, per sample, plain rows",
            { .minimumBound = inQuestion, .allowEnclosures = false, .closedFormTerms = 1 } });
        paths.push_back({ "rows in question, exact rows",
            { .minimumBound = inQuestion, .checkEnclosures = true, .exactRowsAbove = below } });
        paths.push_back(
            { "per sample, exact rows", { .allowEnclosures = false, .exactRowsAbove = below } });
    }
    expectThePlainLoopsPixels(GetParam(), paths);
}

INSTANTIATE_TEST_SUITE_P(Grazing, RowEdge,
    ::testing::Values(CurveCase { &squareWave, 100, 3.14159 },
        CurveCase { &squareWave, 100, 3.85289431 }, CurveCase { &triangleWave, 100, 3.14159 },
        CurveCase { &sawtoothWave, 100, 3.85289431 }, CurveCase { &squareWave, 20, 10.2903557 },
        CurveCase { &triangleWave, 20, 10.376236 }, CurveCase { &sawtoothWave, 20, 9.74475288 },
        CurveCase { &squareWave, 1e7 + 1, 3.85289431 },
        CurveCase { &triangleWave, 1e7 + 1, 9.06107712 },
        CurveCase { &sawtoothWave, 1e7 + 1, 11.0479078 }),
    caseName);

// With a bound too wide to certify anything (or a good part of every pixel), the plain loop
// takes over sample by sample, and the pixels must not change.
class Fallback : public ::testing::TestWithParam<CurveCase> { };

TEST_P(Fallback, UncertainSamplesTakeThePlainLoop)
{
    const auto [wave, count, scale] = GetParam();
    const QImage expected = referenceImage(*wave, count, scale);
    const double pixelHeight = 2 * std::abs(scale) / plotAreaHeight;
    for (const double bound : { 1e300, 0.3 * pixelHeight }) {
        const QImage actual = fastImage(*wave, count, scale, { .minimumBound = bound });
        EXPECT_EQ(differingPixels(actual, expected), 0u) << "bound " << bound;
    }
}

INSTANTIATE_TEST_SUITE_P(Grid, Fallback,
    ::testing::Combine(
        ::testing::ValuesIn(waves), ::testing::Values(1, 4, 20), ::testing::Values(10, 0.5, -10)),
    caseName);

// A fractional count sums as many terms as its whole part (1 at least).
TEST(FractionalCount, DrawsTheWholePartsCurve)
{
    const std::array<std::pair<double, double>, 4> counts { { { 2.5, 2 }, { 0.5, 1 }, { 1.999, 1 },
        { 7.9, 7 } } };
    for (const Wave* wave : waves) {
        for (const auto& [fractional, whole] : counts) {
            EXPECT_EQ(
                differingPixels(fastImage(*wave, fractional, 10), referenceImage(*wave, whole, 10)),
                0u)
                << wave->name << " " << fractional;
        }
    }
}

// The visible range found by bisection is exactly the set of samples in a column.
class VisibleRange : public ::testing::TestWithParam<double> { };

TEST_P(VisibleRange, MatchesEveryColumnLookup)
{
    const ImageSurface surface = scaledSurface(GetParam());
    const auto samples = curveSamples();
    std::size_t first = samples.size();
    std::size_t last = 0;
    std::size_t count = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (surface.mapping().column(static_cast<float>(samples[i]))) {
            first = std::min(first, i);
            last = i + 1;
            ++count;
        }
    }
    ASSERT_EQ(count, last - first) << "the visible samples are not contiguous";
    const SampleRange range = visibleSamples(samples, surface.mapping());
    EXPECT_EQ(range.first, first);
    EXPECT_EQ(range.last, last);
}

INSTANTIATE_TEST_SUITE_P(Scales, VisibleRange, ::testing::Values(10, 20, 3, 0.5, -10),
    [](const ::testing::TestParamInfo<double>& param) {
        return "scale" + testing::numberName(param.param);
    });

// With fewer threads than cores, or none at all, the calling thread sums the refused shares in
// the workers' slices and reports between them on the usual schedule: a billion terms summed
// one by one still stop at the report that cancels them, with nothing to draw, and at once, for
// someone waiting at Cancel.
using StarvedCase = std::tuple<const Wave*, bool, int, double>;

class CancelWithoutThreads : public ::testing::TestWithParam<StarvedCase> { };

TEST_P(CancelWithoutThreads, StopsAtTheReportThatCancels)
{
    using Clock = std::chrono::steady_clock;
    constexpr auto heardWithin = std::chrono::milliseconds(200);
    const auto [wave, enclosures, threads, scale] = GetParam();
    const ImageSurface surface = scaledSurface(scale);
    // The first report comes before any sum; the third while the calling thread sums.
    constexpr int cancelAt = 3;
    int reports = 0;
    Clock::time_point cancelled;
    const auto points = computeCurve(*wave, 1e9, surface.mapping(),
        [&reports, &cancelled](double fraction) {
            EXPECT_GE(fraction, 0.0);
            EXPECT_LE(fraction, 1.0);
            if (++reports < cancelAt)
                return true;
            cancelled = Clock::now();
            return false;
        },
        { .allowEnclosures = enclosures,
            .startThread = allowFirst(threads),
            .closedFormTerms = infinity,
            .exactRowsAbove = infinity });
    const auto heardAfter = Clock::now() - cancelled;
    EXPECT_FALSE(points.has_value());
    EXPECT_EQ(reports, cancelAt);
    EXPECT_LT(heardAfter, heardWithin)
        << std::chrono::duration<double>(heardAfter).count() << " s after Cancel";
}

std::string starvedName(const ::testing::TestParamInfo<StarvedCase>& param)
{
    const auto [wave, enclosures, threads, scale] = param.param;
    return std::string(wave->name) + (enclosures ? "_enclosures_" : "_perSample_")
        + (threads == 0 ? "noThread" : "oneThread") + "_scale" + testing::numberName(scale);
}

INSTANTIATE_TEST_SUITE_P(Limits, CancelWithoutThreads,
    ::testing::Combine(::testing::Values(&squareWave, &sawtoothWave), ::testing::Bool(),
        ::testing::Values(0, 1), ::testing::Values(20.0, 10.0)),
    starvedName);

// A task that fails on a worker thread fails the whole run on the calling thread, where the
// window turns it into a message, once the other tasks, told to stop, have ended: with a
// thread for every task, and with the last task refused one and left to the calling thread.
TEST(RunTasks, CarryAWorkersFailureBackToTheCallingThread)
{
    for (const int threads : { 3, 2 }) {
        std::atomic<bool> stop { false };
        std::atomic<bool> firstEnded { false };
        const auto task = [&firstEnded](std::size_t i, const KeepGoing& keepGoing) {
            if (i == 1)
                throw std::runtime_error("no room for the sums");
            // The first task would never end unless told to stop.
            while (i == 0 && keepGoing())
                std::this_thread::yield();
            if (i == 0)
                firstEnded = true;
        };
        try {
            runTasks(
                3, task, stop, [] { return true; }, allowFirst(threads));
            ADD_FAILURE() << "the failure was lost, " << threads << " threads";
        } catch (const std::runtime_error& failure) {
            EXPECT_STREQ(failure.what(), "no room for the sums");
        }
        EXPECT_TRUE(firstEnded) << threads << " threads";
    }
}

} // namespace
} // namespace fourier
