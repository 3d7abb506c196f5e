// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "SettingsStore.h"

#include <QHash>
#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

// Keeps a window's controls in proportion: every child of the client area is moved, sized and
// given a font scaled by the client area's size relative to its designed size. It also stores and
// restores the window's place and size in the settings store, in twips, in the section given.
class Resizer : public QObject {
    Q_OBJECT

public:
    Resizer(QWidget* window, QWidget* client, QSize designedClient, SettingsStore& settings,
            QString section);

    // Takes the current geometry and font of every child of the client area as designed.
    void captureDesign();
    void restoreLayout(const QString& application);
    void storeLayout(const QString& application);

    static QRect scaled(const QRect& designed, QSize designedClient, QSize client);
    static qreal scaledPointSize(qreal designed, QSize designedClient, QSize client);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Design {
        QRect geometry;
        qreal pointSize;
    };
    void apply();

    QWidget* window_;
    QWidget* client_;
    QSize designedClient_;
    SettingsStore& settings_;
    QString section_;
    QHash<QWidget*, Design> design_;
};
