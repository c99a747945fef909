// SPDX-License-Identifier: MIT
#include "closedsum.h"
#include "tone.h"
#include "wave.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <numbers>
#include <span>
#include <string>
#include <vector>

namespace fourier {
namespace {

constexpr double pi = std::numbers::pi;
constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double top16 = 32767;

/// The harmonic of the term numbered \a term (from 1) of \a wave, as the series is written.
int harmonicOf(const Wave& wave, int term)
{
    return &wave == &sawtoothWave ? term : 2 * term - 1;
}

TEST(Tone, HearsTheTermsBelowTwentyKilohertz)
{
    struct Row {
        const Wave* wave;
        double pitchAsked;
        double count;
        int pitch;
        int audible;
        int heard;
    };
    const Row rows[] = {
        { &squareWave, 220, 30, 220, 45, 30 },
        { &squareWave, 220, 1e9, 220, 45, 45 },
        { &triangleWave, 220, infinity, 220, 45, 45 },
        { &sawtoothWave, 220, infinity, 220, 90, 90 },
        // 25 * 800 and 10 * 2000 are 20 kHz exactly, which is left out.
        { &squareWave, 800, infinity, 800, 12, 12 },
        { &sawtoothWave, 2000, 1e6, 2000, 9, 9 },
        { &squareWave, 20, infinity, 20, 500, 500 },
        { &sawtoothWave, 20, 998.7, 20, 999, 998 },
        { &squareWave, 219.6, 2.5, 220, 45, 2 },
        { &triangleWave, 440.49, 0.5, 440, 23, 1 },
        { &squareWave, 5000, notANumber, 2000, 5, 5 },
        { &sawtoothWave, 3, 1, 20, 999, 1 },
        { &sawtoothWave, notANumber, -infinity, 20, 999, 1 },
    };
    for (const Row& row : rows) {
        const Tone tone(*row.wave, row.count, row.pitchAsked);
        const std::string name = std::string(row.wave->name) + " at "
            + std::to_string(row.pitchAsked) + " Hz with " + std::to_string(row.count) + " terms";
        EXPECT_EQ(tone.pitch(), row.pitch) << name;
        EXPECT_EQ(audibleTerms(*row.wave, tone.pitch()), row.audible) << name;
        EXPECT_EQ(tone.heardTerms(), row.heard) << name;
        EXPECT_LT(harmonicOf(*row.wave, row.audible) * row.pitch, 20'000) << name;
        EXPECT_GE(harmonicOf(*row.wave, row.audible + 1) * row.pitch, 20'000) << name;
    }
}

TEST(Tone, LoopIsTheDrawnCurveAtEachSamplesPhase)
{
    struct Row {
        const Wave* wave;
        double count;
        int pitch;
        std::size_t length;
    };
    const Row rows[] = {
        { &squareWave, 30, 220, 2205 },
        { &squareWave, 1, 110, 4410 },
        { &triangleWave, 1, 880, 2205 },
        { &triangleWave, 1e6, 1999, 44'100 },
        { &sawtoothWave, infinity, 441, 100 },
        { &sawtoothWave, 7, 2000, 441 },
    };
    for (const Row& row : rows) {
        const Tone tone(*row.wave, row.count, row.pitch);
        const std::string name = std::string(row.wave->name) + " at " + std::to_string(row.pitch);
        ASSERT_EQ(tone.loop().size(), row.length) << name;
        for (const std::size_t n : { std::size_t { 0 }, std::size_t { 1 }, std::size_t { 13 },
                 row.length / 3, row.length / 2, row.length - 1, row.length, 5 * row.length + 7 }) {
            const double phase = static_cast<double>(row.pitch * n % 44'100) / 44'100;
            const double drawn = row.wave->pointSign
                * certifiedSum(*row.wave, tone.heardTerms(), 2 * pi * phase).value;
            EXPECT_NEAR(tone.at(n), drawn / (4 * pi), 1e-12) << name << ", sample " << n;
        }
    }
}

} // namespace
} // namespace fourier
