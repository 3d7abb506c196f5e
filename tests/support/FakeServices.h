// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Autostart.h"
#include "ClockHealth.h"
#include "HelpViewer.h"
#include "Notifier.h"
#include "Sound.h"

#include <QList>
#include <QStringList>

// The small services as records of what the program asked of them.

class FakeHelpViewer final : public HelpViewer {
public:
    bool showContents(const QString& path) override {
        shown.append(path);
        return true;
    }
    QStringList shown;
};

class FakeSound final : public Sound {
public:
    struct Played {
        QString path;
        Mode mode;
    };
    Problem play(const QString& path, Mode mode) override {
        played.append({path, mode});
        return problem;
    }
    QList<Played> played;
    Problem problem = Problem::None; // what every play answers
};

// Answers a scripted reading of the kernel and counts how often it was asked.
class FakeClockHealth final : public ClockHealth {
public:
    ClockReading read() const override {
        ++reads;
        return reading;
    }
    ClockReading reading{0, 0, 16'000, 3'000};
    mutable int reads = 0;
};

// Records every notification: "summary|body", and " [Stop]" while it offers Stop.
class FakeNotifier final : public Notifier {
public:
    void notify(const QString& summary, const QString& body, bool stop) override {
        shown << summary + u'|' + body + (stop ? QStringLiteral(" [Stop]") : QString());
    }
    void alarmStopped() override {
        for (QString& one : shown)
            one.remove(QStringLiteral(" [Stop]"));
    }
    // Without a service, a reminder comes back at once.
    void remind(const QString& summary, const QString& body) override {
        if (missing)
            emit reminderUndelivered(summary, body);
        else
            shown << summary + u'|' + body + QStringLiteral(" [reminder]");
    }
    bool missing = false;
    using Notifier::openAsked;
    using Notifier::stopAsked;
    QStringList shown;
};

// The entry as a flag, and a failure on demand.
class FakeAutostart final : public Autostart {
public:
    bool isEnabled() const override { return enabled; }
    QString setEnabled(bool on) override {
        if (failure.isEmpty())
            enabled = on;
        return failure;
    }
    QString path() const override {
        return QStringLiteral("/fake/autostart/org.tockmere.Tockmere.desktop");
    }
    bool enabled = false;
    QString failure;
};
