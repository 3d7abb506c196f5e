// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "SettingsStore.h"
#include "TimeBase.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <array>

// The user's options: six switches, the time-base label and the UTC offset. Read once at
// start-up; every change is stored the moment it is made, so it survives a restart.
class Options final : public QObject {
    Q_OBJECT

public:
    enum class Switch { Minimize, Silent, AlarmPopUp, AlarmCloseButton, UseUtc, Continuous };
    static constexpr int kSwitches = 6;

    explicit Options(SettingsStore& settings);

    // Reads what the last run stored; a switch is on only when stored exactly as TRUE.
    void restore();

    bool isOn(Switch which) const { return on_[static_cast<std::size_t>(which)]; }
    void set(Switch which, bool on);
    // The user's name for the time base, shown in UTC mode.
    QString timeLabel() const { return timeLabel_; }
    void setTimeLabel(const QString& label);
    // Minutes added to local time to show UTC: a user at UTC-5 keeps 300.
    int utcOffsetMinutes() const { return utcOffsetMinutes_; }
    void setUtcOffsetMinutes(int minutes);
    // Takes a new offset for now, without storing it: the clock's tick follows the system with
    // it at once and stores it (storeUtcOffset) once the tick's own work is done.
    void keepUtcOffsetMinutes(int minutes) { utcOffsetMinutes_ = minutes; }
    void storeUtcOffset();

    // What the clock shows at the local moment `localNow`, in the chosen time base.
    ShownValues shownAt(const QDateTime& localNow) const;

    // A value of the program's section of the settings, for what the windows keep themselves.
    QString read(QLatin1String key, const QString& fallback) const;
    void store(QLatin1String key, const QString& text);

signals:
    void switchChanged(Options::Switch which, bool on);
    void timeLabelChanged(const QString& label);

private:
    SettingsStore& settings_;
    std::array<bool, kSwitches> on_{false, true, true, true, true, false};
    QString timeLabel_;
    int utcOffsetMinutes_ = 0;
};
