// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Clock.h"

#include <limits>

class QtClock final : public Clock {
public:
    QDateTime localNow() const override;
    QDateTime utcNow() const override;

    // The local time at a moment of the system clock, worked out as localNow() does.
    QDateTime localAt(qint64 msecsSinceEpoch) const;

private:
    // Asking the C library for the local time makes it check the zone file on disk each time,
    // twice a second for the clock. Zone offsets change only on whole minutes, so the offset is
    // asked for once in each minute and the readings within it add it to the system clock; a
    // change of the system's zone is followed at the next minute.
    mutable qint64 offsetMinute_ = std::numeric_limits<qint64>::min();
    mutable int offsetSeconds_ = 0;
};
