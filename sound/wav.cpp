// SPDX-License-Identifier: MIT
#include "wav.h"

#include "fade.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

namespace fourier {

namespace {

constexpr int bytesPerSample = 2;
constexpr std::uint32_t formatChunkSize = 16;
constexpr std::uint16_t pcmFormat = 1;
constexpr std::uint16_t channels = 1;
/// The bytes of the header before the samples.
constexpr std::size_t headerSize = 44;
/// What RIFF counts in its size: the whole file but its first eight bytes.
constexpr std::uint32_t riffUncounted = 8;

/// Appends \a value in \a size bytes, least significant first, as every WAV number is written.
void putNumber(std::vector<std::byte>& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<std::byte>((value >> (8 * i)) & 0xffu));
}

void putTag(std::vector<std::byte>& bytes, std::string_view tag)
{
    for (const char c : tag)
        bytes.push_back(static_cast<std::byte>(c));
}

} // namespace

std::int16_t pcm16(double sample)
{
    if (std::isnan(sample))
        return 0;
    constexpr double top = std::numeric_limits<std::int16_t>::max();
    constexpr double bottom = std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(std::lround(std::clamp(sample * top, bottom, top)));
}

std::vector<std::byte> wavBytes(std::span<const double> samples)
{
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * bytesPerSample);
    std::vector<std::byte> bytes;
    bytes.reserve(headerSize + dataSize);
    putTag(bytes, "RIFF");
    putNumber(bytes, static_cast<std::uint32_t>(headerSize) - riffUncounted + dataSize, 4);
    putTag(bytes, "WAVE");
    putTag(bytes, "fmt ");
    putNumber(bytes, formatChunkSize, 4);
    putNumber(bytes, pcmFormat, 2);
    putNumber(bytes, channels, 2);
    putNumber(bytes, sampleRate, 4);
    putNumber(bytes, sampleRate * channels * bytesPerSample, 4);
    putNumber(bytes, channels * bytesPerSample, 2);
    putNumber(bytes, 8 * bytesPerSample, 2);
    putTag(bytes, "data");
    putNumber(bytes, dataSize, 4);
    for (const double sample : samples)
        putNumber(bytes, static_cast<std::uint16_t>(pcm16(sample)), bytesPerSample);
    return bytes;
}

std::vector<std::byte> wavFile(const Tone& tone, double seconds)
{
    return wavBytes(fadedStretch(tone, seconds));
}

} // namespace fourier
