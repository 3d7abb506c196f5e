// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "Options.h"

#include "Numbers.h"
#include "SettingsKeys.h"
#include "SkedTiming.h"

namespace {

using SettingsKeys::kFalse;
using SettingsKeys::kTrue;

// Each switch's key and its value when nothing was stored, in the order of Options::Switch.
struct SwitchKey {
    QLatin1String key;
    QLatin1String fallback;
};
constexpr SwitchKey kSwitchKeys[] = {
    {SettingsKeys::kMinimize, kFalse},  {SettingsKeys::kSilent, kTrue},
    {SettingsKeys::kAlarmPopUp, kTrue}, {SettingsKeys::kAlarmCloseButton, kTrue},
    {SettingsKeys::kUseUtc, kTrue},     {SettingsKeys::kContinuous, kFalse},
};

} // namespace

Options::Options(SettingsStore& settings) : settings_(settings) {}

QString Options::read(QLatin1String key, const QString& fallback) const {
    return settings_.read(SettingsKeys::kApplication, SettingsKeys::kSection, key, fallback);
}

void Options::store(QLatin1String key, const QString& text) {
    settings_.save(SettingsKeys::kApplication, SettingsKeys::kSection, key, text);
}

void Options::restore() {
    for (std::size_t i = 0; i < on_.size(); ++i)
        on_[i] = read(kSwitchKeys[i].key, kSwitchKeys[i].fallback) == kTrue;
    // The label the user has not named yet shows in their language; a named one is theirs.
    //: The clock's label in UTC mode until the user names one with Change Offset Label.
    timeLabel_ = read(SettingsKeys::kUtcLabel, tr("UTC Time"));
    // A stored offset the program could not have written reads as 0.
    utcOffsetMinutes_ =
        offsetFromText(read(SettingsKeys::kUtcOffset, QStringLiteral("0")).toStdString())
            .value_or(0);
    // Minutes that are no whole number in range read as none, as a file without them does.
    auto minutes = [this](QLatin1String key, int most) {
        return minutesFromText(read(key, QString()).toStdString(), most).value_or(0);
    };
    remindMinutes_ = minutes(SettingsKeys::kRemindMinutes, kRemindMost);
    lateLimitMinutes_ = minutes(SettingsKeys::kLateLimitMinutes, kLateLimitMost);
}

void Options::set(Switch which, bool on) {
    const auto index = static_cast<std::size_t>(which);
    on_[index] = on;
    store(kSwitchKeys[index].key, on ? kTrue : kFalse);
    emit switchChanged(which, on);
}

void Options::setTimeLabel(const QString& label) {
    timeLabel_ = label;
    store(SettingsKeys::kUtcLabel, label);
    emit timeLabelChanged(label);
}

void Options::setUtcOffsetMinutes(int minutes) {
    utcOffsetMinutes_ = minutes;
    storeUtcOffset();
}

void Options::setRemindMinutes(int minutes) {
    remindMinutes_ = minutes;
    store(SettingsKeys::kRemindMinutes, QString::number(minutes));
}

void Options::storeUtcOffset() {
    store(SettingsKeys::kUtcOffset, QString::fromStdString(offsetText(utcOffsetMinutes_)));
}

ShownValues Options::shownAt(const QDateTime& localNow) const {
    const QDate date = localNow.date();
    const QTime time = localNow.time();
    return shownValues({date.year(), date.month(), date.day()},
                       {time.hour(), time.minute(), time.second()}, isOn(Switch::UseUtc),
                       utcOffsetMinutes_);
}
