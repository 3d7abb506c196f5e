// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Notifier.h"

#include <QDBusConnection>
#include <QHash>

#include <functional>

class NotificationsProxy;

// Notifications through the desktop's notification service on the session bus
// (org.freedesktop.Notifications). Calls are asynchronous, so a slow or missing service never
// holds the clock; a failure is told once on standard error. The bus is reached at the first
// alarm, not at start-up.
class DBusNotifier final : public Notifier {
    Q_OBJECT

public:
    using Bus = std::function<QDBusConnection()>;
    explicit DBusNotifier(Bus bus = &QDBusConnection::sessionBus);

    void notify(const QString& summary, const QString& body, bool stop) override;
    void alarmStopped() override;
    void remind(const QString& summary, const QString& body) override;

    // The notification's body as plain text: what the service might take for markup is escaped.
    static QString plainBody(const QString& text);

private:
    struct Shown {
        QString summary;
        QString body;
        bool stop = false;
        bool reminder = false;
    };
    void send(const Shown& shown, uint replaces);
    NotificationsProxy* service();
    void actionInvoked(uint id, const QString& action);
    // A notification the service did not take: told once, and a reminder handed back.
    void failed(const Shown& shown, const QString& why);

    Bus bus_;
    bool connected_ = false;
    NotificationsProxy* proxy_ = nullptr;
    // The notifications this program has on the screen, by the service's id.
    QHash<uint, Shown> shown_;
    bool told_ = false;
};
