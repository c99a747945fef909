// SPDX-License-Identifier: MIT
#pragma once

#include "imagesurface.h"
#include "plotsurface.h"

#include <QFont>
#include <QLineF>
#include <QPointF>
#include <QString>
#include <cstdint>
#include <memory>
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
///
/// What it keeps grows with what can be seen, not with how often it was drawn: a pixel belongs
/// to the curve that set it last, a line drawn again where it was is kept once, and a number
/// printed again where it stands is kept only as often as that still changes a pixel. Painted,
/// it sets the pixels everything drawn on it in turn would set.
class VectorSurface final : public PlotSurface {
public:
    /// A surface of \a width by \a height pixels, empty and in its initial coordinate system.
    VectorSurface(int width, int height);

    bool Scale(float x1, float y1, float x2, float y2) override;
    void Cls() override;
    void Line(float x1, float y1, float x2, float y2) override;
    void PSet(float x, float y, Colour colour) override;
    void PSetMany(std::span<const float> xs, std::span<const float> ys, Colour colour) override;
    /// Which pixels still show the background is read from the picture painted at this surface's
    /// size, which is what an ImageSurface holds; so the same pixels are set as on one.
    void PSetBehind(std::span<const float> xs, std::span<const float> ys, Colour colour) override;
    void CurrentX(float x) override;
    void CurrentY(float y) override;
    void Print(int value) override;
    const UserMapping& mapping() const override { return m_mapping; }
    void describeCurve(const Phrase& description) override;
    std::unique_ptr<const SurfaceState> saveState() const override;
    void restoreState(const SurfaceState& state) override;

    std::vector<Phrase> curveDescriptions() const override { return m_descriptions; }

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
    /// Pixels set in one colour, one after another; which pixels they are now, the pixels'
    /// owners say. A mark is gone once later points have taken all its pixels.
    struct PointMark {
        Colour colour;
        /// How many pixels it holds now.
        std::size_t cells;
    };
    using Mark = std::variant<LineMark, TextMark, PointMark>;
    /// Everything drawn since the last Cls; what saveState keeps with the coordinate system.
    struct Picture;
    /// What saveState keeps: everything but the font and the line width, which are settings.
    struct State;

    /// The picture, to be drawn on: its own, no longer shared with a saved state.
    Picture& drawing();
    /// The point mark that pixels of \a colour go into now: the last mark, if it is one of
    /// that colour, otherwise a new one.
    std::uint32_t pointMarkOf(Colour colour);
    /// Gives the pixel at \a column, \a row to \a mark, the last point mark, taking it from the
    /// one that set it before; pointMarkOf gave \a mark, so the picture is the surface's own.
    void setCell(int column, int row, std::uint32_t mark);

    UserMapping m_mapping;
    QFont m_font;
    int m_lineWidth = 1;
    std::shared_ptr<Picture> m_picture;
    std::vector<Phrase> m_descriptions;
    double m_currentX = 0.0;
    double m_currentY = 0.0;
};

} // namespace fourier
