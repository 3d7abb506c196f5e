// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "WindowRoles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface* windowWithRole(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("AlarmWindow"))
        return new QAccessibleWidget(widget, QAccessible::AlertMessage);
    if (className == QLatin1String("MainWindow") || className == QLatin1String("StopwatchWindow"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void giveWindowsTheirRoles() {
    static const bool installed = (QAccessible::installFactory(windowWithRole), true);
    (void)installed;
}
