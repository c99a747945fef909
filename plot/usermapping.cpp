// SPDX-License-Identifier: MIT
#include "usermapping.h"

#include "plotarea.h"

#include <cmath>
#include <limits>

namespace fourier {

UserMapping::UserMapping(
    int width, int height, double left, double top, double right, double bottom, bool userScale)
    : m_width(width)
    , m_height(height)
    , m_left(left)
    , m_top(top)
    , m_right(right)
    , m_bottom(bottom)
    , m_xScale(static_cast<double>(width) / (right - left))
    , m_yScale(static_cast<double>(height) / (bottom - top))
    , m_userScale(userScale)
{
}

UserMapping UserMapping::initial(int width, int height)
{
    return { width, height, 0.0, 0.0, static_cast<double>(width) * twipsPerPixel,
        static_cast<double>(height) * twipsPerPixel, false };
}

std::optional<UserMapping> UserMapping::fromEdges(
    int width, int height, float x1, float y1, float x2, float y2)
{
    if (width <= 0 || height <= 0)
        return std::nullopt;
    for (const float edge : { x1, y1, x2, y2 }) {
        if (!std::isfinite(edge))
            return std::nullopt;
    }
    if (x1 == x2 || y1 == y2)
        return std::nullopt;
    UserMapping mapping { width, height, x1, y1, x2, y2, true };
    // Float edges a denormal apart give a scale near 1e47 pixels a unit; the largest float then
    // maps near 1e85, still far inside double, but a scale that is not a normal number is refused.
    if (!std::isnormal(mapping.m_xScale) || !std::isnormal(mapping.m_yScale))
        return std::nullopt;
    return mapping;
}

} // namespace fourier
