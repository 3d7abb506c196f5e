// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "WallClockTimer.h"

#include <QSocketNotifier>

#include <cstdint>
#include <ctime>

#include <sys/timerfd.h>
#include <unistd.h>

WallClockTimer::WallClockTimer(QObject* parent) : QObject(parent) {
    fd_ = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ < 0)
        return;
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &WallClockTimer::expired);
}

WallClockTimer::~WallClockTimer() {
    if (fd_ >= 0)
        ::close(fd_);
}

void WallClockTimer::start(int msecs) {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    std::int64_t ns = now.tv_nsec + std::int64_t(msecs) * 1'000'000;
    itimerspec at{};
    at.it_value.tv_sec = now.tv_sec + ns / 1'000'000'000;
    at.it_value.tv_nsec = ns % 1'000'000'000;
    // Absolute on the wall clock, and woken when the clock is set.
    active_ = fd_ >= 0 && ::timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &at,
                                            nullptr) == 0;
}

void WallClockTimer::stop() {
    if (fd_ >= 0) {
        const itimerspec disarmed{};
        ::timerfd_settime(fd_, 0, &disarmed, nullptr);
    }
    active_ = false;
}

void WallClockTimer::expired() {
    // The count of expiries, or ECANCELED when the clock was set: either way it is time to look.
    std::uint64_t count = 0;
    (void)::read(fd_, &count, sizeof count);
    if (!active_)
        return;
    active_ = false;
    emit timeout();
}
