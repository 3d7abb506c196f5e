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
class frmStopWatch : public QWidget {
    Q_OBJECT

public:
    frmStopWatch();

    void btnStart_Click();
    void btnExit_Click();
    void tmrTime_Timer();

    QLabel* Label1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* btnStart = nullptr;
    QPushButton* btnExit = nullptr;
    QTimer* tmrTime = nullptr;

private:
    void showCount(const StopwatchCount& count);

    StopwatchCount count_;
};
