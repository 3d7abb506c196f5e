// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "SkedForm.h"

#include "Controls.h"
#include "LeadingNumber.h"
#include "Timers.h"

#include <QCoreApplication>
#include <QTimer>

#include <utility>

// The countdown: started, restarted or cleared from the menu; while it runs Timer3 holds the
// clock tick and the clock label shows the time left.

void SkedForm::mdownTimer_Click() {
    const QString answer = context_.dialogs.prompt(
        QStringLiteral("Enter <SECONDS> to count down from.\r\n\r\nex: <60 = 1min.>\r\n\r\n"
                       "Enter 0 to clear."),
        QStringLiteral("Count Down Timer"), QString());
    if (answer.isEmpty())
        return;
    if (answer == u"0") {
        Label1->setText(QString());
        endCountdown();
        return;
    }
    // A count that does not fit 32 bits is refused like an empty answer; a running countdown
    // goes on.
    const auto seconds = roundToInt32(LeadingNumber(answer.toStdString()));
    if (!seconds)
        return;
    BasicModule& basic = context_.basic;
    basic.CountdownSeconds = *seconds;
    if (!Timer3->isActive())
        captionAfterCountdown_ = kIdleCaption;
    setWindowTitle(QStringLiteral(" Count Down Timer"));
    SetLabel(basic.CountdownSeconds, 0);
    Timer1->stop();
    QDateTime start = context_.clock.localNow();
    start.setTime(QTime(start.time().hour(), start.time().minute(), start.time().second()));
    basic.CountdownStart = start;
    Timer3->start();
    showClockToolTip();
    QCoreApplication::processEvents();
}

void SkedForm::Timer3_Timer() {
    BasicModule& basic = context_.basic;
    SetLabel(basic.CountdownSeconds, 0);
    const qint64 elapsed = basic.CountdownStart.secsTo(context_.clock.localNow());
    if (elapsed <= basic.CountdownSeconds) {
        SetLabel(basic.CountdownSeconds, elapsed);
        return;
    }
    // The clock runs again before the message waits, so skeds ring while it is open.
    endCountdown();
    if (mnuSilent->isChecked())
        context_.dialogs.message(QStringLiteral("Done countdown..."), Dialogs::Buttons::Ok, true,
                                 QStringLiteral(" Timer"));
    else
        soundTheAlarm();
}

void SkedForm::endCountdown() {
    Timer3->stop();
    setWindowTitle(std::exchange(captionAfterCountdown_, QString(kIdleCaption)));
    restartClock();
}

void SkedForm::SetLabel(std::int64_t m, std::int64_t C) {
    lblTime->setText(fromStd(remainingText(m - C)));
    showClockToolTip();
}
