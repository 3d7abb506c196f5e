// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "SkedForm.h"

#include "ClockSync.h"
#include "Controls.h"
#include "LeadingNumber.h"
#include "Text.h"
#include "frmAlarm.h"
#include "frmSkeds.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

// The clock tick and the alarm engine: the time shown in the chosen time base, the due test of
// the armed sked, its firing, arming the next one, and the alarm sound.

void SkedForm::aimTimer1() {
    aimTimer1(context_.clock.localNow());
}

void SkedForm::aimTimer1(const QDateTime& now) {
    // Aimed at the true second itself: the timer never fires early, and the part of a
    // millisecond that the reading drops puts the tick just past it.
    const int msec = now.time().msec();
    Timer1->start(1000 - msec);
}

void SkedForm::restartClock() {
    showClockToolTip();
    if (!Timer1->isActive())
        aimTimer1();
}

void SkedForm::Timer1_Timer() {
    // One reading of the clock serves the whole tick, so time and date always agree. The next
    // tick is aimed afresh from it; a step of the system clock or a resume from suspend brings
    // a tick at once.
    const QDateTime now = context_.clock.localNow();
    aimTimer1(now);
    if (inTick_)
        return;
    inTick_ = true;
    const OffsetChange offsetChange = followSystemOffset(now);
    showTimeLabels();
    const ShownValues shown = shownAt(now);
    const QString shownTime = fromStd(shown.ShownTime);
    bool fired = false;
    if (lblTime->text() != shownTime) {
        QCoreApplication::processEvents();
        if (isMinimized()) {
            SetAlarmCaption();
        } else {
            // The clock label draws a new text at once rather than at the next pass of the
            // event loop: the new second reaches the screen within a millisecond or two of the
            // true one.
            lblTime->setText(shownTime);
            context_.forms.skeds().setClockText(shownTime);
        }
        // The time service's word on the clock changes slowly: once a minute is enough, and it
        // rides on a tick that runs anyway.
        if (now.time().minute() != healthMinute_) {
            healthMinute_ = now.time().minute();
            showClockHealth();
        }
        fired = dueTest(shown);
    }
    inTick_ = false;
    // After the tick, so a question about the file or the offset leaves the clock running.
    if (fired)
        context_.forms.skeds().saveAfterFiring();
    if (offsetChange == OffsetChange::Followed)
        setOffset(context_.basic.utcOffsetMinutes);
    else if (offsetChange == OffsetChange::Differs)
        checkUtcOffset();
}

ShownValues SkedForm::shownAt(const QDateTime& now) const {
    return shownValues({now.date().year(), now.date().month(), now.date().day()},
                       {now.time().hour(), now.time().minute(), now.time().second()},
                       mUTCtime->isChecked(), context_.basic.utcOffsetMinutes);
}

SkedForm::OffsetChange SkedForm::followSystemOffset(const QDateTime& now) {
    // A daylight-saving change, or the user moving the system to another zone. Who kept the
    // system's offset follows it at once, for this very second's due test; who kept another one
    // on purpose is asked, once per change.
    BasicModule& basic = context_.basic;
    const int before = basic.systemOffsetMinutes;
    basic.systemOffsetMinutes = systemOffsetAt(now);
    if (basic.systemOffsetMinutes == before)
        return OffsetChange::None;
    if (basic.utcOffsetMinutes == before) {
        basic.utcOffsetMinutes = basic.systemOffsetMinutes;
        return OffsetChange::Followed;
    }
    return basic.utcOffsetMinutes == basic.systemOffsetMinutes ? OffsetChange::None
                                                               : OffsetChange::Differs;
}

void SkedForm::showTimeLabels() {
    BasicModule& basic = context_.basic;
    if (basic.TimeLabelsDone)
        return;
    basic.TimeLabelsDone = true;
    showTimeBaseLabels();
    restoredLabel_ = false;
}

void SkedForm::showTimeBaseLabels() {
    const bool utc = mUTCtime->isChecked();
    // In UTC mode the first tick keeps the label the user named; later ticks write the base.
    if (!(utc && restoredLabel_))
        lblWhatTime->setText(utc ? QStringLiteral("UTC Time") : QStringLiteral("Local Time"));
    context_.forms.skeds().setDateHeading(utc ? QStringLiteral("UTC Date")
                                              : QStringLiteral("Local Date"));
}

bool SkedForm::dueTest(const ShownValues& shown) {
    BasicModule& basic = context_.basic;
    const SkedTable& table = context_.forms.skeds().table();
    // A sked done, emptied or edited into one that cannot ring never fires, whatever armed it (a
    // start on a file not read whole, Clear Table, Re-order, the user at the table): the first
    // pending row takes its place.
    if (basic.AlarmIndex != SkedTable::kSpare && !table.isPending(basic.AlarmIndex))
        armFirstPendingRow();
    if (basic.AlarmIndex == SkedTable::kSpare) {
        setWindowTitle(kIdleCaption);
        lblNum->setText(QStringLiteral("Done"));
        lblNum->setToolTip(QString());
        fitMessage();
        lblAlarmDate->setText(QString());
        return false;
    }
    if (!isDue(table.row(basic.AlarmIndex), shown))
        return false;
    fire(shown);
    return true;
}

void SkedForm::fire(const ShownValues& shown) {
    BasicModule& basic = context_.basic;
    SkedTable& table = context_.forms.skeds().table();
    const int index = basic.AlarmIndex;
    const QString title = QStringLiteral(" Alarm at ") + fromStd(shown.ShownTime);
    const QString text = QStringLiteral("\r\n") + fromStd(table.row(index).message);
    table.setSkip(index, true);
    showAlarmSetCaption();
    arm(table.firstPendingRow(index + 1).value_or(SkedTable::kSpare));
    if (!mnuSilent->isChecked())
        soundTheAlarm();
    if (mAlarmPopUp->isChecked())
        showAlarmWindow(title, text);
}

void SkedForm::showAlarmWindow(const QString& title, const QString& text) {
    frmAlarm& alarm = context_.forms.alarm();
    alarm.setWindowTitle(title);
    alarm.setAlarmText(text);
    alarm.show();
    alarm.raise();
    QCoreApplication::processEvents();
}

void SkedForm::showClockHealth() {
    const ClockReading reading = context_.clockHealth.read();
    clockHealth_ =
        fromStd(clockHealthText(clockState(reading.result, reading.status, reading.maxErrorUs),
                                reading.estErrorUs, reading.maxErrorUs));
    lblTime->setAccessibleDescription(clockHealth_);
    showClockToolTip();
}

void SkedForm::showClockToolTip() {
    // A countdown too long for the label shows itself whole; otherwise the clock says whether
    // the system time can be trusted.
    const QString shown = lblTime->text();
    const bool clipped =
        Timer3->isActive() && lblTime->fontMetrics().horizontalAdvance(shown) > lblTime->width();
    lblTime->setToolTip(clipped ? shown : clockHealth_);
}

void SkedForm::ShowArmedRow(int slot) {
    const SkedEntry& row = context_.forms.skeds().table().row(slot);
    Label1->setText(fromStd(formatTimeText(row.time)));
    lblAlarmDate->setText(fromStd(row.date));
    lblNum->setText(fromStd(leftCodePoints(row.message, 30)));
    fitMessage();
    // The window shows 30 characters and clips what does not fit; the whole message is here.
    lblNum->setToolTip(fromStd(row.message));
}

void SkedForm::arm(int slot) {
    context_.basic.AlarmIndex = static_cast<std::int16_t>(slot);
    ShowArmedRow(slot);
}

void SkedForm::armFirstPendingRow() {
    // With every row done the Done state is armed, so a fired sked never fires twice.
    arm(context_.forms.skeds().table().firstPendingRow().value_or(SkedTable::kSpare));
}

void SkedForm::ArmFromTable() {
    armFirstPendingRow();
    // A running countdown holds the clock: only its own end or clearing starts the tick again,
    // and the caption waits for it too.
    if (!Timer3->isActive())
        restartClock();
    showAlarmSetCaption();
}

void SkedForm::PlaySound(const QString& fileName, Sound::Mode mode) {
    // By full path: the program never changes its current directory, so a relative schedule
    // path keeps naming the same file.
    context_.sound.play(context_.basic.programDir + u'/' + fileName, mode);
}

void SkedForm::soundTheAlarm() {
    if (mnuContinuous->isChecked()) {
        PlaySound(QStringLiteral("alarm.wav"), Sound::Mode::Loop);
        Command3->show();
    } else {
        PlaySound(QStringLiteral("alarm.wav"), Sound::Mode::Once);
    }
}

void SkedForm::Command3_Click() {
    Command3->hide();
    PlaySound(QStringLiteral("stop.wav"), Sound::Mode::Once);
}
