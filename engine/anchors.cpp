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
