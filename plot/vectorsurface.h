// SPDX-License-Identifier: MIT
#pragma once

#include "imagesurface.h"
#include "plotsurface.h"

#include <QFont>
#include <QLineF>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <variant>
#include <vector>

class QPainter;

namespace fourier {

/// A plot surface that keeps what is drawn as shapes rather than pixels, to be painted on any
/// device at any size: a vector file, a printer. Lines stay lines and numbers text; the points
/// of a curve become one filled shape made of the squares of the pixels they set, so that a
/// curve covers exactly the pixels an ImageSurface of the same size would set, sharp at any
/// zoom.
///
/// The surface has a pixel grid of its own size, on which its coordinate system, its lines and
/// its points are placed exactly as an ImageSurface's are; painting maps that grid onto the
/// device.
class VectorSurface final : public PlotSurface {
public:
    /// A surface of \a width by \a height pixels, empty and in its initial coordinate system.
    VectorSurface(int width, int height);

    bool Scale(float x1, float y1, float x2, float y2) override;
    void Cls() override;
    void Line(float x1, float y1, float x2, float y2) override;
    void PSet(float x, float y, Colour colour) override;
    void PSetMany(std::span<const float> xs, std::span<const float> ys, Colour colour) override;
    void CurrentX(float x) override;
    void CurrentY(float y) override;
    void Print(int value) override;
    const UserMapping& mapping() const override { return m_mapping; }
    void describeCurve(const Phrase& description) override;
    std::unique_ptr<const SurfaceState> saveState() const override;
    void restoreState(const SurfaceState& state) override;

    /// One line per curve drawn since the last Cls, in the order they were drawn.
    const std::vector<Phrase>& curveDescriptions() const { return m_descriptions; }

    /// Sets the font numbers are printed in, sized as for an image of this surface's size; the
    /// application's font until then.
    void setFont(const QFont& font) { m_font = font; }
    const QFont& font() const { return m_font; }
    /// Sets how many pixels wide lines are drawn, at least 1 (the default).
    void setLineWidth(int pixels) { m_lineWidth = pixels > 1 ? pixels : 1; }

    int width() const { return m_mapping.width(); }
    int height() const { return m_mapping.height(); }

    /// Paints the picture with \a painter, whose coordinates are this surface's pixels: (0, 0)
    /// at the top-left corner of the area, (width, height) at its bottom-right. Nothing is
    /// painted outside the area.
    void paint(QPainter& painter) const;

    static constexpr Colour background = ImageSurface::background;
    static constexpr Colour foreground = ImageSurface::foreground;

private:
    /// A line between the centres of two cells, a line width wide.
    struct LineMark {
        QLineF line;
        int width;
    };
    /// A number, with the top-left corner of its text at a cell's corner.
    struct TextMark {
        QPointF corner;
        QString text;
    };
    /// Pixels set in one colour, one after another.
    struct PointMark {
        Colour colour;
        std::vector<QPoint> cells;
    };
    using Mark = std::variant<LineMark, TextMark, PointMark>;
    /// What saveState keeps: everything but the font and the line width, which are settings.
    struct State;

    /// The point mark that pixels of \a colour go into now: the last mark, if it is one of
    /// that colour, otherwise a new one.
    std::vector<QPoint>& cellsOf(Colour colour);

    UserMapping m_mapping;
    QFont m_font;
    int m_lineWidth = 1;
    std::vector<Mark> m_marks;
    std::vector<Phrase> m_descriptions;
    double m_currentX = 0.0;
    double m_currentY = 0.0;
};

} // namespace fourier
