// SPDX-License-Identifier: MIT
#include "accessibleroles.h"

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
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    QAccessible::installFactory(accessibleWithRole);
}

} // namespace fourier
