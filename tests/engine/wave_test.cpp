// SPDX-License-Identifier: MIT
#include "sampling.h"
#include "wave.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace fourier {
namespace {

constexpr double pi = std::numbers::pi;

/// How the loop of one wave reads when it is written out by hand.
struct WrittenLoop {
    const Wave* wave;
    int step;
    bool cosine;
    bool overKSquared;
};

constexpr WrittenLoop loops[] = { { &squareWave, 2, false, false },
    { &triangleWave, 2, true, true }, { &sawtoothWave, 1, false, false } };

/// The sum as the loop is written: k = 1, y = 4 f(x), then each further term in its own order.
double plainSum(const WrittenLoop& s, double n, double x)
{
    const auto f = [&s](double t) { return s.cosine ? std::cos(t) : std::sin(t); };
    double k = 1;
    double y = f(x) * 4;
    for (double term = 2; term <= n; term = term + 1) {
        k = k + s.step;
        y = y + ((4 * (1 / (s.overKSquared ? k * k : k))) * f(k * x));
    }
    return y;
}

TEST(ReferenceSum, IsThePlainLoopBitForBit)
{
    const auto samples = curveSamples();
    std::vector<double> xs { 0, pi / 8, 1e-3, -1e-300, 7.123, samples.front(), samples.back() };
    for (std::size_t i = 0; i < samples.size(); i += 9973)
        xs.push_back(samples[i]);
    for (const WrittenLoop& s : loops) {
        for (const double n : { 0.5, 1.0, 1.99, 2.0, 2.5, 3.0, 4.0, 10.0, 17.0, 100.0, 1000.0 }) {
            int wrong = 0;
            for (const double x : xs) {
                wrong += std::bit_cast<std::uint64_t>(referenceSum(*s.wave, n, x))
                        != std::bit_cast<std::uint64_t>(plainSum(s, n, x))
                    ? 1
                    : 0;
            }
            EXPECT_EQ(wrong, 0) << s.wave->name << " with " << n << " terms";
        }
    }
}

TEST(ReferenceSum, FourTermsHaveTheirClosedForms)
{
    // The square wave's sum rings about pi, highest an eighth of a period from the jump.
    EXPECT_NEAR(referenceSum(squareWave, 4, pi / 8), 3.72035, 1e-5);
    EXPECT_NEAR(referenceSum(squareWave, 4, pi / 4), 2.80149, 1e-5);
    EXPECT_NEAR(referenceSum(squareWave, 4, -pi / 8), -3.72035, 1e-5);
    for (double x = pi / 8; x <= 7 * pi / 8; x += 0.001)
        EXPECT_TRUE(
            referenceSum(squareWave, 4, x) > 2.8014 && referenceSum(squareWave, 4, x) < 3.72036)
            << x;
    EXPECT_NEAR(referenceSum(triangleWave, 4, 0), 4 * (1 + 1.0 / 9 + 1.0 / 25 + 1.0 / 49), 1e-12);
    EXPECT_NEAR(referenceSum(triangleWave, 4, pi), -4.68608, 1e-5);
    EXPECT_NEAR(referenceSum(sawtoothWave, 4, pi / 5), 6.10911, 1e-5);
    EXPECT_NEAR(referenceSum(sawtoothWave, 4, 2 * pi - pi / 5), -6.10911, 1e-5);
}

} // namespace
} // namespace fourier
