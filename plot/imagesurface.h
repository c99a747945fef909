// SPDX-License-Identifier: MIT
#pragma once

#include "plotsurface.h"

#include <QFont>
#include <QImage>
#include <string>
#include <vector>

namespace fourier {

/// A plot surface that draws into an image of its drawing area, one image pixel per pixel.
///
/// Filling the image and drawing text run Qt's vector routines, which leave this thread's
/// arithmetic slowed down (see clearUpperVectorState); the operations that run them clear that
/// state before they return, so the commands never have to think of it.
class ImageSurface final : public PlotSurface {
public:
    /// A surface of \a width by \a height pixels, filled with its background colour and in
    /// its initial coordinate system.
    ImageSurface(int width, int height);

    bool Scale(float x1, float y1, float x2, float y2) override;
    void Cls() override;
    void Line(float x1, float y1, float x2, float y2) override;
    void PSet(float x, float y, Colour colour) override;
    void CurrentX(float x) override;
    void CurrentY(float y) override;
    void Print(int value) override;
    const UserMapping& mapping() const override { return m_mapping; }
    void describeCurve(const Phrase& description) override;
    /// The image is kept compressed without loss: a plot area is mostly background.
    std::unique_ptr<const SurfaceState> saveState() const override;
    void restoreState(const SurfaceState& state) override;

    /// One line per curve drawn since the last Cls, in the order they were drawn.
    const std::vector<Phrase>& curveDescriptions() const { return m_descriptions; }
    void PSetMany(std::span<const float> xs, std::span<const float> ys, Colour colour) override;

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

    QImage m_image;
    UserMapping m_mapping;
    QFont m_font;
    std::vector<Phrase> m_descriptions;
    int m_lineWidth = 1;
    // Kept in double: after a Print the position moves on by a line, which a float might not hold.
    double m_currentX = 0.0;
    double m_currentY = 0.0;
};

/// The Qt colour painted for \a colour.
QRgb toQRgb(Colour colour);

} // namespace fourier
