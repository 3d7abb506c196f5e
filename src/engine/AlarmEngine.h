// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Clock.h"
#include "ClockHealth.h"
#include "Options.h"
#include "Schedule.h"
#include "Sound.h"
#include "TimeBase.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <set>
#include <string>

class QTimer;
class WallClockTimer;

// The alarm engine: the clock's tick in the chosen time base, the armed sked and its due test,
// its firing (the skip mark, the save, the next sked armed, the sound, the lateness told), the
// time left to it and the reminder ahead of it, the UTC offset kept in
// step with the system's, and the countdown, which takes the clock's place on the screen while
// it runs. It alone arms: it follows the schedule's changes. It asks nothing: windows show what
// it tells them and send it the user's commands.
class AlarmEngine final : public QObject {
    Q_OBJECT

public:
    AlarmEngine(Clock& clock, ClockHealth& clockHealth, Sound& sound, Schedule& schedule,
                Options& options, QString programDir);

    // The system's own UTC offset, in the setting's minutes, as last seen.
    int systemOffsetMinutes() const { return systemOffsetMinutes_; }
    // The start-up's look at the system's offset: whether the stored one differs from it.
    bool offsetDiffersAtStart();
    // After the schedule was read: the first pending sked armed when there was a file, and the
    // tick running. The time and the clock's word are told at once. From then on the engine
    // follows the schedule's changes.
    void start();

    // The slot whose sked rings next; SkedTable::kSpare when nothing is pending.
    int armedRow() const { return armedRow_; }

    // One tick of the clock: the time once per displayed second, and the due test.
    void tick();
    // The table window hands the table back: its first pending sked is armed.
    void armFromTable();
    bool countdownRunning() const;
    // A looping alarm sound plays, which Stop ends.
    bool isAlarmLooping() const { return looping_; }

    // Test Alarm: the alarm sound once, whatever the switches say; why it cannot play, or empty.
    QString testAlarm();
    // Stop: the looping alarm ends with the stop sound.
    void stopAlarm();

    // A countdown of `seconds` from now, in place of the clock; one running starts over.
    void startCountdown(std::int32_t seconds);
    // Stops a countdown, or none, and gives the clock back its tick.
    void clearCountdown();
    void countdownTick();

    // The shown time now in the chosen time base, for a window that appears between two ticks.
    QString timeNow() const;

signals:
    // The time in the chosen time base, once per displayed second.
    void timeShown(const QString& time);
    // A sked is armed: the main window shows it. SkedTable::kSpare arms nothing yet.
    void skedArmed(int slot);
    // No sked is pending.
    void nothingPending();
    // The armed sked fired: "Alarm at" its second, its message, and the lines told under it:
    // why its sound could not play, and how late it rings (empty when there is neither).
    void skedFired(const QString& heading, const QString& message, const QString& notes);
    // Skeds later than the late limit were marked done without ringing: "Missed: sked 3
    // (12/20/26 1400, 2 h 5 min late)", one message for all that were due at once.
    void skedsMissed(const QString& told);
    // The reminder ahead of the armed sked: "Sked at 14:30 in 5 min", and its message.
    void reminderDue(const QString& summary, const QString& message);
    // The time left to the armed sked ("in 2 h 13 min", "in 45 s", "due now"); empty when
    // nothing is pending. Told when the text changes: once a minute, each second in the last.
    void timeLeftShown(const QString& timeLeft);
    // The table was handed back and armed.
    void armedFromTable();
    // A looping alarm plays (Stop can end it), or it was stopped.
    void alarmLooping(bool looping);
    // The time left of the countdown.
    void countdownShown(const QString& remaining);
    void countdownRunningChanged(bool running);
    // A countdown ended while the alarm is silent: the user is told in words.
    void countdownEndedSilently();
    // The system's offset changed and the stored one, kept on purpose, differs from it.
    void systemOffsetDiffers();
    // The system clock's own word on whether it can be trusted.
    void clockHealthChanged(const QString& text);

private:
    enum class OffsetChange { None, Followed, Differs };

    OffsetChange followSystemOffset(const QDateTime& now);
    void aimTick(const QDateTime& now);
    void readClockHealth();
    // A committed change of the table: the armed sked is shown again, or gives way to the first
    // pending one when it can no longer ring.
    void followTableChange(int slot);
    // True when the armed sked fired.
    bool dueTest(const ShownValues& shown);
    void fire(const ShownValues& shown);
    // Marks done, without ringing, the armed sked and those after it that are due later than
    // the late limit; false when the armed one is within it.
    bool passOverMissed(const ShownValues& shown);
    // The armed sked marked done and the next pending one below it armed.
    void passArmed(int year);
    void arm(int slot);
    // The time left to the armed sked at the shown second, and its reminder when that is due.
    void followArmed(const ShownValues& shown);
    // `year` places two-digit years.
    void armFirstPendingRow(int year);
    // The alarm sound as the switches say; why it cannot play, or empty.
    QString soundTheAlarm();
    QString play(const QString& fileName, Sound::Mode mode);

    Clock& clock_;
    ClockHealth& clockHealth_;
    Sound& sound_;
    Schedule& schedule_;
    Options& options_;
    QString programDir_;
    WallClockTimer* tickTimer_;
    QTimer* countdownTimer_;
    int armedRow_ = 0;
    QString lastShown_;
    QString timeLeft_;
    // The sked moments reminded in this run, by date and time: a sked re-armed, re-ordered,
    // handed back by Done or with its message mended is not reminded twice; one retimed is.
    std::set<std::string> reminded_;
    int healthMinute_ = -1;
    // The system's own offset, the way the setting counts it, as last seen.
    int systemOffsetMinutes_ = 0;
    bool looping_ = false;
    std::int32_t countdownSeconds_ = 0;
    QDateTime countdownStart_;
};
