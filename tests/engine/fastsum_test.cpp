// SPDX-License-Identifier: MIT
#include "casenames.h"
#include "fastsum.h"
#include "sampling.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
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

    for (const auto& xs : groups) {
        std::vector<double> expected;
        for (const double x : xs)
            expected.push_back(referenceSum(*wave, count, x));
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
