// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QDateTime>

// Every reading of the time goes through here, so tests can set and step the time.
class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time of day.
    virtual QDateTime localNow() const = 0;
    // The system clock in UTC.
    virtual QDateTime utcNow() const = 0;
};
