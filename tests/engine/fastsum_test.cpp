// SPDX-License-Identifier: MIT
#include "casenames.h"
#include "curve.h"
#include "fastsum.h"
#include "parallel.h"
#include "plotarea.h"
#include "sampling.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

namespace fourier {
namespace {

TEST(ExtraTermCount, CountsTheWholeNumbersFromTwoToTheCount)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const std::vector<std::pair<double, std::optional<std::uint64_t>>> cases {
        { 0.5, 0 },
        { 1, 0 },
        { 1.999, 0 },
        { 2, 1 },
        { 2.5, 1 },
        { 1000, 999 },
        { 1e9, 999'999'999 },
        { 0x1p53 - 1, 0x1p53 - 2 },
        { -3, 0 },
        { std::nan(""), 0 },
        { 0x1p53, std::nullopt },
        { 1e300, std::nullopt },
        { infinity, std::nullopt },
    };
    for (const auto& [count, expected] : cases) {
        EXPECT_EQ(extraTermCount(count), expected) << count;
    }
}

/// The exact partial sum, as near as long double takes it: for these counts within 10^-13.
long double exactSum(const Wave& wave, double count, double x)
{
    const auto basis = [&](long double t) { return wave.basis == Basis::Sine ? sinl(t) : cosl(t); };
    long double y = seriesAmplitude * basis(x);
    std::int64_t k = 1;
    for (std::int64_t term = 2; static_cast<double>(term) <= count; ++term) {
        k += wave.step;
        y += coefficient(wave.falloff, static_cast<double>(k))
            * basis(static_cast<long double>(k) * x);
    }
    return y;
}

// The recurrence stays within the bound of the plain loop at samples across the whole range,
// on either kernel, and the bound stays far below a pixel so that the plain loop is rarely
// needed. Each of the sharper halves holds on its own, next to the points where the
// recurrence's errors stop cancelling too, and so does the near-plain sum's bound.
class Bound : public ::testing::TestWithParam<std::tuple<const Wave*, double>> { };

TEST_P(Bound, CoversTheRecurrencesError)
{
    const auto [wave, count] = GetParam();
    const std::function<bool()> keepGoing = [] { return true; };
    const auto bound = certaintyBound(*wave, *extraTermCount(count));
    EXPECT_LT(bound.at(sampleLast), 1e-9);

    // Groups spread over the whole range start each sample from the library; runs of
    // neighbours turn their anchor to each sample. Fewer spread samples for more terms keep the
    // plain loop's share of the suite small; the ends of the range, where the error is
    // largest, are always in.
    const auto samples = curveSamples();
    std::vector<std::vector<double>> groups(1);
    const auto stride = static_cast<std::size_t>(std::max(397.0, count / 5));
    for (std::size_t i = 0; i < samples.size(); i += stride) {
        if (groups.back().size() == RotationSummer::groupSize)
            groups.emplace_back();
        groups.back().push_back(samples[i]);
    }
    constexpr std::size_t runs = 8;
    constexpr std::size_t runLength = 64;
    for (std::size_t r = 0; r < runs; ++r) {
        const std::size_t first = r * (samples.size() - runLength) / (runs - 1);
        groups.emplace_back(samples.begin() + first, samples.begin() + first + runLength);
    }
    for (const double resonance : { 0.0, std::numbers::pi, -2 * std::numbers::pi }) {
        const auto at = std::lower_bound(samples.begin(), samples.end(), resonance) - runLength / 2;
        groups.emplace_back(at, at + runLength);
    }
    const SumBounds halves = sumBounds(*wave, *extraTermCount(count));
    const double step = wave->step;
    const auto least = [step](double x) { return std::abs(std::sin(step * x / 2)) * (1 - 1e-13); };
    constexpr long double exactError = 1e-13;

    for (std::size_t g = 0; g < groups.size(); ++g) {
        const auto& xs = groups[g];
        // The long double sum is dear: every sixteenth sample of the runs only, which reach the
        // ends of the range and the resonances.
        const std::size_t exactStride = g + runs + 3 >= groups.size() ? 16 : xs.size();
        std::vector<double> expected;
        for (const double x : xs)
            expected.push_back(referenceSum(*wave, count, x));
        std::vector<long double> exact;
        for (std::size_t i = 0; i < xs.size(); i += exactStride) {
            exact.push_back(exactSum(*wave, count, xs[i]));
            ASSERT_LE(std::abs(expected[i] - exact.back()),
                halves.plainAt(xs[i], least(xs[i])) + exactError)
                << "x " << xs[i];
            const auto nearPlain = nearPlainSum(*wave, *extraTermCount(count), xs[i], keepGoing);
            ASSERT_TRUE(nearPlain.has_value());
            ASSERT_LE(std::abs(expected[i] - *nearPlain),
                halves.nearPlainAt(xs[i], least(xs[i]), *nearPlain))
                << "x " << xs[i];
        }
        for (const bool wide : { true, false }) {
            RotationSummer summer(*wave, extraTermCount(count), wide);
            std::atomic<std::uint64_t> done { 0 };
            std::vector<double> ys(xs.size());
            ASSERT_TRUE(summer.sum(xs, ys, keepGoing, done));
            EXPECT_EQ(done.load(), xs.size() * static_cast<std::uint64_t>(count));
            for (std::size_t i = 0; i < xs.size(); ++i) {
                ASSERT_LE(std::abs(ys[i] - expected[i]), bound.at(xs[i]))
                    << "x " << xs[i] << (wide ? " wide" : "");
            }
            for (std::size_t i = 0; i < xs.size(); i += exactStride) {
                ASSERT_LE(std::abs(ys[i] - exact[i / exactStride]),
                    halves.recurrenceAt(xs[i], least(xs[i])) + exactError)
                    << "x " << xs[i] << (wide ? " wide" : "");
            }
        }
    }
}

std::string boundName(const ::testing::TestParamInfo<Bound::ParamType>& param)
{
    const auto [wave, count] = param.param;
    return std::string(wave->name) + "_n" + testing::numberName(count);
}

INSTANTIATE_TEST_SUITE_P(Waves, Bound,
    ::testing::Combine(::testing::Values(&squareWave, &triangleWave, &sawtoothWave),
        ::testing::Values(1, 2, 3, 100, 1000, 10000)),
    boundName);

// Far out on the line the plain loop's rounding of k x moves the square wave's and the
// sawtooth's sums most; the near-plain sum puts that rounding in, and so lies nearer the plain
// loop than the recurrence. (The triangle's small coefficients leave that rounding little to
// move, and its recurrence, adding nearly the same terms in the same order, rounds much as the
// plain loop does.)
TEST(NearPlainSum, IsNearerThePlainLoopThanTheRecurrence)
{
    constexpr double count = 100000;
    const std::function<bool()> keepGoing = [] { return true; };
    for (const Wave* wave : { &squareWave, &sawtoothWave }) {
        std::vector<double> xs;
        for (double x = -19.95; x < 20; x += 2.5)
            xs.push_back(x);
        std::vector<double> recurrence(xs.size());
        RotationSummer summer(*wave, extraTermCount(count), false);
        std::atomic<std::uint64_t> done { 0 };
        ASSERT_TRUE(summer.sum(xs, recurrence, keepGoing, done));
        double recurrenceOff = 0.0;
        double nearPlainOff = 0.0;
        for (std::size_t i = 0; i < xs.size(); ++i) {
            const double plain = referenceSum(*wave, count, xs[i]);
            recurrenceOff = std::max(recurrenceOff, std::abs(recurrence[i] - plain));
            const auto nearPlain = nearPlainSum(*wave, *extraTermCount(count), xs[i], keepGoing);
            ASSERT_TRUE(nearPlain.has_value());
            nearPlainOff = std::max(nearPlainOff, std::abs(*nearPlain - plain));
        }
        EXPECT_LT(nearPlainOff, recurrenceOff / 2) << wave->name;
    }
}

// The plain loop with its terms shared among threads adds the very same terms in the very same
// order: the same double, bit for bit, on either side of the threads' shares and rounds. A
// report that says stop ends it with nothing.
TEST(ReferenceSumOnThreads, IsThePlainLoopBitForBit)
{
    constexpr std::uint64_t share = std::uint64_t { 1 } << 17;
    const std::vector<std::tuple<const Wave*, std::uint64_t, double, std::size_t>> cases {
        { &squareWave, 0, 1.25, 2 },
        { &squareWave, 1, -0.7, 2 },
        { &squareWave, share - 1, 2.7152, 2 },
        { &triangleWave, share, -19.9999, 2 },
        { &sawtoothWave, share + 1, 3.1416, 2 },
        { &squareWave, 2 * share, 0.3846, 2 },
        { &sawtoothWave, 2 * share + 3, -6.2831, 3 },
        { &triangleWave, 5 * share / 2, 0.0001, 1 },
    };
    for (const auto& [wave, extraTerms, x, threads] : cases) {
        const double count = static_cast<double>(extraTerms) + 1;
        const auto shared = referenceSumOnThreads(
            *wave, extraTerms, x, threads, [] { return true; }, startSystemThread);
        ASSERT_TRUE(shared.has_value());
        EXPECT_EQ(*shared, referenceSum(*wave, count, x))
            << wave->name << " " << extraTerms << " terms at " << x;
    }
    EXPECT_FALSE(referenceSumOnThreads(
        squareWave, 1'000'000'000, 1.0, 2, [] { return false; }, startSystemThread));
}

// Told to stop, even an endless sum ends.
TEST(Stop, EndsEndlessWork)
{
    const std::function<bool()> stop = [] { return false; };
    RotationSummer summer(squareWave, std::nullopt, true);
    const std::vector<double> xs { 0.5, 1.5 };
    std::vector<double> ys(xs.size());
    std::atomic<std::uint64_t> done { 0 };
    EXPECT_FALSE(summer.sum(xs, ys, stop, done));
    EXPECT_TRUE(summer.sum({}, {}, stop, done)) << "an empty group has nothing to stop";
}

} // namespace
} // namespace fourier
