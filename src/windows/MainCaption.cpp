// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "MainCaption.h"

QString MainCaption::text() const {
    if (!nextAlarm_.isEmpty())
        return nextAlarm_;
    return countdown_ ? QStringLiteral(" Count Down Timer") : normal_;
}

void MainCaption::setNormal(const QString& caption) {
    normal_ = caption;
    wantedDuringCountdown_ = countdown_;
}

void MainCaption::setAlarmSet(const QString& shortName) {
    setNormal(QStringLiteral("Alarm Set   ") + shortName);
}

void MainCaption::setCountdown(bool running) {
    if (running && !countdown_) {
        beforeCountdown_ = normal_;
        normal_ = kIdle;
        wantedDuringCountdown_ = false;
    }
    countdown_ = running;
}

void MainCaption::countdownCleared() {
    if (!wantedDuringCountdown_)
        normal_ = beforeCountdown_;
}
