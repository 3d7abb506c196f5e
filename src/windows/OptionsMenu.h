// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "AlarmEngine.h"
#include "Autostart.h"
#include "Dialogs.h"
#include "Options.h"

#include <QMenu>

#include <array>

class QAction;

// The main window's pop-up menu: the option switches, bound to the options both ways, and the
// commands with their prompts (the UTC offset and its label, the countdown, Test Alarm, the quick
// help, Start at Login, the reminder ahead of each sked). It also offers the system's UTC offset
// when the stored one differs.
class OptionsMenu final : public QMenu {
    Q_OBJECT

public:
    OptionsMenu(Options& options, AlarmEngine& engine, Dialogs& dialogs, Autostart& autostart,
                QWidget* parent);

    // Shows the switches as the options hold them, after the start-up read them.
    void showSwitches();
    // The system's offset offered in place of a stored one that differs. At start-up the box
    // waits for its answer; from the running clock it does not.
    void offerSystemOffset(bool wait);

signals:
    void stopwatchRequested();
    void aboutRequested();
    // The user cleared a running countdown.
    void countdownCleared();

private:
    QAction* addSwitch(const char* name, const QString& caption, Options::Switch which);
    QAction* addCommand(const char* name, const QString& caption);
    void updateSwitchCaptions();
    // An offset as the messages count it: "5 hours", "1 hour", "-5.5 hours".
    static QString hoursText(int minutes);
    // The captions of the two switches whose words change with their state.
    static QString alarmPopUpText(bool on);
    static QString closeButtonText(bool on);
    void setUtcOffset();
    // The offset from a prompt's answer; an answer that is no offset is refused with a word on
    // what an offset is, and nothing changes.
    void takeOffset(const QString& answer);
    void changeTimeLabel();
    void showQuickHelp();
    void testAlarm();
    void askForCountdown();
    void startAtLogin(bool on);
    void askForReminder();

    Options& options_;
    AlarmEngine& engine_;
    Dialogs& dialogs_;
    Autostart& autostart_;
    std::array<QAction*, Options::kSwitches> switchActions_{};
    QAction* startAtLogin_ = nullptr;
};
