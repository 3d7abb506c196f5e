// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "DBusNotifier.h"

#include "DesktopId.h"

#include <QDBusAbstractInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

// The service's interface, with its signals as Qt signals of the same names.
class NotificationsProxy final : public QDBusAbstractInterface {
    Q_OBJECT

public:
    NotificationsProxy(const QDBusConnection& bus, QObject* parent)
        : QDBusAbstractInterface(QStringLiteral("org.freedesktop.Notifications"),
                                 QStringLiteral("/org/freedesktop/Notifications"),
                                 "org.freedesktop.Notifications", bus, parent) {}

signals:
    void ActionInvoked(uint id, const QString& actionKey);
    void NotificationClosed(uint id, uint reason);
};

namespace {

// A service that has not answered by then is taken as failed.
constexpr int kTimeoutMs = 5000;
// Critical: an alarm's notification stays until the user has seen it. A reminder is normal.
constexpr uchar kNormal = 1;
constexpr uchar kCritical = 2;

} // namespace

DBusNotifier::DBusNotifier(Bus bus) : bus_(std::move(bus)) {}

NotificationsProxy* DBusNotifier::service() {
    if (connected_)
        return proxy_;
    connected_ = true;
    const QDBusConnection bus = bus_();
    if (!bus.isConnected())
        return nullptr;
    proxy_ = new NotificationsProxy(bus, this);
    proxy_->setTimeout(kTimeoutMs);
    connect(proxy_, &NotificationsProxy::ActionInvoked, this, &DBusNotifier::actionInvoked);
    connect(proxy_, &NotificationsProxy::NotificationClosed, this,
            [this](uint id) { shown_.remove(id); });
    return proxy_;
}

QString DBusNotifier::plainBody(const QString& text) {
    QString plain = text;
    plain.replace(u'&', QStringLiteral("&amp;"));
    plain.replace(u'<', QStringLiteral("&lt;"));
    plain.replace(u'>', QStringLiteral("&gt;"));
    return plain;
}

void DBusNotifier::notify(const QString& summary, const QString& body, bool stop) {
    send({summary, body, stop}, 0);
}

void DBusNotifier::remind(const QString& summary, const QString& body) {
    send({summary, body, false, true}, 0);
}

void DBusNotifier::alarmStopped() {
    for (auto it = shown_.cbegin(); it != shown_.cend(); ++it) {
        if (it->stop)
            send({it->summary, it->body, false, false}, it.key());
    }
}

void DBusNotifier::send(const Shown& shown, uint replaces) {
    NotificationsProxy* notifications = service();
    if (!notifications) {
        //: Why the desktop's notifications could not be used.
        failed(shown, tr("there is no session bus"));
        return;
    }
    // Each action is a key, then the words on the notification's button.
    //: The notification's button that brings the clock to the front.
    QStringList actions{QStringLiteral("default"), tr("Show Tockmere")};
    //: The notification's button that stops the looping alarm sound.
    if (shown.stop)
        actions << QStringLiteral("stop") << tr("Stop");
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), kDesktopId},
        {QStringLiteral("urgency"), QVariant::fromValue(shown.reminder ? kNormal : kCritical)}};
    const QDBusPendingCall call = notifications->asyncCall(
        QStringLiteral("Notify"), QStringLiteral("Tockmere"), replaces, kDesktopId, shown.summary,
        plainBody(shown.body), actions, hints, -1);
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, shown](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isError())
                    failed(shown, reply.error().message());
                else
                    shown_.insert(reply.value(), shown);
            });
}

void DBusNotifier::actionInvoked(uint id, const QString& action) {
    if (!shown_.contains(id))
        return;
    if (action == u"stop")
        emit stopAsked();
    else if (action == u"default")
        emit openAsked();
}

void DBusNotifier::failed(const Shown& shown, const QString& why) {
    if (shown.reminder)
        emit reminderUndelivered(shown.summary, shown.body);
    if (told_)
        return;
    told_ = true;
    //: A line on standard error; "tockmere" is the command's name. %1 is why, such as "there is
    //: no session bus".
    qWarning("%s", qUtf8Printable(tr("tockmere: the desktop's notifications could not be used "
                                     "(%1); alarms show in the alarm window only")
                                      .arg(why)));
}

#include "DBusNotifier.moc"
