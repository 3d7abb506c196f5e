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
double LeadingNumber(std::string_view text);

// Rounds to the nearest integer, halves to the even one (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
double roundHalfEven(double value);

// The value rounded half to even, when it fits the integer type.
std::optional<std::int32_t> roundToInt32(double value);
std::optional<std::int16_t> roundToInt16(double value);

// A time text shown through the number pattern "00:00": 1430 -> 14:30, 930 -> 09:30,
// 5 -> 00:05. Empty stays empty; a text that is not all digits is shown as it stands.
std::string formatTimeText(std::string_view timeText);

// An hour offset from text: LeadingNumber rounded half to even, accepted only within -24..24 so
// that one correction of the hour always brings the clock back into 0..23.
std::optional<std::int16_t> hourOffsetFromText(std::string_view text);
