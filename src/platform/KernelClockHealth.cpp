// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "KernelClockHealth.h"

#include <sys/timex.h>

ClockReading KernelClockHealth::read() const {
    timex state{};
    const int result = ::adjtimex(&state);
    return {result, state.status, state.maxerror, state.esterror};
}
