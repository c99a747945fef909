// SPDX-License-Identifier: MIT
#include "closedsum.h"
#include "fade.h"
#include "playersource.h"
#include "tone.h"
#include "wav.h"
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

/// The size of that term's coefficient relative to the base term's.
double relativeCoefficient(const Wave& wave, int harmonic)
{
    return &wave == &triangleWave ? 1.0 / (harmonic * harmonic) : 1.0 / harmonic;
}

/// A WAV file read back: every header field checked against what a player expects of the
/// program's files, then its samples.
std::vector<std::int16_t> readWav(const std::vector<std::byte>& bytes)
{
    const auto number = [&bytes](std::size_t at, int size) {
        std::uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = value << 8 | std::to_integer<std::uint32_t>(bytes.at(at + i));
        return value;
    };
    const auto tag = [&bytes](std::size_t at) {
        std::string text;
        for (std::size_t i = at; i < at + 4; ++i)
            text += std::to_integer<char>(bytes.at(i));
        return text;
    };
    EXPECT_GE(bytes.size(), 44u);
    if (bytes.size() < 44)
        return {};
    const std::uint32_t dataSize = number(40, 4);
    EXPECT_EQ(tag(0), "RIFF");
    EXPECT_EQ(number(4, 4), bytes.size() - 8);
    EXPECT_EQ(tag(8), "WAVE");
    EXPECT_EQ(tag(12), "fmt ");
    EXPECT_EQ(number(16, 4), 16u) << "the format chunk's size";
    EXPECT_EQ(number(20, 2), 1u) << "PCM";
    EXPECT_EQ(number(22, 2), 1u) << "channels";
    EXPECT_EQ(number(24, 4), 44'100u) << "sample rate";
    EXPECT_EQ(number(28, 4), 88'200u) << "bytes per second";
    EXPECT_EQ(number(32, 2), 2u) << "bytes per sample";
    EXPECT_EQ(number(34, 2), 16u) << "bits per sample";
    EXPECT_EQ(tag(36), "data");
    EXPECT_EQ(dataSize, bytes.size() - 44);
    std::vector<std::int16_t> samples(dataSize / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(number(44 + 2 * i, 2));
    return samples;
}

/// The amplitude, of full scale, of the sine at \a hz in \a samples, a whole second of them.
double amplitudeAt(std::span<const std::int16_t> samples, int hz)
{
    const std::size_t n = samples.size();
    std::complex<double> sum;
    for (std::size_t i = 0; i < n; ++i)
        sum += static_cast<double>(samples[i])
            * std::polar(1.0, -2 * pi * static_cast<double>((hz * i) % n) / static_cast<double>(n));
    return 2 * std::abs(sum) / static_cast<double>(n) / top16;
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

TEST(Wav, HeaderAndLengthTellTheDuration)
{
    const Tone tone(squareWave, 30, 220);
    const struct {
        double seconds;
        std::size_t samples;
    } rows[] = { { 0.1, 4410 }, { 1.0 / 3, 14'700 }, { 1.5, 66'150 }, { 60, 2'646'000 },
        { 0.001, 4410 }, { 3600, 2'646'000 }, { notANumber, 4410 } };
    for (const auto& row : rows) {
        const std::vector<std::byte> bytes = wavFile(tone, row.seconds);
        EXPECT_EQ(bytes.size(), 44 + 2 * row.samples) << row.seconds << " s";
        EXPECT_EQ(readWav(bytes).size(), row.samples) << row.seconds << " s";
    }
}

TEST(Wav, SpectrumHasTheHeardHarmonicsAndNothingElse)
{
    struct Row {
        const Wave* wave;
        double count;
        int pitch;
    };
    // The second in the middle of two, clear of the fades, so that every harmonic falls on a
    // whole bin of a sound that neither starts nor ends.
    const Row rows[] = {
        { &squareWave, 30, 220 },
        { &squareWave, 1e6, 2000 },
        { &sawtoothWave, infinity, 2000 },
        { &triangleWave, 1e9, 441 },
        { &sawtoothWave, 12, 1500 },
    };
    for (const Row& row : rows) {
        const Tone tone(*row.wave, row.count, row.pitch);
        const std::vector<std::int16_t> file = readWav(wavFile(tone, 2.0));
        ASSERT_EQ(file.size(), 88'200u);
        const auto samples = std::span(file).subspan(22'050, 44'100);
        const std::string name = std::string(row.wave->name) + " at " + std::to_string(row.pitch);
        // The base term's coefficient is 4, which the level divides by 4 pi.
        const double fundamental = amplitudeAt(samples, row.pitch);
        EXPECT_NEAR(fundamental, 1 / pi, 1e-5) << name;
        std::vector<double> expected(22'050 / row.pitch + 1, 0.0);
        for (int term = 1; term <= termCount(row.count); ++term) {
            const int harmonic = harmonicOf(*row.wave, term);
            if (harmonic * row.pitch >= 20'000)
                break;
            expected[static_cast<std::size_t>(harmonic)] = relativeCoefficient(*row.wave, harmonic);
        }
        for (std::size_t k = 2; k < expected.size(); ++k) {
            const double relative
                = amplitudeAt(samples, static_cast<int>(k) * row.pitch) / fundamental;
            // The rounding to 16 bits repeats with the loop, so its error lies on the harmonics:
            // a few millionths of full scale, far below the faintest term heard.
            EXPECT_NEAR(relative, expected[k], 5e-5) << name << ", harmonic " << k;
        }
    }
}

TEST(Wav, FadesInAndOutOverTenMilliseconds)
{
    const Tone tones[] = { Tone(triangleWave, 1, 220), Tone(sawtoothWave, infinity, 110),
        Tone(squareWave, 45, 880) };
    for (const Tone& tone : tones) {
        const std::vector<std::int16_t> samples = readWav(wavFile(tone, 0.5));
        ASSERT_EQ(samples.size(), 22'050u);
        const std::size_t last = samples.size() - 1;
        EXPECT_EQ(samples.front(), 0);
        EXPECT_EQ(samples.back(), 0);
        // The gain each sample was given, where the tone is loud enough to tell.
        const auto gain = [&](std::size_t i) { return samples[i] / (tone.at(i) * top16); };
        double rising = 0;
        double falling = 0;
        for (std::size_t i = 1; i < 441; ++i) {
            if (std::abs(tone.at(i)) > 0.05) {
                EXPECT_GE(gain(i), rising - 1e-3) << "fade in, sample " << i;
                rising = gain(i);
            }
            if (std::abs(tone.at(last - i)) > 0.05) {
                EXPECT_GE(gain(last - i), falling - 1e-3) << "fade out, sample " << last - i;
                falling = gain(last - i);
            }
        }
        EXPECT_GT(rising, 0.9);
        EXPECT_GT(falling, 0.9);
        for (std::size_t i = 441; i <= last - 441; ++i)
            ASSERT_EQ(samples[i], pcm16(tone.at(i))) << "sample " << i;
    }
}

TEST(Wav, NoWaveAtAnyCountClips)
{
    double loudest = 0;
    for (const Wave* wave : { &squareWave, &triangleWave, &sawtoothWave }) {
        for (const double count : { 1.0, 2.0, 10.0, 1e6, 1e9, infinity }) {
            for (const int pitch : { 20, 110, 220, 440, 880, 2000 }) {
                const Tone tone(*wave, count, pitch);
                int peak = 0;
                for (const std::int16_t sample : readWav(wavFile(tone, 1.0)))
                    peak = std::max(peak, std::abs(static_cast<int>(sample)));
                EXPECT_LT(peak, 32'767) << wave->name << " " << count << " at " << pitch;
                loudest = std::max(loudest, peak / top16);
            }
        }
    }
    // The sawtooth's overshoot, the loudest sound of all, about 7.41 of 4 pi.
    EXPECT_NEAR(loudest, 0.59, 0.01);
}

TEST(Wav, SamplesAreRoundedAndClamped)
{
    const struct {
        double sample;
        std::int16_t pcm;
    } rows[] = { { 0, 0 }, { 1, 32'767 }, { -1, -32'767 }, { 0.5 / top16, 1 }, { -0.49 / top16, 0 },
        { 1.01, 32'767 }, { -1.01, -32'768 }, { 1e300, 32'767 }, { -infinity, -32'768 },
        { notANumber, 0 } };
    for (const auto& row : rows)
        EXPECT_EQ(pcm16(row.sample), row.pcm) << row.sample;
}

/// The largest step between neighbouring samples of \a tone, its seam included.
double largestStep(const Tone& tone)
{
    const std::vector<double>& loop = tone.loop();
    double largest = std::abs(loop.front() - loop.back());
    for (std::size_t i = 1; i < loop.size(); ++i)
        largest = std::max(largest, std::abs(loop[i] - loop[i - 1]));
    return largest;
}

TEST(PlayerSource, ChangesStartsAndStopsWithoutAClick)
{
    const auto sinX = std::make_shared<const Tone>(squareWave, 1, 220);
    const auto cosX = std::make_shared<const Tone>(triangleWave, 1, 440);
    const auto square = std::make_shared<const Tone>(squareWave, 3, 110);
    const auto triangle = std::make_shared<const Tone>(triangleWave, 3, 440);
    PlayerSource source;
    std::vector<double> heard;
    const auto render = [&](std::size_t samples) {
        const std::size_t from = heard.size();
        heard.resize(from + samples);
        source.render(std::span(heard).subspan(from));
    };

    source.setTone(sinX);
    source.start();
    render(1000);
    source.setTone(cosX);
    render(100);
    // Given during the crossfade to Cos x: only the last waits for it to end, at 1441.
    source.setTone(square);
    render(100);
    source.setTone(triangle);
    render(3000);
    source.stop();
    render(200);
    EXPECT_FALSE(source.isSilent());
    // Started again halfway through the fade out, and stopped for good.
    source.start();
    render(1000);
    source.stop();
    const std::size_t stoppedAt = heard.size();
    render(440);
    EXPECT_FALSE(source.isSilent()) << "stopping cut the fade short";
    render(1);
    EXPECT_TRUE(source.isSilent());
    render(500);

    EXPECT_EQ(heard.front(), 0.0);
    for (std::size_t i = 1882; i < 4200; ++i)
        ASSERT_EQ(heard[i], triangle->at(i - 1441)) << "sample " << i;
    for (std::size_t i = stoppedAt + 441; i < heard.size(); ++i)
        ASSERT_EQ(heard[i], 0.0) << "sample " << i;
    double natural = 0;
    for (const auto& tone : { sinX, cosX, square, triangle })
        natural = std::max(natural, largestStep(*tone));
    double largest = 0;
    for (std::size_t i = 1; i < heard.size(); ++i)
        largest = std::max(largest, std::abs(heard[i] - heard[i - 1]));
    // A fade's gain, or a crossfade's, moves by at most pi / 882 from one sample to the next.
    EXPECT_LT(largest, natural + 0.005);
}

} // namespace
} // namespace fourier
