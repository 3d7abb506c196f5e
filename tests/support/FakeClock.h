// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Clock.h"

// A clock that stands still until a test moves it; local time is UTC shifted by whole hours.
class FakeClock final : public Clock {
public:
    QDateTime localNow() const override { return utc_.toOffsetFromUtc(offsetHours_ * 3600); }
    QDateTime utcNow() const override { return utc_; }

    void setUtc(const QDateTime& utc) { utc_ = utc.toUTC(); }
    // A user at UTC-5 has -5 hours.
    void setLocalOffsetHours(int hours) { offsetHours_ = hours; }
    void advanceSeconds(qint64 seconds) { utc_ = utc_.addSecs(seconds); }

private:
    QDateTime utc_{QDate(2026, 12, 5), QTime(9, 0), Qt::UTC};
    int offsetHours_ = 0;
};
