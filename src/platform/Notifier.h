// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QObject>
#include <QString>

// Tells the user of an alarm through the desktop's notifications, which reach them where the
// alarm window may not: behind other windows, on another workspace, with the clock minimised.
// Each alarm gets a notification of its own. Nothing here may wait or fail loudly: without a
// notification service the program goes on as before.
class Notifier : public QObject {
    Q_OBJECT

public:
    // `stop`: a looping alarm sound plays, and the notification offers to stop it.
    virtual void notify(const QString& summary, const QString& body, bool stop) = 0;
    // The looping sound ended: no notification offers to stop it any more.
    virtual void alarmStopped() = 0;
    // A reminder ahead of a sked: of normal urgency, offering only to show the clock.
    virtual void remind(const QString& summary, const QString& body) = 0;

signals:
    // The user chose Stop on a notification.
    void stopAsked();
    // The user clicked a notification: the clock is wanted in front.
    void openAsked();
    // A reminder found no notification service to take it.
    void reminderUndelivered(const QString& summary, const QString& body);
};
