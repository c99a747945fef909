// SPDX-License-Identifier: MIT
#include "accessibleroles.h"

#include "form1.h"
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
    if (className == QLatin1String(Form1::staticMetaObject.className()))
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
