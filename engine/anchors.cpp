// SPDX-License-Identifier: MIT
#include "anchors.h"

namespace fourier {

std::int32_t Anchors::add(const Anchor& anchor)
{
    const auto id = static_cast<std::int32_t>(m_anchors.size());
    m_anchors.push_back(anchor);
    m_idAt[anchor.index] = id;
    return id;
}

bool Anchors::besideInColumn(const Stretch& stretch, std::int32_t id, bool left) const
{
    if (id == noAnchor)
        return false;
    const Anchor& a = m_anchors[static_cast<std::size_t>(id)];
    const std::size_t next = left ? stretch.first - 1 : std::size_t { stretch.last } + 1;
    return a.index == next && a.block == stretch.block;
}

void Anchors::setPieces(long first, long last)
{
    m_firstPiece = first;
    m_pieceAnchor.assign(static_cast<std::size_t>(last - first + 1), std::nullopt);
}

void Anchors::setPieceAnchor(long piece, std::optional<PreparedAnchor> anchor)
{
    m_pieceAnchor[static_cast<std::size_t>(piece - m_firstPiece)] = anchor;
}

const PreparedAnchor* Anchors::pieceAnchor(long piece) const
{
    const auto slot = static_cast<std::size_t>(piece - m_firstPiece);
    if (slot < m_pieceAnchor.size() && m_pieceAnchor[slot])
        return &*m_pieceAnchor[slot];
    return nullptr;
}

} // namespace fourier
