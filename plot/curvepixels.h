// SPDX-License-Identifier: MIT
#pragma once

#include "phrase.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace fourier {

/// The pixels one curve set on a plot area, so that the readout can tell which curves pass
/// through a pixel even where a later curve has painted over them.
///
/// A curve sets a few thousand of the area's pixels, mostly one short run down each column, so
/// they are kept as those runs; where a scattered curve would make the runs longer than a bit
/// per pixel of the area, as that bitmap instead. Either way a record is at most an area's
/// worth of bits.
class CurvePixels {
public:
    /// No pixels, on an area of no size.
    CurvePixels() = default;
    /// The pixels of a \a width by \a height area whose bits are set in \a marks, the bit of
    /// pixel (column, row) being column * height + row.
    CurvePixels(std::span<const std::uint64_t> marks, int width, int height);

    /// Whether a pixel of the curve lies within \a reach pixels of (column, row) across and
    /// down: 0 for that pixel alone, 1 for it and its eight neighbours.
    bool near(int column, int row, int reach) const;
    /// Whether the curve set the pixel (column, row).
    bool contains(int column, int row) const { return near(column, row, 0); }

    /// The memory the record takes, in bytes.
    std::size_t bytes() const { return sizeof *this + m_data.capacity(); }

    friend bool operator==(const CurvePixels&, const CurvePixels&) = default;

private:
    /// Whether a pixel lies in any of the stretches of bit indices [first, last] in
    /// \a stretches, which come in increasing order.
    bool anyIn(std::span<const std::pair<std::uint32_t, std::uint32_t>> stretches) const;

    int m_width = 0;
    int m_height = 0;
    bool m_bitmap = false;
    /// The runs, each as the gap since the end of the one before and its length, in the
    /// variable-length bytes of LEB128; or the bitmap, a byte per eight pixels.
    std::vector<std::uint8_t> m_data;
};

/// A curve drawn since the last Cls: its description and the pixels it set. The pixels are
/// shared with the saved states that hold the same curve, so the history keeps each curve once.
struct DrawnCurve {
    Phrase description;
    std::shared_ptr<const CurvePixels> pixels;

    friend bool operator==(const DrawnCurve& a, const DrawnCurve& b)
    {
        return a.description == b.description && *a.pixels == *b.pixels;
    }
};

} // namespace fourier
