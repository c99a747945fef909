// SPDX-License-Identifier: MIT
#include "amplitudeview.h"

#include "imagesurface.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace fourier {

namespace {

/// The tallest bar: every sum's first term has amplitude 4.
constexpr double largestAmplitude = seriesAmplitude;
/// The harmonics the axis beneath the bars names.
constexpr int namedHarmonics[] = { 1, 10, 20, 30, 40 };
/// Room around the bars, in lines of text and in pixels.
constexpr double gap = 6.0;

} // namespace

AmplitudeView::AmplitudeView(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Spectrum"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QSize AmplitudeView::sizeHint() const
{
    const double line = QFontMetricsF(font()).lineSpacing();
    return { 480, static_cast<int>(std::ceil(3 * line + 110)) };
}

QSize AmplitudeView::minimumSizeHint() const
{
    const double line = QFontMetricsF(font()).lineSpacing();
    return { 260, static_cast<int>(std::ceil(3 * line + 60)) };
}

void AmplitudeView::setCurve(const std::optional<CurveFacts>& facts)
{
    m_facts = facts;
    describe();
    update();
}

void AmplitudeView::choose(int harmonic)
{
    harmonic = std::clamp(harmonic, 1, shownHarmonics);
    if (harmonic == m_chosen)
        return;
    m_chosen = harmonic;
    describe();
    update();
    Q_EMIT chosenChanged(m_chosen);
}

QRectF AmplitudeView::barArea() const
{
    const QFontMetricsF metrics(font());
    const double line = metrics.lineSpacing();
    const double left = metrics.horizontalAdvance(QStringLiteral("4 ")) + gap;
    return QRectF(left, line + gap, width() - left - gap, height() - 3 * line - 2 * gap);
}

QString AmplitudeView::chosenText() const
{
    if (!m_facts)
        return {};
    const auto harmonic = static_cast<std::uint64_t>(m_chosen);
    //: The harmonic chosen in the spectrum: %1 is its number, %2 its term as in 4/3 sin 3x, %3
    //: its amplitude.
    return tr("Harmonic %1: %2, amplitude %3")
        .arg(QString::number(m_chosen), m_facts->termText(harmonic),
            shownNumber(std::abs(m_facts->coefficient(harmonic))));
}

QString AmplitudeView::moreText() const
{
    if (!m_facts)
        return {};
    const double more = m_facts->harmonicsAbove(shownHarmonics);
    if (more == 0.0)
        return {};
    //: How many harmonics of the sum have no bar: %1 is their count, %2 the last bar's harmonic.
    return tr("and %1 more beyond the %2th")
        .arg(QString::number(static_cast<qulonglong>(more)), QString::number(shownHarmonics));
}

void AmplitudeView::describe()
{
    QString description;
    if (m_facts) {
        QStringList bars;
        for (int harmonic = 1; harmonic <= shownHarmonics; ++harmonic) {
            const double amplitude
                = std::abs(m_facts->coefficient(static_cast<std::uint64_t>(harmonic)));
            if (amplitude > 0.0)
                bars.append(QStringLiteral("%1: %2").arg(harmonic).arg(shownNumber(amplitude)));
        }
        //: %1 lists the harmonics that have an amplitude and their amplitudes, as in "1: 4, 3:
        //: 1.33333".
        description = tr("Amplitudes of the harmonics up to the 40th: %1; the others are 0.")
                          .arg(bars.join(QStringLiteral(", ")));
        if (const QString more = moreText(); !more.isEmpty())
            description += u' ' + more + u'.';
        description += u' ' + chosenText() + u'.';
    }
    if (description == accessibleDescription())
        return;
    setAccessibleDescription(description);
    // Qt 6.4 changes a description without telling assistive technology.
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void AmplitudeView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Base));
    if (!m_facts)
        return;
    const QFontMetricsF metrics(font());
    const double line = metrics.lineSpacing();
    const QRectF area = barArea();
    const QColor text = colours.color(QPalette::Text);
    painter.setPen(text);
    painter.drawText(
        QRectF(gap, 0, width() - 2 * gap, line), Qt::AlignLeft | Qt::AlignVCenter, chosenText());

    // The amplitude axis, at 0, 2 and 4.
    for (const double amplitude : { 0.0, largestAmplitude / 2, largestAmplitude }) {
        const double y = area.bottom() - area.height() * amplitude / largestAmplitude;
        painter.setPen(QPen(colours.color(QPalette::Mid), 0));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(text);
        painter.drawText(QRectF(0, y - line / 2, area.left() - gap / 2, line),
            Qt::AlignRight | Qt::AlignVCenter, QString::number(amplitude));
    }

    const double pitch = area.width() / shownHarmonics;
    const QColor curve = QColor::fromRgb(toQRgb(m_facts->row().colour));
    const QColor chosenColour = colours.color(QPalette::Highlight);
    for (int harmonic = 1; harmonic <= shownHarmonics; ++harmonic) {
        const double amplitude
            = std::abs(m_facts->coefficient(static_cast<std::uint64_t>(harmonic)));
        const double left = area.left() + (harmonic - 1) * pitch + pitch * 0.15;
        const double barWidth = pitch * 0.7;
        const double top = area.bottom() - area.height() * amplitude / largestAmplitude;
        const QColor fill = harmonic == m_chosen ? chosenColour : curve;
        // A bar of height 0 still shows as a sliver on the axis, so that it reads as 0 and not
        // as missing.
        const double sliver = amplitude > 0.0 ? 0.0 : 2.0;
        painter.fillRect(QRectF(left, top - sliver, barWidth, area.bottom() - top + sliver), fill);
        if (harmonic == m_chosen && hasFocus()) {
            painter.setPen(QPen(text, 1, Qt::DotLine));
            painter.drawRect(QRectF(left - 2, area.top() - 2, barWidth + 4, area.height() + 4));
        }
    }
    painter.setPen(text);
    for (const int harmonic : namedHarmonics) {
        const double centre = area.left() + (harmonic - 0.5) * pitch;
        painter.drawText(QRectF(centre - 2 * line, area.bottom() + gap / 2, 4 * line, line),
            Qt::AlignHCenter | Qt::AlignTop, QString::number(harmonic));
    }
    painter.drawText(QRectF(gap, area.bottom() + gap / 2 + line, width() - 2 * gap, line),
        Qt::AlignRight | Qt::AlignVCenter, moreText());
}

void AmplitudeView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        choose(m_chosen - 1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        choose(m_chosen + 1);
        break;
    case Qt::Key_Home:
        choose(1);
        break;
    case Qt::Key_End:
        choose(shownHarmonics);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void AmplitudeView::mousePressEvent(QMouseEvent* event)
{
    const QRectF area = barArea();
    const double at = (event->position().x() - area.left()) / (area.width() / shownHarmonics);
    if (at >= 0.0 && at < shownHarmonics)
        choose(static_cast<int>(at) + 1);
    setFocus(Qt::MouseFocusReason);
    event->accept();
}

} // namespace fourier
