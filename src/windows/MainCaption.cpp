// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "MainCaption.h"

#include <QCoreApplication>

QString MainCaption::idleText() {
    //: The clock's caption with no sked armed: the leading blank and the two blanks before "by"
    //: are part of the caption.
    return QCoreApplication::translate("MainCaption", " Tockmere  by Ovix");
}

QString MainCaption::text() const {
    if (!nextAlarm_.isEmpty())
        return nextAlarm_;
    //: The clock's caption while a countdown runs: the leading blank is part of the caption.
    return countdown_ ? QCoreApplication::translate("MainCaption", " Count Down Timer") : normal_;
}

void MainCaption::setNormal(const QString& caption) {
    normal_ = caption;
    wantedDuringCountdown_ = countdown_;
}

void MainCaption::setAlarmSet(const QString& shortName) {
    //: The clock's caption with a sked armed: %1 is the schedule file's short name. The three
    //: blanks before it are part of the caption.
    setNormal(QCoreApplication::translate("MainCaption", "Alarm Set   %1").arg(shortName));
}

void MainCaption::setCountdown(bool running) {
    if (running && !countdown_) {
        beforeCountdown_ = normal_;
        normal_ = idleText();
        wantedDuringCountdown_ = false;
    }
    countdown_ = running;
}

void MainCaption::countdownCleared() {
    if (!wantedDuringCountdown_)
        normal_ = beforeCountdown_;
}
