// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Options.h"
#include "SettingsStore.h"

#include <QWidget>

class QLabel;
class Resizer;

// The window that carries the message of a fired sked. "Close" only hides it; the close box
// stores its layout and destroys it, so the next alarm creates it afresh.
class AlarmWindow final : public QWidget {
    Q_OBJECT

public:
    // The Close button can be used when the switch says so at the window's creation.
    AlarmWindow(const Options& options, SettingsStore& settings);

    // Shows a fired sked: its title and its text, whose lines the program breaks with CR LF.
    void showAlarm(const QString& title, const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* messageLabel_ = nullptr;
    Resizer* resizer_ = nullptr;
};
