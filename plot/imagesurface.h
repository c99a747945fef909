// SPDX-License-Identifier: MIT
#pragma once

#include "curvepixels.h"
#include "plotsurface.h"

#include <QFont>
#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

namespace fourier {

/// A plot surface that draws into an image of its drawing area, one image pixel per pixel.
///
/// It also keeps, for each curve noted since the last Cls, the pixels the curve set: those its
/// points (PSet, PSetMany) set since the note before. They are part of its state, so that a
/// state put back reads as it did.
///
/// Filling the image and drawing text run Qt's vector routines, which leave this thread's
/// arithmetic slowed down (see clearUpperVectorState); the operations that run them clear that
/// state before they return, so the commands never have to think of it.
class ImageSurface final : public PlotSurface {
public:
    /// A surface of \a width by \a height pixels, filled with its background colour and in
    /// its initial coordinate system. Throws std::bad_alloc when its pixels cannot be had.
    ImageSurface(int width, int height);

    bool Scale(float x1, float y1, float x2, float y2) override;
    void Cls() override;
    void Line(float x1, float y1, float x2, float y2) override;
    void PSet(float x, float y, Colour colour) override;
    void CurrentX(float x) override;
    void CurrentY(float y) override;
    void Print(int value) override;
    const UserMapping& mapping() const override { return m_mapping; }
    /// Notes the curve drawn since the last note, with the pixels its points set.
    void describeCurve(const Phrase& description) override;
    /// The image is kept compressed without loss: a plot area is mostly background. Points
    /// set since the last note belong to no curve yet, and are not kept as one.
    std::unique_ptr<const SurfaceState> saveState() const override;
    void restoreState(const SurfaceState& state) override;

    std::vector<Phrase> curveDescriptions() const override;
    /// The curves drawn since the last Cls with the pixels each set, in the order they were
    /// drawn.
    const std::vector<DrawnCurve>& curves() const { return m_curves; }
    void PSetMany(std::span<const float> xs, std::span<const float> ys, Colour colour) override;
    /// The pixels it sets are noted as points of the curve being drawn, as PSetMany's are.
    void PSetBehind(std::span<const float> xs, std::span<const float> ys, Colour colour) override;

    /// Sets the font numbers are printed in; the application's font until then.
    void setFont(const QFont& font) { m_font = font; }
    /// The font numbers are printed in.
    const QFont& font() const { return m_font; }
    /// Sets how many pixels wide lines are drawn, at least 1 (the default): a picture drawn k
    /// times the plot area's size draws its axes k pixels wide.
    void setLineWidth(int pixels) { m_lineWidth = pixels > 1 ? pixels : 1; }

    /// The picture drawn so far.
    const QImage& image() const { return m_image; }

    /// The colour Cls fills with.
    static constexpr Colour background = colours::buttonHighlight;
    /// The colour of lines and text.
    static constexpr Colour foreground = colours::buttonText;

private:
    void setPixel(int column, int row, QRgb rgb);
    /// Sets the pixel of a point, and notes it as one of the curve being drawn.
    void setPoint(int column, int row, QRgb rgb);
    /// Forgets the points of the curve being drawn.
    void clearMarks();

    QImage m_image;
    UserMapping m_mapping;
    QFont m_font;
    std::vector<DrawnCurve> m_curves;
    /// The pixels points set since the last note, a bit per pixel down each column; empty when
    /// none was.
    std::vector<std::uint64_t> m_marks;
    int m_lineWidth = 1;
    // Kept in double: after a Print the position moves on by a line, which a float might not hold.
    double m_currentX = 0.0;
    double m_currentY = 0.0;
};

/// The Qt colour painted for \a colour.
QRgb toQRgb(Colour colour);

} // namespace fourier
