// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "QtClock.h"

QDateTime QtClock::localNow() const {
    return localAt(QDateTime::currentMSecsSinceEpoch());
}

QDateTime QtClock::utcNow() const {
    return QDateTime::currentDateTimeUtc();
}

QDateTime QtClock::localAt(qint64 msecsSinceEpoch) const {
    constexpr qint64 kMsecsPerMinute = 60 * 1000;
    qint64 minute = msecsSinceEpoch / kMsecsPerMinute;
    if (msecsSinceEpoch % kMsecsPerMinute < 0)
        --minute;
    if (minute != offsetMinute_) {
        offsetSeconds_ =
            QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, Qt::LocalTime).offsetFromUtc();
        offsetMinute_ = minute;
    }
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, Qt::OffsetFromUTC, offsetSeconds_);
}
