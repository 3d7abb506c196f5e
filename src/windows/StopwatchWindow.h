// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Timers.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

// A stopwatch counting the ticks of a one-second timer from zero. Closing destroys it, so the
// next opening starts stopped at 00:00:00.
class StopwatchWindow final : public QWidget {
    Q_OBJECT

public:
    StopwatchWindow();

    // One tick of its timer: a second more.
    void countSecond();

private:
    // Start from zero, or stop.
    void startOrStop();
    void showCount();

    QLabel* hoursLabel_ = nullptr;
    QLabel* minutesLabel_ = nullptr;
    QLabel* secondsLabel_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QTimer* tickTimer_ = nullptr;
    StopwatchCount count_;
};
