// SPDX-License-Identifier: MIT
#include "placement.h"

#include <algorithm>
#include <cmath>

namespace fourier {

namespace {

/// How far outside the area a line end is pulled in before it is rasterized: enough
/// to keep the line's slope exact at the edge, small enough for int arithmetic.
constexpr double lineMargin = 2.0;

/// The stretch [lo, hi] of one axis.
struct Span {
    double lo;
    double hi;
};

/// Clips the segment (x1, y1)-(x2, y2), in user units, to the box \a xs by \a ys, keeping its
/// direction. Returns false when nothing of it is inside.
///
/// Stepping in from an end far away (at 1e30, or at 20 when the scale is 1e-20) would round off
/// the very offset that places the line in the box. So the line is held as u dv - v du = k along
/// its longer axis u: k is a difference of two products of floats, each exact in double, and the
/// points worked out near the box are as exact as the box's own coordinates.
bool clipSegment(double& x1, double& y1, double& x2, double& y2, Span xs, Span ys)
{
    const bool alongX = std::abs(x2 - x1) >= std::abs(y2 - y1);
    double& u1 = alongX ? x1 : y1;
    double& v1 = alongX ? y1 : x1;
    double& u2 = alongX ? x2 : y2;
    double& v2 = alongX ? y2 : x2;
    const Span us = alongX ? xs : ys;
    const Span vs = alongX ? ys : xs;
    const double du = u2 - u1;
    const double dv = v2 - v1;
    const double k = u1 * v2 - v1 * u2;
    double lo = std::max(std::min(u1, u2), us.lo);
    double hi = std::min(std::max(u1, u2), us.hi);
    if (dv != 0.0) {
        const double atLo = (k + vs.lo * du) / dv;
        const double atHi = (k + vs.hi * du) / dv;
        lo = std::max(lo, std::min(atLo, atHi));
        hi = std::min(hi, std::max(atLo, atHi));
    } else if (v1 < vs.lo || v1 > vs.hi) {
        return false;
    }
    if (!(lo <= hi))
        return false;
    // An end that was not cut keeps its own coordinates.
    const auto vAt = [&](double u) { return u == u1 ? v1 : u == u2 ? v2 : (u * dv - k) / du; };
    const double first = u1 <= u2 ? lo : hi;
    const double last = u1 <= u2 ? hi : lo;
    const double vFirst = vAt(first);
    const double vLast = vAt(last);
    u1 = first;
    v1 = vFirst;
    u2 = last;
    v2 = vLast;
    return true;
}

} // namespace

std::optional<LineCells> lineCells(
    const UserMapping& mapping, float x1, float y1, float x2, float y2)
{
    for (const float p : { x1, y1, x2, y2 }) {
        if (!std::isfinite(p))
            return std::nullopt;
    }
    const double left = mapping.left();
    const double right = mapping.right();
    const double top = mapping.top();
    const double bottom = mapping.bottom();
    const double marginX = lineMargin * std::abs(right - left) / mapping.width();
    const double marginY = lineMargin * std::abs(bottom - top) / mapping.height();
    double ux1 = x1;
    double uy1 = y1;
    double ux2 = x2;
    double uy2 = y2;
    if (!clipSegment(ux1, uy1, ux2, uy2,
            { std::min(left, right) - marginX, std::max(left, right) + marginX },
            { std::min(top, bottom) - marginY, std::max(top, bottom) + marginY }))
        return std::nullopt;
    const double px1 = mapping.pixelX(ux1);
    const double py1 = mapping.pixelY(uy1);
    const double px2 = mapping.pixelX(ux2);
    const double py2 = mapping.pixelY(uy2);
    // The cut ends lie within the margin; this only keeps the conversions below defined.
    constexpr double reach = 1e6;
    for (const double p : { px1, py1, px2, py2 }) {
        if (!(std::abs(p) < reach))
            return std::nullopt;
    }
    return LineCells { static_cast<int>(std::floor(px1)), static_cast<int>(std::floor(py1)),
        static_cast<int>(std::floor(px2)), static_cast<int>(std::floor(py2)) };
}

} // namespace fourier
