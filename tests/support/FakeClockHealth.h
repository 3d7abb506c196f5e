// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "ClockHealth.h"

// Answers a scripted reading and counts how often it was asked.
class FakeClockHealth final : public ClockHealth {
public:
    ClockReading read() const override {
        ++reads;
        return reading;
    }

    ClockReading reading{0, 0, 16'000, 3'000};
    mutable int reads = 0;
};
