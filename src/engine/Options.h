// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "SettingsStore.h"
#include "TimeBase.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <array>

// The user's options: six switches, the time-base label, the UTC offset, the reminder ahead of
// each sked and the limit past which a late sked is no longer rung. Read once at
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
    // Minutes ahead of each sked that a reminder comes, 0 for none, up to a day.
    static constexpr int kRemindMost = 24 * 60;
    int remindMinutes() const { return remindMinutes_; }
    void setRemindMinutes(int minutes);
    // Skeds later than this many minutes are marked done and told instead of rung; 0: no limit.
    // Only the settings file sets it.
    static constexpr int kLateLimitMost = 365 * 24 * 60;
    int lateLimitMinutes() const { return lateLimitMinutes_; }

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
    int remindMinutes_ = 0;
    int lateLimitMinutes_ = 0;
};
