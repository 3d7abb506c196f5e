// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "TimeBase.h"

#include "Text.h"
#include "Translation.h"

#include <charconv>

namespace {

std::optional<int> number(std::string_view text, std::size_t minDigits, std::size_t maxDigits) {
    if (text.size() < minDigits || text.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kLengths[month - 1];
}

CivilDate addDays(CivilDate date, int days) {
    for (; days > 0; --days) {
        if (++date.day > daysInMonth(date.year, date.month)) {
            date.day = 1;
            if (++date.month > 12) {
                date.month = 1;
                ++date.year;
            }
        }
    }
    for (; days < 0; ++days) {
        if (--date.day < 1) {
            if (--date.month < 1) {
                date.month = 12;
                --date.year;
            }
            date.day = daysInMonth(date.year, date.month);
        }
    }
    return date;
}

std::string skedDateText(CivilDate date) {
    return twoDigitText(date.month) + "/" + twoDigitText(date.day) + "/" +
           twoDigitText(date.year % 100);
}

ShownValues shownValues(CivilDate localDate, CivilTime localTime, bool utcMode, int offsetMinutes) {
    constexpr int kMinutesPerDay = 24 * 60;
    int minute = localTime.hour * 60 + localTime.minute + (utcMode ? offsetMinutes : 0);
    CivilDate date = localDate;
    if (minute < 0) {
        minute += kMinutesPerDay;
        date = addDays(date, -1);
    }
    if (minute >= kMinutesPerDay) {
        minute -= kMinutesPerDay;
        date = addDays(date, 1);
    }
    const std::string hh = twoDigitText(minute / 60);
    const std::string mm = twoDigitText(minute % 60);
    return {hh + ":" + mm + ":" + twoDigitText(localTime.second), hh + mm, date};
}

std::optional<CivilDate> readSkedDate(std::string_view raw, int currentYear) {
    const std::string trimmed = trimBlanks(raw);
    const std::string_view text = trimmed;
    const auto firstSlash = text.find('/');
    const auto secondSlash =
        text.find('/', firstSlash == std::string_view::npos ? 0 : firstSlash + 1);
    if (firstSlash == std::string_view::npos || secondSlash == std::string_view::npos)
        return std::nullopt;
    const auto month = number(text.substr(0, firstSlash), 1, 2);
    const auto day = number(text.substr(firstSlash + 1, secondSlash - firstSlash - 1), 1, 2);
    const std::string_view yearText = text.substr(secondSlash + 1);
    auto year = number(yearText, 2, 4);
    if (!month || !day || !year || yearText.size() == 3)
        return std::nullopt;
    if (yearText.size() == 2) {
        const int first = currentYear - 50;
        const int century = first - first % 100;
        *year += century + *year < first ? century + 100 : century;
    }
    if (*month < 1 || *month > 12 || *day < 1 || *day > daysInMonth(*year, *month))
        return std::nullopt;
    return CivilDate{*year, *month, *day};
}

std::string comparableTime(std::string_view raw) {
    const std::string time = trimBlanks(raw);
    const bool shortDigits = !time.empty() && time.size() < 4 &&
                             time.find_first_not_of("0123456789") == std::string::npos;
    return shortDigits ? std::string(4 - time.size(), '0') + time : time;
}

bool isTimeOfDay(std::string_view hhmm) {
    return hasShape(hhmm, "9999") && twoDigitsAt(hhmm, 0) <= 23 && twoDigitsAt(hhmm, 2) <= 59;
}

std::string whyNeverRings(const SkedEntry& row, int currentYear) {
    if (isBlank(row.time))
        return translated("TimeBase", "the time is missing");
    if (!readSkedDate(row.date, currentYear))
        return translated("TimeBase", "the date is not a date");
    if (!isTimeOfDay(comparableTime(row.time)))
        return translated("TimeBase", "the time is not a time of day");
    return {};
}

bool isDue(const SkedEntry& row, const ShownValues& shown) {
    const auto date = readSkedDate(row.date, shown.date.year);
    return date &&
           (*date < shown.date || (*date == shown.date && shown.hhmm >= comparableTime(row.time)));
}
