// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "SkedEntry.h"

#include <compare>
#include <optional>
#include <string>
#include <string_view>

struct CivilDate {
    int year = 2000;
    int month = 1;
    int day = 1;
    auto operator<=>(const CivilDate&) const = default;
};

struct CivilTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);
// The calendar day `days` away, across month and year ends.
CivilDate addDays(CivilDate date, int days);
// A date as the table's date fields offer it: mm/dd/yy.
std::string skedDateText(CivilDate date);

// What one clock tick shows, in the chosen time base.
struct ShownValues {
    std::string time; // hh:mm:ss
    std::string hhmm; // hhmm
    CivilDate date;
};

// Local time as it stands, or in UTC mode shifted by `offsetMinutes` (at most a day either way),
// the date moving by one calendar day when the time leaves the day.
ShownValues shownValues(CivilDate localDate, CivilTime localTime, bool utcMode, int offsetMinutes);

// A sked date as month/day/year. A two-digit year is the one of the hundred years from 50 before
// `currentYear` to 49 after it that ends in those digits: in 2026, 99 is 1999, 00 is 2000 and 30
// is 2030, so the dates the program writes keep meaning what they meant when it wrote them.
// Four digits are the year as it stands. Nothing when the text is no real calendar date.
std::optional<CivilDate> readSkedDate(std::string_view text, int currentYear);

// The time text as the due test compares it, without the blanks around it: one to three digits are
// padded with leading zeros, so 930 falls due at 09:30 as the main window shows it; any other text
// stays as it is.
std::string comparableTime(std::string_view time);
// Exactly four digits hhmm of a time of day, 0000 to 2359.
bool isTimeOfDay(std::string_view hhmm);

// Why a filled row can never ring, in words for the user ("the time is missing", "the date is not
// a date", "the time is not a time of day"); empty when it can. Arming passes such rows over, as
// it passes over empty ones, so the skeds below them still ring.
std::string whyNeverRings(const SkedEntry& row, int currentYear);

// Whether a row that can ring is due at the shown date and time (whose year places two-digit
// years).
bool isDue(const SkedEntry& row, const ShownValues& shown);
