// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The numeric value of a text: leading blanks, an optional sign, digits, an optional decimal point
// and more digits; reading stops at the first character that cannot continue the number. A text
// without a leading number is worth 0.
double leadingNumber(std::string_view text);
// The same, telling a text without a leading number ("abc", "-", "") from one worth 0.
std::optional<double> leadingNumberIn(std::string_view text);

// Rounds to the nearest integer, halves to the even one (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
double roundHalfEven(double value);

// The value rounded half to even, when it fits the integer type.
std::optional<std::int32_t> roundToInt32(double value);

// A time text shown through the number pattern "00:00": 1430 -> 14:30, 930 -> 09:30,
// 5 -> 00:05. Empty stays empty; a text that is not all digits is shown as it stands.
std::string formatTimeText(std::string_view timeText);

// The UTC offset, in minutes, from text in hours with a fraction where the zone has one ("6",
// "-5.5", "12.75"): the leading number rounded to the nearest quarter hour, halves to the even
// quarter. Nothing for a text without a leading number or an offset beyond a day, so one day's
// correction always brings the clock back into the day. It reads the stored setting, whose old
// values ("6 ", "5 hours") must read as they always did.
std::optional<int> offsetFromText(std::string_view text);
// The UTC offset, in minutes, from what a user answers at a prompt: blanks around it, an optional
// sign, whole hours, then at most a decimal fraction after '.' or ',' ("-5.5", "-5,5") or minutes
// after ':' ("-5:30", two digits, 00 to 59); rounded and bounded as above. Anything else, even
// ".5" with no whole hours, is nothing. Unlike offsetFromText, which must keep reading a stored
// setting as it always did, a typed answer has to mean what it says or be refused, so "-5:30" is
// never taken for -5 and a dropped digit never becomes a half hour in silence.
std::optional<int> offsetFromAnswer(std::string_view text);
// The offset as it is stored and shown: hours, with a point and the fraction only where there is
// one ("6", "-5", "-5.5", "12.75", "0.25"), so whole hours read as they always have.
std::string offsetText(int minutes);
