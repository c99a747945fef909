// SPDX-License-Identifier: MIT
#pragma once

#include "imagesurface.h"

#include <QFrame>
#include <QPoint>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

namespace fourier {

/// The widget that shows a plot surface: a sunken frame around the surface's image. The image
/// is the document; painting only copies it to the screen, pixel for pixel, and draws the probe,
/// when there is one, over it on the screen alone.
class PictureBox final : public QFrame {
    Q_OBJECT
public:
    /// Width of the sunken border around the drawing area, in pixels.
    static constexpr int borderWidth = 2;

    /// A picture box of \a width by \a height pixels, border included.
    PictureBox(int width, int height, QWidget* parent = nullptr);

    /// The surface the commands draw on.
    ImageSurface& surface() { return m_surface; }
    const ImageSurface& surface() const { return m_surface; }

    /// Turns the description of a curve into the words assistive technology reads out.
    using Describer = std::function<QString(const Phrase&)>;

    /// Has the curves described by \a describer from now on; until then they are described in
    /// English.
    void setDescriber(Describer describer) { m_describer = std::move(describer); }

    /// Shows what the surface holds now, on screen and to assistive technology.
    void refresh();

    /// Shows the probe, a small ring with four ticks, around \a pixel of the drawing area, or
    /// hides it. The surface's image never holds it.
    void setProbe(std::optional<QPoint> pixel);
    /// The pixel the probe marks, if it is shown.
    std::optional<QPoint> probe() const { return m_probe; }
    /// The pixel of the drawing area at \a position in the widget, if the position is on the
    /// drawing area.
    std::optional<QPoint> pixelAt(QPoint position) const;

Q_SIGNALS:
    /// The surface was shown afresh: what it holds may have changed.
    void refreshed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ImageSurface m_surface;
    Describer m_describer;
    std::optional<QPoint> m_probe;
};

} // namespace fourier
