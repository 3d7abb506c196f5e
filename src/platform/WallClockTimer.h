// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QObject>

class QSocketNotifier;

// A single-shot timer aimed at a moment of the wall clock rather than after a span of time. A
// plain timer counts on the monotonic clock, which stops during a suspend and does not follow a
// step of the system clock, so a clock driven by one would show a stale second for up to its
// whole interval afterwards. This one fires at its moment whatever happened meanwhile, at once
// after a suspend that slept through it, and at once when the system clock is set, so that the
// clock can show the new time and aim afresh. One wake-up per firing, as a plain timer.
class WallClockTimer final : public QObject {
    Q_OBJECT

public:
    explicit WallClockTimer(QObject* parent = nullptr);
    ~WallClockTimer() override;
    WallClockTimer(const WallClockTimer&) = delete;
    WallClockTimer& operator=(const WallClockTimer&) = delete;

    // Fires at the wall-clock moment `msecs` from now.
    void start(int msecs);
    void stop();
    bool isActive() const { return active_; }

signals:
    void timeout();

private:
    void expired();

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    bool active_ = false;
};
