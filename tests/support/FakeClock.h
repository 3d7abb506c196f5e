// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Clock.h"

// A clock that stands still until a test moves it; local time is UTC shifted by the zone's offset,
// which a test may change as a daylight-saving change does.
class FakeClock final : public Clock {
public:
    QDateTime localNow() const override { return utc_.toOffsetFromUtc(offsetMinutes_ * 60); }
    QDateTime utcNow() const override { return utc_; }

    void setUtc(const QDateTime& utc) { utc_ = utc.toUTC(); }
    // A user at UTC-5 has -300 minutes.
    void setLocalOffsetMinutes(int minutes) { offsetMinutes_ = minutes; }
    void advanceSeconds(qint64 seconds) { utc_ = utc_.addSecs(seconds); }

private:
    QDateTime utc_{QDate(2026, 12, 5), QTime(9, 0), Qt::UTC};
    int offsetMinutes_ = 0;
};
