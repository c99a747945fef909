// SPDX-License-Identifier: MIT
#include "controls.h"

#include "imagesurface.h"
#include "picturebox.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace fourier {

namespace {

// The picture box's rectangle, less its border, is the plot area the commands are built for.
static_assert(
    toPixels(controlNamed("Pic").rect).width() - 2 * PictureBox::borderWidth == plotAreaWidth);
static_assert(
    toPixels(controlNamed("Pic").rect).height() - 2 * PictureBox::borderWidth == plotAreaHeight);

} // namespace

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor toQColor(Colour colour)
{
    return QColor::fromRgb(toQRgb(colour));
}

QString caption(const ControlLayout& control)
{
    return QCoreApplication::translate("fourier::Form1", control.text.data());
}

QLabel* makeLabel(const ControlLayout& control, QWidget* parent)
{
    auto* label = new QLabel(caption(control), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(control.name != singleLineLabel);
    return label;
}

void applyLayout(QWidget& widget, const ControlLayout& control)
{
    widget.setObjectName(fromUtf8(control.name));
    // A translation may break a caption onto two lines where it would not wrap by itself.
    if (control.kind == ControlKind::PushButton || control.kind == ControlKind::Label)
        widget.setAccessibleName(caption(control).replace(u'\n', u' '));
    widget.setGeometry(toPixels(control.rect));
    if (control.foreground || control.background) {
        QPalette colours = widget.palette();
        if (control.foreground)
            colours.setColor(QPalette::WindowText, toQColor(*control.foreground));
        if (control.background)
            colours.setColor(QPalette::Window, toQColor(*control.background));
        widget.setPalette(colours);
        widget.setAutoFillBackground(true);
    }
}

QFont fittedFont(QFont font, const QString& text)
{
    constexpr double smallestPoint = 6.0;
    constexpr double pointStep = 0.5;
    const int room = toPixels(controlNamed(singleLineLabel).rect).width();
    const double largest = font.pointSizeF();
    const int advance = QFontMetrics(font).horizontalAdvance(text);
    if (advance <= room || largest <= smallestPoint)
        return font;
    // The size is the largest of the half-point steps down from the font's own that fits, or the
    // first step at or below the smallest. Each size measured loads a font of its own, which
    // costs as much as laying out the window: the text's width grows in proportion to the size,
    // so the step is guessed from that and then settled by the steps either side of the guess.
    const auto sizeAt = [&](long step) { return largest - static_cast<double>(step) * pointStep; };
    const auto fits = [&](long step) {
        font.setPointSizeF(sizeAt(step));
        return QFontMetrics(font).horizontalAdvance(text) <= room;
    };
    const auto lastStep = static_cast<long>(std::ceil((largest - smallestPoint) / pointStep));
    const double guess = std::ceil((largest - largest * room / advance) / pointStep);
    long step = std::clamp(static_cast<long>(guess), 1L, lastStep);
    while (step > 1 && fits(step - 1))
        --step;
    while (step < lastStep && !fits(step))
        ++step;
    font.setPointSizeF(sizeAt(step));
    return font;
}

void stackLabelsBeneath(const ControlWidgets& widgets)
{
    for (std::size_t i = 0; i < form1Controls.size(); ++i) {
        if (form1Controls[i].kind == ControlKind::Label)
            widgets[i]->lower();
    }
}

void orderTabs(QWidget& window, const ControlWidgets& widgets)
{
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (std::size_t i = 0; i < form1Controls.size(); ++i) {
        if (form1Controls[i].kind != ControlKind::Label)
            tabOrder.emplace_back(form1Controls[i].tabIndex, widgets[i]);
    }
    std::sort(tabOrder.begin(), tabOrder.end(),
        [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        window.setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    tabOrder.front().second->setFocus();
}

QFont windowFont()
{
    return fittedFont(QGuiApplication::font(), fromUtf8(controlNamed(singleLineLabel).text));
}

} // namespace fourier
