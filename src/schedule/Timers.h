// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <cstdint>
#include <string>

// The countdown's remaining time as minutes (at least two digits) and seconds: 75 gives 01:15,
// 6000 gives 100:00. A count below zero shows 00:00 until it ends on the next tick.
std::string remainingText(std::int64_t seconds);

// The stopwatch counts the ticks it receives: hours without limit, minutes and seconds 0..59.
struct StopwatchCount {
    std::int64_t hours = 0;
    int minutes = 0;
    int seconds = 0;

    void tick();
};
