// SPDX-License-Identifier: MIT
#pragma once

#include <limits>
#include <optional>

namespace fourier {

/// Maps user coordinates to the pixels of a drawing area. Built only from edges that define a
/// usable system, so every mapping that exists is finite and non-degenerate.
///
/// Pixel (c, r) covers user points whose mapped position lies in [c, c+1) x [r, r+1). The
/// mapping is computed in double from the float coordinates the surface receives; it is
/// monotone on each axis, which lets the curve code find the visible samples by bisection and
/// certify a pixel row from an error interval.
class UserMapping {
public:
    /// The system a fresh surface starts in: origin top-left, one unit per twip, y downward.
    static UserMapping initial(int width, int height);

    /// The system with x1 at the left edge, x2 at the right, y1 at the top and y2 at the bottom,
    /// or nothing when those edges cannot define one (equal or non-finite edges, an empty area,
    /// or a pixel scale that overflows).
    static std::optional<UserMapping> fromEdges(
        int width, int height, float x1, float y1, float x2, float y2);

    int width() const { return m_width; }
    int height() const { return m_height; }
    /// Whether this system came from a Scale rather than being the surface's initial one.
    bool isUserScale() const { return m_userScale; }
    double left() const { return m_left; }
    double top() const { return m_top; }
    double right() const { return m_right; }
    double bottom() const { return m_bottom; }

    /// Horizontal pixel position (not yet floored) of user x.
    double pixelX(double x) const { return (x - m_left) * m_xScale; }
    /// Vertical pixel position (not yet floored) of user y.
    double pixelY(double y) const { return (y - m_top) * m_yScale; }
    /// The user x at horizontal pixel position \a p: pixelX the other way round.
    double userX(double p) const { return m_left + p / m_xScale; }
    /// The user y at vertical pixel position \a p: pixelY the other way round.
    double userY(double p) const { return m_top + p / m_yScale; }

    /// The column that user x falls in, or nothing when it lies outside the area.
    std::optional<int> column(float x) const { return cell(pixelX(x), m_width); }
    /// The row that user y falls in, or nothing when it lies outside the area.
    std::optional<int> row(float y) const { return cell(pixelY(y), m_height); }

    /// The cell index of pixel position \a p on an axis of \a extent pixels. The range test
    /// comes before any conversion to int, so far-away and non-finite positions are safe.
    static std::optional<int> cell(double p, int extent)
    {
        if (!(p >= 0.0 && p < static_cast<double>(extent)))
            return std::nullopt;
        return static_cast<int>(p);
    }

private:
    UserMapping(int width, int height, double left, double top, double right, double bottom,
        bool userScale);

    int m_width;
    int m_height;
    double m_left;
    double m_top;
    double m_right;
    double m_bottom;
    double m_xScale;
    double m_yScale;
    bool m_userScale;
};

/// Rounds a user coordinate computed in double to the float the surface takes. Values beyond
/// float's range become infinite (the conversion itself would be undefined), NaN stays NaN.
constexpr float toFloat(double value)
{
    // Doubles from here on round to infinity; below it, but above the largest float, to it.
    constexpr double overflow = 0x1.ffffffp127;
    constexpr double largest = std::numeric_limits<float>::max();
    if (value >= overflow)
        return std::numeric_limits<float>::infinity();
    if (value <= -overflow)
        return -std::numeric_limits<float>::infinity();
    if (value > largest)
        return std::numeric_limits<float>::max();
    if (value < -largest)
        return -std::numeric_limits<float>::max();
    return static_cast<float>(value);
}

} // namespace fourier
