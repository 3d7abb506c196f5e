// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>

// Controls placed at their designed geometry and named after their control names, so that tests
// and screen readers can find them.
template <typename Widget>
Widget* placed(Widget* widget, const QString& name, const QRect& geometry) {
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

// Labels show their text as it stands: a message the user typed as "<b>" shows "<b>".
inline QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption,
                         const QRect& geometry) {
    QLabel* label = placed(new QLabel(caption, parent), QLatin1String(name), geometry);
    label->setTextFormat(Qt::PlainText);
    return label;
}

inline QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                               const QRect& geometry) {
    return placed(new QPushButton(caption, parent), QLatin1String(name), geometry);
}
