// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "SkedTiming.h"

#include "Numbers.h"
#include "Text.h"
#include "Translation.h"

namespace {

// Days from 1 January 1970 to a calendar date, before it below zero (the proleptic Gregorian
// calendar, in whole eras of 400 years).
std::int64_t daysSinceEpoch(CivilDate date) {
    const std::int64_t year = date.year - (date.month <= 2 ? 1 : 0);
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear =
        (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int digitsAt(std::string_view text, std::size_t at) {
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

} // namespace

std::optional<std::int64_t> secondsPastDue(const SkedEntry& row, const ShownValues& shown) {
    const auto date = readSkedDate(row.date, shown.date.year);
    const std::string hhmm = comparableTime(row.time);
    if (!date || !isTimeOfDay(hhmm) || shown.time.size() != 8)
        return std::nullopt;
    const std::int64_t days = daysSinceEpoch(shown.date) - daysSinceEpoch(*date);
    const std::int64_t shownSecond =
        digitsAt(shown.time, 0) * 3600 + digitsAt(shown.time, 3) * 60 + digitsAt(shown.time, 6);
    const std::int64_t skedSecond = digitsAt(hhmm, 0) * 3600 + digitsAt(hhmm, 2) * 60;
    return days * 86400 + shownSecond - skedSecond;
}

std::string spanText(std::int64_t seconds) {
    // The units are symbols, as on a clock, so no count needs a plural.
    if (seconds < 60)
        return withArgs(translated("SkedTiming", "%1 s"), {std::to_string(seconds)});
    const std::int64_t minutes = seconds / 60;
    const std::string min =
        withArgs(translated("SkedTiming", "%1 min"), {std::to_string(minutes % 60)});
    if (minutes < 60)
        return min;
    const std::string hours =
        withArgs(translated("SkedTiming", "%1 h %2"), {std::to_string(minutes / 60 % 24), min});
    if (minutes < 24 * 60)
        return hours;
    return withArgs(translated("SkedTiming", "%1 d %2"),
                    {std::to_string(minutes / (24 * 60)), hours});
}

std::string timeLeftText(std::int64_t secondsLeft) {
    return secondsLeft > 0 ? withArgs(translated("SkedTiming", "in %1"), {spanText(secondsLeft)})
                           : translated("SkedTiming", "due now");
}

std::string lateLine(const SkedEntry& row, std::int64_t secondsPast, bool utcMode) {
    if (secondsPast <= kLateAfterSeconds)
        return {};
    return withArgs(utcMode ? translated("SkedTiming", "Due %1 UTC, %2 late")
                            : translated("SkedTiming", "Due %1 local, %2 late"),
                    {formatTimeText(comparableTime(row.time)), spanText(secondsPast)});
}

bool isReminderDue(std::int64_t secondsLeft, int remindMinutes) {
    return secondsLeft > 0 && secondsLeft <= std::int64_t(remindMinutes) * 60;
}

std::optional<int> minutesFromText(std::string_view text, int most) {
    const std::string digits = trimBlanks(text);
    if (digits.empty() || digits.size() > 9 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int minutes = std::stoi(digits);
    return minutes <= most ? std::optional<int>(minutes) : std::nullopt;
}
