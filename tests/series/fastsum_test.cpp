#include "fastsum.h"
#include "sampling.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
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
    for (const auto& [count, expected] : cases)
        EXPECT_EQ(extraTermCount(count), expected) << count;
}

// The recurrence stays within the bound of the plain loop at samples across the whole range,
// on either kernel, and the bound stays far below a pixel so that the plain loop is rarely
// needed.
class Bound : public ::testing::TestWithParam<std::tuple<const Wave*, double>> { };

TEST_P(Bound, CoversTheRecurrencesError)
{
    const auto [wave, count] = GetParam();
    const std::atomic<bool> stop { false };
    const auto bound = certaintyBound(*wave, extraTermCount(count), stop);
    ASSERT_TRUE(bound.has_value());
    EXPECT_LT(bound->at(sampleLast), 1e-9);

    // Fewer samples for more terms keeps the plain loop's share of the suite small; the ends of
    // the range, where the error is largest, are always in.
    std::vector<double> xs;
    const auto samples = curveSamples();
    const auto stride = static_cast<std::size_t>(std::max(397.0, count / 5));
    for (std::size_t i = 0; i < samples.size(); i += stride)
        xs.push_back(samples[i]);
    xs.push_back(samples.back());
    std::vector<double> expected;
    for (const double x : xs)
        expected.push_back(referenceSum(*wave, count, x));

    for (const bool wide : { true, false }) {
        RotationSummer summer(*wave, extraTermCount(count), wide);
        std::atomic<std::uint64_t> done { 0 };
        std::vector<double> ys(xs.size());
        for (std::size_t i = 0; i < xs.size(); i += RotationSummer::groupSize) {
            const std::size_t n = std::min(RotationSummer::groupSize, xs.size() - i);
            ASSERT_TRUE(
                summer.sum(std::span(xs).subspan(i, n), std::span(ys).subspan(i, n), stop, done));
        }
        for (std::size_t i = 0; i < xs.size(); ++i) {
            const double error = std::abs(ys[i] - expected[i]);
            ASSERT_LE(error, bound->at(xs[i])) << "x " << xs[i] << (wide ? " wide" : "");
        }
        EXPECT_EQ(done.load(), xs.size() * static_cast<std::uint64_t>(count));
    }
}

INSTANTIATE_TEST_SUITE_P(Waves, Bound,
    ::testing::Combine(::testing::Values(&squareWave, &triangleWave, &sawtoothWave),
        ::testing::Values(2, 100, 1000, 10000)));

// A stop raised from outside ends even an endless sum and an endless bound.
TEST(Stop, EndsEndlessWork)
{
    const std::atomic<bool> stop { true };
    EXPECT_FALSE(certaintyBound(squareWave, std::nullopt, stop).has_value());
    RotationSummer summer(squareWave, std::nullopt, true);
    const std::vector<double> xs { 0.5, 1.5 };
    std::vector<double> ys(xs.size());
    std::atomic<std::uint64_t> done { 0 };
    EXPECT_FALSE(summer.sum(xs, ys, stop, done));
}

} // namespace
} // namespace fourier
