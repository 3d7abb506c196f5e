// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QString>

// What the main window's caption says. Three things want it, in this order of precedence: the
// minimised window (the next alarm's time), a running countdown, and the schedule (the file of
// the armed skeds, or the idle caption). What the schedule wants while another holds the
// caption shows when that one lets go. No widget: the window shows text() after every change.
class MainCaption {
public:
    // The caption when no sked is armed, in the user's language.
    static QString idleText();

    QString text() const;

    void setIdle() { setNormal(idleText()); }
    void setAlarmSet(const QString& shortName);
    // A countdown that ends on its own leaves the idle caption, unless the schedule wanted
    // another meanwhile.
    void setCountdown(bool running);
    // A countdown the user cleared gives back what the caption said before it.
    void countdownCleared();
    // `nextAlarm`: the armed sked's time, or "done"; empty while the window is not minimised.
    void setMinimised(const QString& nextAlarm) { nextAlarm_ = nextAlarm; }

private:
    void setNormal(const QString& caption);

    QString normal_{idleText()};
    bool countdown_ = false;
    QString beforeCountdown_;
    bool wantedDuringCountdown_ = false;
    QString nextAlarm_;
};
