// SPDX-License-Identifier: MIT
#include "accessibleroles.h"

#include "amplitudeview.h"
#include "partsview.h"
#include "picturebox.h"

#include <QAccessibleWidget>

namespace fourier {

namespace {

/// Asked first for every class in a widget's ancestry; nullptr leaves the class to Qt. Qt owns
/// and caches the interfaces it is given.
QAccessibleInterface* accessibleWithRole(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    // The program's own windows, the main one and those beside it, are windows to a screen
    // reader; Qt's dialogs keep the roles Qt gives them.
    if (widget->isWindow() && className.startsWith(QLatin1String("fourier::")))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String(PictureBox::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    // The Harmonics window's drawings are charts, which screen readers read by their
    // descriptions.
    if (className == QLatin1String(AmplitudeView::staticMetaObject.className())
        || className == QLatin1String(PartsView::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Chart);
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    QAccessible::installFactory(accessibleWithRole);
}

} // namespace fourier
