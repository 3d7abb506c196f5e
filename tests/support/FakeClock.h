#pragma once

#include "Clock.h"

#include <QTimeZone>

// A clock that stands still until a test moves it. Local time is UTC shifted by a fixed number
// of seconds, or follows a real time zone when one is set.
class FakeClock final : public Clock {
public:
    explicit FakeClock(QDateTime utc = QDateTime(QDate(2026, 12, 5), QTime(9, 0), Qt::UTC),
                       int localOffsetSeconds = 0)
        : utc_(std::move(utc)), offset_(localOffsetSeconds) {}

    QDateTime localNow() const override {
        return zone_.isValid() ? utc_.toTimeZone(zone_) : utc_.toOffsetFromUtc(offset_);
    }
    QDateTime utcNow() const override { return utc_; }

    void setUtc(const QDateTime& utc) { utc_ = utc.toUTC(); }
    // Local time = UTC + offset (a user at UTC-5 has -5 hours).
    void setLocalOffsetHours(int hours) { offset_ = hours * 3600; }
    // A local zone with its daylight-saving changes, in place of the fixed offset.
    void setZone(const QTimeZone& zone) { zone_ = zone; }
    void advanceSeconds(qint64 seconds) { utc_ = utc_.addSecs(seconds); }
    void advanceMSecs(qint64 msecs) { utc_ = utc_.addMSecs(msecs); }

private:
    QDateTime utc_;
    int offset_;
    QTimeZone zone_;
};
