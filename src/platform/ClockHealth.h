// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

// What the kernel knows of how well the system clock is kept, from whichever time service keeps
// it: one reading of adjtimex, as the kernel gives it.
struct ClockReading {
    int result = -1; // -1 when the kernel refused to answer; TIME_ERROR: no service keeps it
    int status = 0;  // the status bits, STA_UNSYNC among them
    long maxErrorUs = 0;
    long estErrorUs = 0;
};

class ClockHealth {
public:
    virtual ~ClockHealth() = default;
    virtual ClockReading read() const = 0;
};
