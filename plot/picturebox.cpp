// SPDX-License-Identifier: MIT
#include "picturebox.h"

#include <QPainter>
#include <QStringList>

namespace fourier {

namespace {

/// The probe's ring runs this many pixels from the pixel it marks, which stays in sight with its
/// eight neighbours; its ticks reach this much further out.
constexpr int probeRing = 3;
constexpr int probeTick = 3;

} // namespace

PictureBox::PictureBox(int width, int height, QWidget* parent)
    : QFrame(parent)
    , m_surface(width - 2 * borderWidth, height - 2 * borderWidth)
    , m_describer(
          [](const Phrase& description) { return QString::fromStdString(description.text()); })
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(borderWidth);
    setFixedSize(width, height);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::refresh()
{
    QStringList lines;
    for (const Phrase& description : m_surface.curveDescriptions())
        lines.append(m_describer(description));
    setAccessibleDescription(lines.join(QLatin1Char('\n')));
    update();
    Q_EMIT refreshed();
}

void PictureBox::setProbe(std::optional<QPoint> pixel)
{
    if (pixel == m_probe)
        return;
    m_probe = pixel;
    update();
}

std::optional<QPoint> PictureBox::pixelAt(QPoint position) const
{
    const QPoint pixel = position - contentsRect().topLeft();
    if (!m_surface.image().rect().contains(pixel))
        return std::nullopt;
    return pixel;
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    // No smoothing: on a high-density screen each point stays a crisp block of device pixels.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(contentsRect().topLeft(), m_surface.image());
    if (!m_probe)
        return;
    // Drawn in whole pixels of the drawing area, clipped to it, in the colour of a selection.
    painter.setClipRect(contentsRect());
    painter.translate(contentsRect().topLeft() + *m_probe);
    const QColor colour = palette().color(QPalette::Highlight);
    constexpr int side = 2 * probeRing + 1;
    constexpr int far = probeRing + probeTick;
    painter.fillRect(-probeRing, -probeRing, side, 1, colour);
    painter.fillRect(-probeRing, probeRing, side, 1, colour);
    painter.fillRect(-probeRing, -probeRing, 1, side, colour);
    painter.fillRect(probeRing, -probeRing, 1, side, colour);
    painter.fillRect(-far, 0, probeTick, 1, colour);
    painter.fillRect(probeRing + 1, 0, probeTick, 1, colour);
    painter.fillRect(0, -far, 1, probeTick, colour);
    painter.fillRect(0, probeRing + 1, 1, probeTick, colour);
}

} // namespace fourier
