#include "QtClock.h"

QDateTime QtClock::localNow() const {
    return QDateTime::currentDateTime();
}

QDateTime QtClock::utcNow() const {
    return QDateTime::currentDateTimeUtc();
}
