// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "Timers.h"

#include "Text.h"

std::string remainingText(std::int64_t seconds) {
    if (seconds < 0)
        seconds = 0;
    return twoDigitText(seconds / 60) + ":" + twoDigitText(seconds % 60);
}

void StopwatchCount::tick() {
    if (++seconds == 60) {
        seconds = 0;
        ++minutes;
    }
    if (minutes == 60) {
        minutes = 0;
        ++hours;
    }
}
