// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessible.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QMainWindow>

namespace ui {

namespace {

// Qt asks each factory for the most derived class first, so the game's own classes (which the
// built-in factory does not know) come here before Qt falls back to QWidget's interface.
QAccessibleInterface* gameRoles(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || className.startsWith(QLatin1Char('Q')))
        return nullptr;
    if (className == QLatin1String("ui::Panel"))
        return new QAccessibleWidget(widget, QAccessible::Pane);
    if (className == QLatin1String("ui::Announcer"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    // Dialogs and main windows keep what Qt gives them (dialog, frame).
    if (widget->isWindow() && !qobject_cast<QDialog*>(widget) && !qobject_cast<QMainWindow*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    QAccessible::installFactory(gameRoles);
}

} // namespace ui
