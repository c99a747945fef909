// SPDX-License-Identifier: MIT
// Compares the pixels the program draws for a curve with those of a slower, trusted way of
// drawing it, over a grid of waves, counts and scales: the plain loop (every sample through
// referenceSum) for counts it finishes in seconds, the per-sample certified path, its sums taken
// term by term, beyond; and above ten million terms, where every pixel is the exact sum's row,
// every sample through certifiedSum. Prints one line per case and the total of differing
// pixels, which must be 0. Takes minutes.
//
// Usage: curve_sweep [--quick]   (--quick: the first counts only, for a smoke run)

#include "closedsum.h"
#include "curve.h"
#include "fastsum.h"
#include "parallel.h"
#include "plotarea.h"
#include "sampling.h"
#include "usermapping.h"
#include "wave.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <limits>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace fourier {
namespace {

using Pixels = std::set<std::pair<int, int>>;

UserMapping mappingFor(double scale)
{
    return *UserMapping::fromEdges(plotAreaWidth, plotAreaHeight, toFloat(-scale), toFloat(scale),
        toFloat(scale), toFloat(-scale));
}

void add(Pixels& pixels, const UserMapping& mapping, float x, float y)
{
    const auto column = mapping.column(x);
    const auto row = mapping.row(y);
    if (column && row)
        pixels.emplace(*column, *row);
}

/// What a case is compared with.
enum class Against { Plain, PerSample, Exact };

/// Every visible sample through referenceSum, or certifiedSum for \a exact, on every core.
Pixels samplePixels(const Wave& wave, double count, const UserMapping& mapping, bool exact)
{
    const auto samples = curveSamples();
    const SampleRange visible = visibleSamples(samples, mapping);
    const std::size_t threads = coreCount();
    std::vector<Pixels> shares(threads);
    std::vector<std::thread> workers;
    for (std::size_t t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            for (std::size_t i = visible.first + t; i < visible.last; i += threads) {
                const double x = samples[i];
                const double y
                    = exact ? certifiedSum(wave, count, x).value : referenceSum(wave, count, x);
                add(shares[t], mapping, static_cast<float>(x),
                    static_cast<float>(wave.pointSign * y));
            }
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    Pixels pixels;
    for (const Pixels& share : shares)
        pixels.insert(share.begin(), share.end());
    return pixels;
}

Pixels curvePixels(
    const Wave& wave, double count, const UserMapping& mapping, const CurveTuning& tuning)
{
    const auto points = computeCurve(
        wave, count, mapping, [](double) { return true; }, tuning);
    Pixels pixels;
    for (std::size_t i = 0; i < points->xs.size(); ++i)
        add(pixels, mapping, points->xs[i], points->ys[i]);
    return pixels;
}

std::size_t differing(const Pixels& a, const Pixels& b)
{
    std::size_t n = 0;
    for (const auto& p : a)
        n += b.count(p) ? 0 : 1;
    for (const auto& p : b)
        n += a.count(p) ? 0 : 1;
    return n;
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Case {
    const Wave* wave;
    double count;
    double scale;
    Against against;
};

std::vector<Case> sweepCases(bool quick)
{
    const std::array waves { &squareWave, &triangleWave, &sawtoothWave };
    std::vector<double> plainCounts { 0.5, 1, 2, 2.5, 3, 4, 7, 10, 100, 1000 };
    // 3.14159 puts the square wave's plateau at pi just above the top edge, 3.85289431 both
    // plateaus 2e-9 off an edge.
    const std::vector<double> scales { 1, 2.5, 0.37, 10, 13.7, 20, -10, -20, 3.14159, 3.85289431 };
    if (quick)
        plainCounts.resize(8);
    // The highest sample of each wave within a hair of a row edge: 20 terms within 5e-9,
    // 1.5e-8 and 2.1e-7; the triangle's crest with 2,606,850 terms 4e-14 below one.
    std::vector<Case> cases { { &squareWave, 20, 10.2903557, Against::Plain },
        { &triangleWave, 20, 10.376236, Against::Plain },
        { &sawtoothWave, 20, 9.74475288, Against::Plain } };
    if (!quick)
        cases.push_back({ &triangleWave, 2606850, 9.06107712, Against::PerSample });
    for (const Wave* wave : waves) {
        for (const double count : plainCounts) {
            for (const double scale : scales)
                cases.push_back({ wave, count, scale, Against::Plain });
        }
        if (quick)
            continue;
        for (const double scale : { 1.0, 2.5 })
            cases.push_back({ wave, 1e4, scale, Against::Plain });
        for (const double count : { 1e4, 12345.6, 1e5 }) {
            for (const double scale : { 2.5, 10.0, 20.0, -10.0, 3.14159, 3.85289431 })
                cases.push_back({ wave, count, scale, Against::PerSample });
        }
        for (const double scale : { 10.0, 3.14159, 3.85289431 })
            cases.push_back({ wave, 1e6, scale, Against::PerSample });
        // Exact rows: just above ten million terms, beyond the plain loop's reach, the limit.
        for (const double count :
            { 1e7 + 1, 1e9, 1e12, 0x1p53, 1e300, std::numeric_limits<double>::infinity() }) {
            for (const double scale : { 20.0, 0.1, 3.14159, 3.85289431, 9.06107712, 11.0479078 })
                cases.push_back({ wave, count, scale, Against::Exact });
        }
    }
    return cases;
}

} // namespace
} // namespace fourier

int main(int argc, char* argv[])
{
    using namespace fourier;
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    const std::vector<Case> cases = sweepCases(quick);
    // The per-sample reference sums term by term, so that it shares no sum with the enclosures.
    const CurveTuning perSample { .allowEnclosures = false,
        .closedFormTerms = std::numeric_limits<double>::infinity() };
    std::size_t total = 0;
    std::printf("%-9s %9s %6s  %-11s %7s %9s %9s %9s\n", "wave", "n", "scale", "against", "pixels",
        "differ", "drawn ms", "check s");
    for (const Case& c : cases) {
        const UserMapping mapping = mappingFor(c.scale);
        const auto start = std::chrono::steady_clock::now();
        const Pixels drawn = curvePixels(*c.wave, c.count, mapping, {});
        const double drawnSeconds = secondsSince(start);
        const auto checkStart = std::chrono::steady_clock::now();
        const Pixels expected = c.against == Against::PerSample
            ? curvePixels(*c.wave, c.count, mapping, perSample)
            : samplePixels(*c.wave, c.count, mapping, c.against == Against::Exact);
        const std::size_t wrong = differing(drawn, expected);
        total += wrong;
        const char* against = c.against == Against::Plain ? "plain"
            : c.against == Against::Exact                 ? "exact"
                                                          : "per-sample";
        std::printf("%-9s %9g %6g  %-11s %7zu %9zu %9.2f %9.1f\n",
            std::string(c.wave->name).c_str(), c.count, c.scale, against, expected.size(), wrong,
            drawnSeconds * 1e3, secondsSince(checkStart));
        std::fflush(stdout);
    }
    std::printf("%zu cases, %zu differing pixels in all\n", cases.size(), total);
    return total == 0 ? 0 : 1;
}
