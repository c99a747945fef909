// SPDX-License-Identifier: MIT
#include "wrappingbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace fourier {

namespace {
/// Room kept between the caption and the button's edge.
constexpr int captionMargin = 3;
} // namespace

WrappingButton::WrappingButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
}

QRect WrappingButton::captionArea() const
{
    return rect().adjusted(captionMargin, captionMargin, -captionMargin, -captionMargin);
}

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(captionArea(), Qt::AlignCenter | Qt::TextWordWrap, text());
}

} // namespace fourier
