// SPDX-License-Identifier: MIT
#include "curvepixels.h"

#include <algorithm>
#include <bit>

namespace fourier {

namespace {

constexpr std::uint32_t wordBits = 64;

/// The first bit from \a from on, before \a end, that is \a set in \a marks; \a end if none.
std::uint32_t nextBit(
    std::span<const std::uint64_t> marks, std::uint32_t from, std::uint32_t end, bool set)
{
    while (from < end) {
        const std::size_t index = from / wordBits;
        std::uint64_t word = index < marks.size() ? marks[index] : 0;
        if (!set)
            word = ~word;
        word >>= from % wordBits;
        if (word != 0)
            return std::min(end, from + static_cast<std::uint32_t>(std::countr_zero(word)));
        from = static_cast<std::uint32_t>((index + 1) * wordBits);
    }
    return end;
}

void appendNumber(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    constexpr std::uint32_t lowBits = 0x7F;
    constexpr std::uint8_t more = 0x80;
    while (value > lowBits) {
        bytes.push_back(static_cast<std::uint8_t>((value & lowBits) | more));
        value >>= 7;
    }
    bytes.push_back(static_cast<std::uint8_t>(value));
}

std::uint32_t readNumber(const std::uint8_t*& at)
{
    std::uint32_t value = 0;
    for (int shift = 0;; shift += 7) {
        const std::uint8_t byte = *at++;
        value |= static_cast<std::uint32_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0)
            return value;
    }
}

} // namespace

CurvePixels::CurvePixels(std::span<const std::uint64_t> marks, int width, int height)
    : m_width(std::max(width, 0))
    , m_height(std::max(height, 0))
{
    const auto total = static_cast<std::uint32_t>(m_width) * static_cast<std::uint32_t>(m_height);
    const std::size_t bitmapBytes = (total + 7) / 8;
    std::uint32_t end = 0;
    for (std::uint32_t start = nextBit(marks, 0, total, true); start < total;
         start = nextBit(marks, end, total, true)) {
        const std::uint32_t gap = start - end;
        end = nextBit(marks, start, total, false);
        appendNumber(m_data, gap);
        appendNumber(m_data, end - start);
        if (m_data.size() > bitmapBytes) {
            m_bitmap = true;
            break;
        }
    }
    if (m_bitmap) {
        m_data.assign(bitmapBytes, 0);
        for (std::uint32_t i = nextBit(marks, 0, total, true); i < total;
             i = nextBit(marks, i + 1, total, true))
            m_data[i / 8] = static_cast<std::uint8_t>(m_data[i / 8] | (1u << (i % 8)));
    }
    m_data.shrink_to_fit();
}

bool CurvePixels::near(int column, int row, int reach) const
{
    const int firstColumn = std::max(column - reach, 0);
    const int lastColumn = std::min(column + reach, m_width - 1);
    const int firstRow = std::max(row - reach, 0);
    const int lastRow = std::min(row + reach, m_height - 1);
    if (firstColumn > lastColumn || firstRow > lastRow)
        return false;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> stretches;
    for (int c = firstColumn; c <= lastColumn; ++c) {
        const auto top = static_cast<std::uint32_t>(c) * static_cast<std::uint32_t>(m_height);
        stretches.emplace_back(
            top + static_cast<std::uint32_t>(firstRow), top + static_cast<std::uint32_t>(lastRow));
    }
    return anyIn(stretches);
}

bool CurvePixels::anyIn(std::span<const std::pair<std::uint32_t, std::uint32_t>> stretches) const
{
    if (m_bitmap) {
        for (const auto& [first, last] : stretches) {
            for (std::uint32_t i = first; i <= last; ++i) {
                if ((m_data[i / 8] >> (i % 8)) & 1u)
                    return true;
            }
        }
        return false;
    }
    const std::uint8_t* at = m_data.data();
    const std::uint8_t* const stop = at + m_data.size();
    std::uint32_t end = 0;
    auto stretch = stretches.begin();
    while (at < stop && stretch != stretches.end()) {
        const std::uint32_t start = end + readNumber(at);
        end = start + readNumber(at);
        // The run is [start, end): skip the stretches wholly before it, then see whether the
        // next one reaches into it.
        while (stretch != stretches.end() && stretch->second < start)
            ++stretch;
        if (stretch != stretches.end() && stretch->first < end)
            return true;
    }
    return false;
}

} // namespace fourier
