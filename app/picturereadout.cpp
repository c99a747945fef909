// SPDX-License-Identifier: MIT
#include "picturereadout.h"

#include "coretexts.h"
#include "picturebox.h"
#include "readout.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStringList>
#include <QToolTip>
#include <algorithm>

namespace fourier {

PictureReadout::PictureReadout(PictureBox& pictureBox)
    : QObject(&pictureBox)
    , m_pictureBox(pictureBox)
{
    // The tooltip follows the pointer only if the pointer's moves are seen.
    m_pictureBox.setMouseTracking(true);
    m_pictureBox.setWhatsThis(
        tr("Point at the picture to read the point's coordinates and the curves through it. With "
           "the keyboard, the arrow keys move a probe that reads the same, Shift and an arrow "
           "key ten pixels at a time; Home brings it back to the origin and Escape hides it."));
    m_pictureBox.installEventFilter(this);
    connect(&m_pictureBox, &PictureBox::refreshed, this, &PictureReadout::pictureChanged);
}

QString PictureReadout::textAt(QPoint pixel) const
{
    const ImageSurface& surface = m_pictureBox.surface();
    QStringList lines;
    for (const Phrase& line : readoutAt(surface.mapping(), surface.curves(), pixel.x(), pixel.y()))
        lines.append(translatedReadoutLine(line));
    return lines.join(QLatin1Char('\n'));
}

bool PictureReadout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_pictureBox)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ToolTip: {
        const auto& help = static_cast<const QHelpEvent&>(*event);
        // Off the drawing area, on the border, the plot area has no tip to show.
        if (!showTip(help.pos(), help.globalPos()))
            event->ignore();
        return true;
    }
    case QEvent::MouseMove:
        if (m_tipShown && QToolTip::isVisible()) {
            const auto& mouse = static_cast<const QMouseEvent&>(*event);
            showTip(mouse.position().toPoint(), mouse.globalPosition().toPoint());
        }
        break;
    case QEvent::Leave:
        if (m_tipShown)
            QToolTip::hideText();
        m_tipShown = false;
        break;
    case QEvent::KeyPress:
        return moveProbe(static_cast<const QKeyEvent&>(*event));
    case QEvent::FocusOut:
        // The plot area's own menu takes the focus only while it is open.
        if (static_cast<const QFocusEvent&>(*event).reason() != Qt::PopupFocusReason)
            stopAnnouncing();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool PictureReadout::showTip(QPoint position, QPoint globalPosition)
{
    const std::optional<QPoint> pixel = m_pictureBox.pixelAt(position);
    if (!pixel) {
        if (m_tipShown)
            QToolTip::hideText();
        m_tipShown = false;
        return false;
    }
    // Within the drawing area the tip moves with each new reading, and Qt hides it once the
    // pointer leaves the area.
    QToolTip::showText(globalPosition, textAt(*pixel), &m_pictureBox, m_pictureBox.contentsRect());
    m_tipShown = true;
    m_tipPosition = position;
    m_tipGlobalPosition = globalPosition;
    return true;
}

bool PictureReadout::moveProbe(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    // Other modifiers are the window's shortcuts', and Tab and the menu key keep their work.
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)
        return false;
    const int step = modifiers == Qt::ShiftModifier ? longStep : 1;
    const std::optional<QPoint> shown = m_pictureBox.probe();
    QPoint at = shown.value_or(m_probeAt.value_or(origin()));
    switch (key.key()) {
    case Qt::Key_Left:
        at.rx() -= shown ? step : 0;
        break;
    case Qt::Key_Right:
        at.rx() += shown ? step : 0;
        break;
    case Qt::Key_Up:
        at.ry() -= shown ? step : 0;
        break;
    case Qt::Key_Down:
        at.ry() += shown ? step : 0;
        break;
    case Qt::Key_Home:
        at = origin();
        break;
    case Qt::Key_Escape:
        if (!m_announcing)
            return false;
        stopAnnouncing();
        return true;
    default:
        return false;
    }
    const QSize area = m_pictureBox.surface().image().size();
    at = { std::clamp(at.x(), 0, area.width() - 1), std::clamp(at.y(), 0, area.height() - 1) };
    m_probeAt = at;
    announce();
    return true;
}

void PictureReadout::announce()
{
    m_announcing = true;
    const bool readable = m_pictureBox.surface().mapping().isUserScale();
    // A hidden probe shows again on the first key; there is no probe while nothing can be read.
    m_pictureBox.setProbe(readable ? m_probeAt : std::nullopt);
    const QString reading = textAt(m_probeAt.value_or(origin()));
    if (reading == m_pictureBox.accessibleDescription())
        return;
    m_pictureBox.setAccessibleDescription(reading);
    // Qt 6.4 changes a description without telling assistive technology; screen readers speak
    // the new description of the object with the focus when they are told.
    QAccessibleEvent changed(&m_pictureBox, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void PictureReadout::stopAnnouncing()
{
    if (!m_announcing)
        return;
    m_announcing = false;
    m_pictureBox.setProbe(std::nullopt);
    m_pictureBox.refresh();
}

void PictureReadout::pictureChanged()
{
    if (m_announcing)
        announce();
    if (m_tipShown && QToolTip::isVisible())
        showTip(m_tipPosition, m_tipGlobalPosition);
}

QPoint PictureReadout::origin() const
{
    const ImageSurface& surface = m_pictureBox.surface();
    const UserMapping& mapping = surface.mapping();
    const std::optional<int> column = mapping.column(0.0f);
    const std::optional<int> row = mapping.row(0.0f);
    if (mapping.isUserScale() && column && row)
        return { *column, *row };
    return { surface.image().width() / 2, surface.image().height() / 2 };
}

} // namespace fourier
