// SPDX-License-Identifier: MIT
#pragma once

#include "layout.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <array>
#include <string_view>

class QLabel;
class QWidget;

namespace fourier {

/// \a text, in UTF-8 as the control table holds its texts, as a QString.
QString fromUtf8(std::string_view text);

/// \a colour as Qt paints it.
QColor toQColor(Colour colour);

/// The caption of \a control, a button or a label, in the running application's language.
QString caption(const ControlLayout& control);

/// \a rect in the window's pixels.
constexpr QRect toPixels(const TwipRect& rect)
{
    return { rect.left / twipsPerPixel, rect.top / twipsPerPixel, rect.width / twipsPerPixel,
        rect.height / twipsPerPixel };
}

/// The label \a control names, in \a parent: wrapped inside its rectangle unless it is the
/// one-line heading.
QLabel* makeLabel(const ControlLayout& control, QWidget* parent);

/// Gives \a widget its control's name, place and colours, and a button or label its caption as
/// the name screen readers announce.
void applyLayout(QWidget& widget, const ControlLayout& control);

/// \a font, made just small enough for \a text to fit on the one-line heading.
QFont fittedFont(QFont font, const QString& text);

/// The font of the whole window and of the plot area's numbers: the application's, made just
/// small enough for the English heading to fit on its line.
QFont windowFont();

/// The widget of each control, in the order of form1Controls.
using ControlWidgets = std::array<QWidget*, form1Controls.size()>;

/// Puts the labels beneath the controls they reach under.
void stackLabelsBeneath(const ControlWidgets& widgets);

/// Chains every control but the labels in the order of their tab indexes, and focuses the first.
void orderTabs(QWidget& window, const ControlWidgets& widgets);

} // namespace fourier
