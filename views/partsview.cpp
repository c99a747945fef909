// SPDX-License-Identifier: MIT
#include "partsview.h"

#include "imagesurface.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace fourier {

namespace {

constexpr double pi = std::numbers::pi;
/// Room around the plot, in pixels.
constexpr double gap = 6.0;
/// How much higher than the ideal wave the plot reaches, for the sum's overshoot.
constexpr double headroom = 1.25;
/// Samples across the period for each pixel of its width.
constexpr double samplesPerPixel = 2.0;

/// How a harmonic is drawn and named: a colour and a dash pattern, each with its name, told
/// apart by eye whichever colours the eye can tell.
struct HarmonicStyle {
    QColor colour;
    Qt::PenStyle dash;
    const char* colourName;
    const char* dashName;
};

const HarmonicStyle harmonicStyles[] = {
    { QColor(0, 114, 178), Qt::SolidLine, QT_TRANSLATE_NOOP("fourier::PartsView", "blue"),
        QT_TRANSLATE_NOOP("fourier::PartsView", "solid") },
    { QColor(230, 159, 0), Qt::DashLine, QT_TRANSLATE_NOOP("fourier::PartsView", "orange"),
        QT_TRANSLATE_NOOP("fourier::PartsView", "dashed") },
    { QColor(0, 158, 115), Qt::DotLine, QT_TRANSLATE_NOOP("fourier::PartsView", "green"),
        QT_TRANSLATE_NOOP("fourier::PartsView", "dotted") },
};
/// The chosen harmonic, when it is none of the first three.
const HarmonicStyle chosenStyle { QColor(213, 94, 0), Qt::DashDotLine,
    QT_TRANSLATE_NOOP("fourier::PartsView", "red-orange"),
    QT_TRANSLATE_NOOP("fourier::PartsView", "dash-dotted") };
const QColor idealGrey(128, 128, 128);

/// How many harmonics are drawn apart.
constexpr std::size_t harmonicsApart = std::size(harmonicStyles);

} // namespace

struct PartsView::Part {
    /// The line's value at x.
    std::function<double(double)> at;
    QPen pen;
    /// What the key and the description call it.
    QString name;
    QString look;
};

PartsView::PartsView(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Parts over one period"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize PartsView::sizeHint() const
{
    const double line = QFontMetricsF(font()).lineSpacing();
    return { 480, static_cast<int>(std::ceil(4 * line + 200)) };
}

QSize PartsView::minimumSizeHint() const
{
    const double line = QFontMetricsF(font()).lineSpacing();
    return { 260, static_cast<int>(std::ceil(4 * line + 100)) };
}

void PartsView::setCurve(const std::optional<CurveFacts>& facts)
{
    m_facts = facts;
    describe();
    update();
}

void PartsView::setChosen(int harmonic)
{
    if (harmonic == m_chosen)
        return;
    m_chosen = harmonic;
    describe();
    update();
}

std::vector<PartsView::Part> PartsView::parts() const
{
    std::vector<Part> lines;
    if (!m_facts)
        return lines;
    const CurveFacts& facts = *m_facts;
    const auto look = [](const HarmonicStyle& style) {
        return tr("%1, %2").arg(tr(style.colourName), tr(style.dashName));
    };
    const IdealWave& ideal = facts.idealWave();
    lines.push_back({ ideal.at, QPen(idealGrey, 1.5), tr("the ideal wave"), tr("grey, solid") });
    const auto chosen = static_cast<std::uint64_t>(m_chosen);
    const std::vector<std::uint64_t> first = facts.firstHarmonics(harmonicsApart);
    for (std::size_t i = 0; i < first.size(); ++i) {
        const HarmonicStyle& style = harmonicStyles[i];
        const std::uint64_t harmonic = first[i];
        const double width = harmonic == chosen ? 3.5 : 1.5;
        lines.push_back({ [&facts, harmonic](double x) { return facts.termAt(harmonic, x); },
            QPen(style.colour, width, style.dash, Qt::FlatCap), facts.termText(harmonic),
            look(style) });
    }
    const QColor curve = QColor::fromRgb(toQRgb(facts.row().colour));
    lines.push_back({ [&facts](double x) { return facts.sumAt(x); }, QPen(curve, 2.0),
        //: The partial sum in the key of the parts: %1 is its count of terms, as in "10 terms".
        tr("the sum of %1").arg(facts.termCountText()), tr("the curve's colour, solid") });
    if (std::find(first.begin(), first.end(), chosen) == first.end()) {
        lines.push_back({ [&facts, chosen](double x) { return facts.termAt(chosen, x); },
            QPen(chosenStyle.colour, 3.0, chosenStyle.dash, Qt::FlatCap),
            //: The harmonic chosen in the spectrum, in the key of the parts: %1 is its term.
            tr("chosen: %1").arg(facts.termText(chosen)), look(chosenStyle) });
    }
    return lines;
}

double PartsView::reach() const
{
    const IdealWave& ideal = m_facts->idealWave();
    return headroom * std::max(std::abs(ideal.least), std::abs(ideal.greatest));
}

QRectF PartsView::plotArea() const
{
    const QFontMetricsF metrics(font());
    const double line = metrics.lineSpacing();
    const double left = metrics.horizontalAdvance(QStringLiteral("\u22127.85 ")) + gap;
    const double keyRows = 3;
    return QRectF(left, gap, width() - left - gap, height() - (keyRows + 1) * line - 3 * gap);
}

void PartsView::describe()
{
    QString description;
    if (m_facts) {
        QStringList lines;
        for (const Part& part : parts())
            lines.append(tr("%1 in %2").arg(part.name, part.look));
        //: What screen readers hear of the parts: %1 lists each line and how it is drawn.
        description = tr("One period, x from \u2212\u03c0 to \u03c0: %1.")
                          .arg(lines.join(QStringLiteral("; ")));
        //: %1 is the number of the harmonic chosen in the spectrum, %2 its term.
        description += u' '
            + tr("Highlighted: harmonic %1, %2.")
                  .arg(QString::number(m_chosen),
                      m_facts->termText(static_cast<std::uint64_t>(m_chosen)));
    }
    if (description == accessibleDescription())
        return;
    setAccessibleDescription(description);
    // Qt 6.4 changes a description without telling assistive technology.
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void PartsView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Base));
    if (!m_facts)
        return;
    const double line = QFontMetricsF(font()).lineSpacing();
    const QRectF area = plotArea();
    const double top = reach();
    const auto toPoint = [&](double x, double y) {
        return QPointF(area.left() + (x + pi) / (2 * pi) * area.width(),
            area.center().y() - y / top * area.height() / 2);
    };
    const QColor text = colours.color(QPalette::Text);

    // The axes, with x at the quarter periods and y at the ideal wave's least and greatest.
    painter.setPen(QPen(colours.color(QPalette::Mid), 0));
    painter.drawLine(toPoint(-pi, 0), toPoint(pi, 0));
    painter.drawLine(toPoint(0, -top), toPoint(0, top));
    const std::pair<double, const char16_t*> xMarks[] = { { -pi, u"\u2212\u03c0" },
        { -pi / 2, u"\u2212\u03c0/2" }, { 0.0, u"0" }, { pi / 2, u"\u03c0/2" }, { pi, u"\u03c0" } };
    painter.setPen(text);
    for (const auto& [x, name] : xMarks) {
        const QPointF at = toPoint(x, 0);
        painter.drawLine(at - QPointF(0, 3), at + QPointF(0, 3));
        painter.drawText(QRectF(at.x() - 2 * line, area.bottom() + gap / 2, 4 * line, line),
            Qt::AlignHCenter | Qt::AlignTop, QString::fromUtf16(name));
    }
    const IdealWave& ideal = m_facts->idealWave();
    for (const double y : { ideal.least, ideal.greatest }) {
        const QPointF at = toPoint(-pi, y);
        painter.drawText(QRectF(0, at.y() - line / 2, area.left() - gap / 2, line),
            Qt::AlignRight | Qt::AlignVCenter, QString::number(y, 'g', 3).replace(u'-', u'\u2212'));
    }
    const std::vector<Part> lines = parts();
    const int samples = std::max(2, static_cast<int>(area.width() * samplesPerPixel));
    painter.save();
    painter.setClipRect(area.adjusted(0, -gap, 0, gap));
    for (const Part& part : lines) {
        QPainterPath path;
        for (int i = 0; i <= samples; ++i) {
            const double x = -pi + 2 * pi * i / samples;
            const QPointF point = toPoint(x, part.at(x));
            if (i == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        painter.strokePath(path, part.pen);
    }
    painter.restore();

    paintKey(painter, lines, area.bottom() + line + gap);
    if (hasFocus()) {
        painter.setPen(QPen(text, 1, Qt::DotLine));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void PartsView::paintKey(QPainter& painter, const std::vector<Part>& lines, double keyTop) const
{
    const QFontMetricsF metrics(font());
    const double line = metrics.lineSpacing();
    const QColor text = palette().color(QPalette::Text);
    const double column = (width() - 2 * gap) / 2;
    const double sample = 3 * line;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double left = gap + static_cast<double>(i % 2) * column;
        const double y = keyTop + static_cast<double>(i / 2) * line;
        painter.setPen(lines[i].pen);
        painter.drawLine(QPointF(left, y + line / 2), QPointF(left + sample, y + line / 2));
        painter.setPen(text);
        painter.drawText(QRectF(left + sample + gap, y, column - sample - 2 * gap, line),
            Qt::AlignLeft | Qt::AlignVCenter,
            metrics.elidedText(lines[i].name, Qt::ElideRight, column - sample - 2 * gap));
    }
}

} // namespace fourier
