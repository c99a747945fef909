// SPDX-License-Identifier: MIT
#pragma once

#include "enclosure.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace fourier {

/// A sample whose sum is known: its exact sum to lie in an interval, and the plain loop's pixel
/// row to lie in [firstRow, lastRow] (-1 above the area, the height below it).
struct Anchor {
    std::size_t index;
    std::size_t block;
    KnownSum known;
    int firstRow;
    int lastRow;
    /// Whether the row is known: only then does it mark its column.
    bool certain() const { return firstRow == lastRow; }
};

/// Where a stretch has no anchor on one side.
inline constexpr std::int32_t noAnchor = -1;

/// A run of samples [first, last] of one column whose rows are not settled yet, with the
/// nearest anchors on each side (not necessarily next to it, nor in its column).
struct Stretch {
    std::uint32_t first;
    std::uint32_t last;
    std::uint32_t block;
    std::int32_t left = noAnchor;
    std::int32_t right = noAnchor;
};

/// The anchors of one curve, each found by its sample, and the anchor of each singular-free
/// piece of the line, from which one integration by parts serves the whole piece.
class Anchors {
public:
    /// Notes that the sum at sample \a index is wanted: false when it is known or wanted
    /// already.
    bool want(std::size_t index) { return m_idAt.emplace(index, noAnchor).second; }
    /// Adds \a anchor, and returns its id.
    std::int32_t add(const Anchor& anchor);
    /// The id of the anchor at sample \a index, which must be known.
    std::int32_t idAt(std::size_t index) const { return m_idAt.at(index); }
    const Anchor& operator[](std::size_t id) const { return m_anchors[id]; }
    Anchor& operator[](std::size_t id) { return m_anchors[id]; }
    std::size_t size() const { return m_anchors.size(); }
    /// Whether anchor \a id is the sample next to \a stretch, on its left or its right, in its
    /// column.
    bool besideInColumn(const Stretch& stretch, std::int32_t id, bool left) const;

    /// Makes room for the anchors of the pieces \a first to \a last.
    void setPieces(long first, long last);
    /// Sets the anchor of piece \a piece.
    void setPieceAnchor(long piece, std::optional<PreparedAnchor> anchor);
    /// The anchor of piece \a piece, or null when it has none.
    const PreparedAnchor* pieceAnchor(long piece) const;

private:
    std::vector<Anchor> m_anchors;
    std::unordered_map<std::size_t, std::int32_t> m_idAt;
    long m_firstPiece = 0;
    std::vector<std::optional<PreparedAnchor>> m_pieceAnchor;
};

} // namespace fourier
