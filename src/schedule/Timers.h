// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The countdown's remaining time as minutes (at least two digits) and seconds: 75 gives 01:15,
// 6000 gives 100:00. A count below zero shows 00:00 until it ends on the next tick.
std::string remainingText(std::int64_t seconds);

// The seconds of a countdown as the user answers: seconds ("90", "1.5" rounds half to even),
// "m:ss" or "h:mm:ss" (minutes and seconds of two digits, below 60), blanks around them. Nothing
// for any other answer or one beyond the largest count (2^31 - 1 seconds).
std::optional<std::int32_t> countdownFromAnswer(std::string_view answer);

// The stopwatch counts the ticks it receives: hours without limit, minutes and seconds 0..59.
struct StopwatchCount {
    std::int64_t hours = 0;
    int minutes = 0;
    int seconds = 0;

    void tick();
};
