// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Options.h"
#include "SettingsStore.h"

#include <QWidget>

class QLabel;
class Resizer;

// The window that carries the message of a fired sked. "Close" only hides it; the close box
// stores its layout and destroys it, so the next alarm creates it afresh. Alarms that fire while
// it is open are all kept in it, newest first, so none hides the one before.
class AlarmWindow final : public QWidget {
    Q_OBJECT

public:
    // The Close button can be used when the switch says so at the window's creation.
    AlarmWindow(const Options& options, SettingsStore& settings);

    // Shows a fired sked: its heading ("Alarm at 14:30:00") and its message. The alarms shown
    // since the window was last closed follow it.
    void showAlarm(const QString& heading, const QString& message);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void forgetAlarms();

    QLabel* messageLabel_ = nullptr;
    // The newest alarm and the ones shown before it since the window was last closed, newest
    // first, each a heading and its message.
    QString newest_;
    QStringList earlier_;
    Resizer* resizer_ = nullptr;
};
