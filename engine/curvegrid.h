// SPDX-License-Identifier: MIT
#pragma once

#include "curve.h"
#include "usermapping.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace fourier {

/// The rows between \a a and \a b, the higher on the screen first.
inline std::pair<int, int> ordered(int a, int b)
{
    return { std::min(a, b), std::max(a, b) };
}

/// The pixels a curve drawn from enclosures may set, column by column. The samples of one
/// column make a block, in sample order; every row has a float y inside it to be drawn with;
/// and each block notes the rows that some sample of it is known to set.
class CurveGrid {
public:
    /// The grid of \a samples (in increasing order, each in a visible column of \a mapping) for
    /// a wave drawn at \a pointSign times its sum; nothing where the columns hold too few
    /// samples for enclosures to pay, or where a row holds no float y of its own.
    static std::optional<CurveGrid> make(
        const UserMapping& mapping, std::span<const double> samples, double pointSign);

    /// How many blocks there are.
    std::size_t blocks() const { return m_blockColumn.size(); }
    /// The first sample of block \a block.
    std::uint32_t first(std::size_t block) const { return m_blockFirst[block]; }
    /// The last sample of block \a block.
    std::uint32_t last(std::size_t block) const { return m_blockFirst[block + 1] - 1; }
    /// The block that holds sample \a index.
    std::size_t blockOf(std::size_t index) const;
    /// How many rows the area has.
    int height() const { return m_height; }
    /// How many rows one unit of sum spans.
    double rowsPerUnit() const { return m_rowsPerUnit; }
    /// Whether rows grow as the sum grows (downwards on the screen), or the other way.
    bool rowsGrow() const;

    /// The row the point of sum \a sum lands in: -1 above the area, the height below it.
    int rowOf(double sum) const;
    /// Whether some sample of \a block is known to set \a row, a row of the area.
    bool marked(std::size_t block, int row) const;
    /// Notes that some sample of \a block sets \a row; a row off the area is passed over.
    void mark(std::size_t block, int row);
    /// Marks the rows \a from to \a to of \a block that lie in the area.
    void markRows(std::size_t block, int from, int to);
    /// Whether every row from \a from to \a to that lies in the area is marked in \a block.
    bool allMarked(std::size_t block, int from, int to) const;

    /// Adds one point for each row marked, at the first sample of its column.
    void addPoints(CurvePoints& points) const;

private:
    CurveGrid(const UserMapping& mapping, std::span<const double> samples, double pointSign);
    /// Splits the samples into their columns; false when a column holds too few.
    bool findColumns();
    /// Finds a float y inside every row; false when a row has none.
    bool findRowPoints();

    const UserMapping& m_mapping;
    std::span<const double> m_samples;
    double m_pointSign;
    int m_height;
    double m_rowsPerUnit;
    /// Block b holds samples [m_blockFirst[b], m_blockFirst[b + 1]) and is column
    /// m_blockColumn[b].
    std::vector<std::uint32_t> m_blockFirst;
    std::vector<int> m_blockColumn;
    /// A float y in each row, to draw a marked row with.
    std::vector<float> m_rowY;
    /// One flag per block and row.
    std::vector<unsigned char> m_marks;
};

} // namespace fourier
