// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "SkedEntry.h"
#include "TimeBase.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How far a sked stands from the clock, in the clock's own time base: the time left before it,
// the reminder ahead of it, and how late it rings.

// Seconds from a sked's minute to the shown second: below zero while the sked is ahead. Both
// are read in the same time base, as the due test reads them. Nothing for a row that cannot
// ring.
std::optional<std::int64_t> secondsPastDue(const SkedEntry& row, const ShownValues& shown);

// A span in whole minutes from the largest unit down, or in seconds below a minute: "45 s",
// "1 min", "2 h 5 min", "1 h 0 min", "3 d 0 h 10 min".
std::string spanText(std::int64_t seconds);
// The time left to a sked: "in 2 h 13 min", "in 45 s", and "due now" once it is due.
std::string timeLeftText(std::int64_t secondsLeft);

// A sked that rings more than a minute after its own is late.
constexpr std::int64_t kLateAfterSeconds = 60;
// The line a late sked is told with: "Due 14:30 UTC, 2 h 5 min late", or "Due 14:30 local" in
// local mode; empty for a sked on time.
std::string lateLine(const SkedEntry& row, std::int64_t secondsPast, bool utcMode);

// A reminder `remindMinutes` ahead (0: none) is due from its moment until the sked itself is.
bool isReminderDue(std::int64_t secondsLeft, int remindMinutes);

// Whole minutes from 0 to `most` as a user types them or the settings hold them, blanks around
// them; nothing for anything else.
std::optional<int> minutesFromText(std::string_view text, int most);
