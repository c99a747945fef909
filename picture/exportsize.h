// SPDX-License-Identifier: MIT
#pragma once

#include "plotarea.h"

#include <optional>

namespace fourier {

/// The size a picture is drawn afresh at to be exported or printed: a width in pixels from the
/// plot area's own to eight times it, and the height that keeps the plot area's shape. At a
/// whole factor k the picture is exactly k times the plot area, each of its pixels a k by k
/// block.
class ExportSize {
public:
    static constexpr int smallestFactor = 1;
    static constexpr int largestFactor = 8;
    static constexpr int smallestWidth = smallestFactor * plotAreaWidth;
    static constexpr int largestWidth = largestFactor * plotAreaWidth;

    /// The plot area's own size.
    constexpr ExportSize() = default;
    /// \a factor times the plot area, or nothing for a factor outside 1 to 8.
    static constexpr std::optional<ExportSize> times(int factor)
    {
        if (factor < smallestFactor || factor > largestFactor)
            return std::nullopt;
        return ExportSize(factor * plotAreaWidth);
    }
    /// A picture \a width pixels wide, or nothing for a width outside the plot area's to eight
    /// times it.
    static constexpr std::optional<ExportSize> ofWidth(int width)
    {
        if (width < smallestWidth || width > largestWidth)
            return std::nullopt;
        return ExportSize(width);
    }

    constexpr int width() const { return m_width; }
    /// The height, rounded to the nearest pixel.
    constexpr int height() const
    {
        return (m_width * plotAreaHeight + plotAreaWidth / 2) / plotAreaWidth;
    }
    /// How many times the plot area's width the picture is.
    constexpr double factor() const { return static_cast<double>(m_width) / plotAreaWidth; }
    /// The factor, when the width is a whole multiple of the plot area's.
    constexpr std::optional<int> wholeFactor() const
    {
        if (m_width % plotAreaWidth != 0)
            return std::nullopt;
        return m_width / plotAreaWidth;
    }
    /// How wide the axes and marks are drawn: as many pixels as the factor, rounded, so that
    /// they keep their weight beside the numbers.
    constexpr int lineWidth() const { return (2 * m_width + plotAreaWidth) / (2 * plotAreaWidth); }

    friend constexpr bool operator==(ExportSize, ExportSize) = default;

private:
    explicit constexpr ExportSize(int width)
        : m_width(width)
    {
    }

    int m_width = plotAreaWidth;
};

static_assert(ExportSize::times(3)->height() == 3 * plotAreaHeight);
static_assert(ExportSize::times(8)->height() == 8 * plotAreaHeight);
static_assert(ExportSize::times(1)->lineWidth() == 1 && ExportSize::times(8)->lineWidth() == 8);

} // namespace fourier
