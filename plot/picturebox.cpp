// SPDX-License-Identifier: MIT
#include "picturebox.h"

#include <QPainter>
#include <QStringList>

namespace fourier {

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
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    // No smoothing: on a high-density screen each point stays a crisp block of device pixels.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(contentsRect().topLeft(), m_surface.image());
}

} // namespace fourier
