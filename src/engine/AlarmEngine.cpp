// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "AlarmEngine.h"

#include "ClockSync.h"
#include "Numbers.h"
#include "SkedTiming.h"
#include "Text.h"
#include "Timers.h"
#include "WallClockTimer.h"

#include <QTimer>

namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// The zone's own offset at this instant, hours and minutes, the way the setting counts it.
int systemOffsetAt(const QDateTime& localNow) {
    return -localNow.offsetFromUtc() / 60;
}

} // namespace

AlarmEngine::AlarmEngine(Clock& clock, ClockHealth& clockHealth, Sound& sound, Schedule& schedule,
                         Options& options, QString programDir)
    : clock_(clock), clockHealth_(clockHealth), sound_(sound), schedule_(schedule),
      options_(options), programDir_(std::move(programDir)), tickTimer_(new WallClockTimer(this)),
      countdownTimer_(new QTimer(this)) {
    // The tick comes once a second, aimed at the true second of the wall clock, so the shown
    // second turns with the true one and the program wakes no more often than it must.
    tickTimer_->setObjectName(QStringLiteral("tickTimer"));
    connect(tickTimer_, &WallClockTimer::timeout, this, &AlarmEngine::tick);
    countdownTimer_->setObjectName(QStringLiteral("countdownTimer"));
    countdownTimer_->setInterval(1000);
    connect(countdownTimer_, &QTimer::timeout, this, &AlarmEngine::countdownTick);
    const QDateTime now = clock_.localNow();
    systemOffsetMinutes_ = systemOffsetAt(now);
    aimTick(now);
}

bool AlarmEngine::offsetDiffersAtStart() {
    systemOffsetMinutes_ = systemOffsetAt(clock_.localNow());
    return systemOffsetMinutes_ != options_.utcOffsetMinutes();
}

void AlarmEngine::start() {
    healthMinute_ = clock_.localNow().time().minute();
    readClockHealth();
    // A file that was there, whole or not, is armed like any schedule; what is done in it never
    // rings again.
    if (schedule_.loadedAtStart())
        armFirstPendingRow(schedule_.currentYear());
    connect(&schedule_, &Schedule::rowChanged, this, &AlarmEngine::followTableChange);
    connect(&schedule_, &Schedule::loaded, this,
            [this] { armFirstPendingRow(schedule_.currentYear()); });
    // The chosen time base from the first paint, not local time until a tick; the tick's work
    // begins with the next second.
    lastShown_ = timeNow();
    emit timeShown(lastShown_);
}

void AlarmEngine::aimTick(const QDateTime& now) {
    // Aimed at the true second itself: the timer never fires early, and the part of a
    // millisecond that the reading drops puts the tick just past it.
    tickTimer_->start(1000 - now.time().msec());
}

QString AlarmEngine::timeNow() const {
    return fromStd(options_.shownAt(clock_.localNow()).time);
}

void AlarmEngine::tick() {
    // One reading of the clock serves the whole tick, so time and date always agree. The next
    // tick is aimed afresh from it; a step of the system clock or a resume from suspend brings
    // a tick at once.
    const QDateTime now = clock_.localNow();
    aimTick(now);
    const OffsetChange offsetChange = followSystemOffset(now);
    const ShownValues shown = options_.shownAt(now);
    const QString time = fromStd(shown.time);
    bool fired = false;
    if (time != lastShown_) {
        lastShown_ = time;
        // A countdown has the clock's place on the screen, but skeds ring on their second.
        if (!countdownRunning())
            emit timeShown(time);
        // The time service's word on the clock changes slowly: once a minute is enough, and it
        // rides on a tick that runs anyway.
        if (now.time().minute() != healthMinute_) {
            healthMinute_ = now.time().minute();
            readClockHealth();
        }
        fired = dueTest(shown);
        followArmed(shown);
    }
    if (fired)
        schedule_.saveAfterFiring();
    if (offsetChange == OffsetChange::Followed)
        options_.storeUtcOffset();
    else if (offsetChange == OffsetChange::Differs)
        emit systemOffsetDiffers();
}

AlarmEngine::OffsetChange AlarmEngine::followSystemOffset(const QDateTime& now) {
    // A daylight-saving change, or the user moving the system to another zone. Who kept the
    // system's offset follows it at once, for this very second's due test (stored after the
    // tick); who kept another one on purpose is asked, once per change.
    const int before = systemOffsetMinutes_;
    systemOffsetMinutes_ = systemOffsetAt(now);
    if (systemOffsetMinutes_ == before)
        return OffsetChange::None;
    if (options_.utcOffsetMinutes() == before) {
        options_.keepUtcOffsetMinutes(systemOffsetMinutes_);
        return OffsetChange::Followed;
    }
    return options_.utcOffsetMinutes() == systemOffsetMinutes_ ? OffsetChange::None
                                                               : OffsetChange::Differs;
}

void AlarmEngine::readClockHealth() {
    const ClockReading reading = clockHealth_.read();
    emit clockHealthChanged(
        fromStd(clockHealthText(clockState(reading.result, reading.status, reading.maxErrorUs),
                                reading.estErrorUs, reading.maxErrorUs)));
}

void AlarmEngine::followTableChange(int slot) {
    if (slot != armedRow_ || armedRow_ == SkedTable::kSpare)
        return;
    // The armed sked as it now stands is what the main window shows, or the next one when it can
    // no longer ring.
    if (schedule_.table().isPending(armedRow_, schedule_.currentYear())) {
        emit skedArmed(armedRow_);
        followArmed(options_.shownAt(clock_.localNow()));
    } else
        armFirstPendingRow(schedule_.currentYear());
}

bool AlarmEngine::dueTest(const ShownValues& shown) {
    // The Done state, or a slot armed before any schedule was read (the first run's row 0).
    if (armedRow_ == SkedTable::kSpare ||
        !schedule_.table().isPending(armedRow_, shown.date.year)) {
        if (armedRow_ != SkedTable::kSpare)
            arm(SkedTable::kSpare);
        emit nothingPending();
        return false;
    }
    if (!isDue(schedule_.row(armedRow_), shown))
        return false;
    if (!passOverMissed(shown))
        fire(shown);
    return true;
}

bool AlarmEngine::passOverMissed(const ShownValues& shown) {
    const int limit = options_.lateLimitMinutes();
    SkedTable& table = schedule_.table();
    QStringList missed;
    while (limit > 0 && armedRow_ != SkedTable::kSpare) {
        const SkedEntry& row = table.row(armedRow_);
        const std::int64_t late = secondsPastDue(row, shown).value_or(0);
        if (late <= std::int64_t(limit) * 60)
            break;
        //: One sked in the list of missed skeds: its number, its date, its time, and how late
        //: it is ("2 h 5 min").
        missed << tr("sked %1 (%2 %3, %4 late)")
                      .arg(QString::number(armedRow_ + 1), fromStd(trimBlanks(row.date)),
                           fromStd(trimBlanks(row.time)), fromStd(spanText(late)));
        passArmed(shown.date.year);
    }
    if (missed.isEmpty())
        return false;
    //: %1 is the list of the skeds that were marked done without ringing, separated by "; ".
    emit skedsMissed(tr("Missed: %1").arg(missed.join(QStringLiteral("; "))));
    return true;
}

void AlarmEngine::fire(const ShownValues& shown) {
    const SkedEntry& row = schedule_.row(armedRow_);
    //: The heading of an alarm; %1 is the time it rang at, as the clock shows it.
    const QString heading = tr("Alarm at %1").arg(fromStd(shown.time));
    const QString message = fromStd(row.message);
    const QString late = fromStd(lateLine(row, secondsPastDue(row, shown).value_or(0),
                                          options_.isOn(Options::Switch::UseUtc)));
    passArmed(shown.date.year);
    QStringList notes;
    if (!options_.isOn(Options::Switch::Silent))
        notes << soundTheAlarm();
    notes << late;
    notes.removeAll(QString());
    emit skedFired(heading, message, notes.join(u'\n'));
}

void AlarmEngine::passArmed(int year) {
    const int index = armedRow_;
    // The next sked is armed before the skip mark is set, so the mark is not taken for a change
    // of the armed sked.
    arm(schedule_.table().firstPendingRow(year, index + 1).value_or(SkedTable::kSpare));
    schedule_.table().setSkip(index, true);
}

void AlarmEngine::arm(int slot) {
    armedRow_ = slot;
    emit skedArmed(slot);
}

void AlarmEngine::followArmed(const ShownValues& shown) {
    const SkedEntry& row = schedule_.row(armedRow_);
    const bool pending =
        armedRow_ != SkedTable::kSpare && schedule_.table().isPending(armedRow_, shown.date.year);
    const auto past = pending ? secondsPastDue(row, shown) : std::nullopt;
    const QString timeLeft = past ? fromStd(timeLeftText(-*past)) : QString();
    if (timeLeft != timeLeft_) {
        timeLeft_ = timeLeft;
        emit timeLeftShown(timeLeft);
    }
    if (!past || !isReminderDue(-*past, options_.remindMinutes()))
        return;
    const std::string date = skedDateText(*readSkedDate(row.date, shown.date.year));
    if (!reminded_.insert(date + ' ' + comparableTime(row.time)).second)
        return;
    //: The summary of a reminder: %1 is the sked's time ("14:30"), %2 the time left to it
    //: ("in 5 min").
    emit reminderDue(
        tr("Sked at %1 %2").arg(fromStd(formatTimeText(comparableTime(row.time))), timeLeft),
        fromStd(row.message));
}

void AlarmEngine::armFirstPendingRow(int year) {
    // With every row done the Done state is armed, so a fired sked never fires twice.
    arm(schedule_.table().firstPendingRow(year).value_or(SkedTable::kSpare));
    // The tick follows what it arms itself once its alarms are out; this is armed between ticks.
    followArmed(options_.shownAt(clock_.localNow()));
}

void AlarmEngine::armFromTable() {
    armFirstPendingRow(schedule_.currentYear());
    emit armedFromTable();
}

QString AlarmEngine::play(const QString& fileName, Sound::Mode mode) {
    // By full path: the program never changes its current directory, so a relative schedule
    // path keeps naming the same file.
    switch (sound_.play(programDir_ + u'/' + fileName, mode)) {
    case Sound::Problem::None:
        return {};
    case Sound::Problem::NoOutput:
        return tr("No sound: no audio output");
    case Sound::Problem::Unreadable:
        break;
    }
    //: %1 is the name of the wave file, such as alarm.wav.
    return tr("No sound: %1 could not be read").arg(fileName);
}

QString AlarmEngine::soundTheAlarm() {
    const bool loop = options_.isOn(Options::Switch::Continuous);
    const QString problem =
        play(QStringLiteral("alarm.wav"), loop ? Sound::Mode::Loop : Sound::Mode::Once);
    // Stop is offered only for a sound that plays.
    if (loop && problem.isEmpty()) {
        looping_ = true;
        emit alarmLooping(true);
    }
    return problem;
}

QString AlarmEngine::testAlarm() {
    return play(QStringLiteral("alarm.wav"), Sound::Mode::Once);
}

void AlarmEngine::stopAlarm() {
    looping_ = false;
    emit alarmLooping(false);
    play(QStringLiteral("stop.wav"), Sound::Mode::Once);
}

bool AlarmEngine::countdownRunning() const {
    return countdownTimer_->isActive();
}

void AlarmEngine::startCountdown(std::int32_t seconds) {
    const bool wasRunning = countdownRunning();
    countdownSeconds_ = seconds;
    QDateTime start = clock_.localNow();
    start.setTime(QTime(start.time().hour(), start.time().minute(), start.time().second()));
    countdownStart_ = start;
    countdownTimer_->start();
    if (!wasRunning)
        emit countdownRunningChanged(true);
    emit countdownShown(fromStd(remainingText(seconds)));
}

void AlarmEngine::clearCountdown() {
    countdownTimer_->stop();
    emit countdownRunningChanged(false);
}

void AlarmEngine::countdownTick() {
    const qint64 elapsed = countdownStart_.secsTo(clock_.localNow());
    if (elapsed <= countdownSeconds_) {
        emit countdownShown(fromStd(remainingText(countdownSeconds_ - elapsed)));
        return;
    }
    // The last tick shows the whole count again until the clock's tick writes the time.
    emit countdownShown(fromStd(remainingText(countdownSeconds_)));
    clearCountdown();
    if (options_.isOn(Options::Switch::Silent))
        emit countdownEndedSilently();
    else
        soundTheAlarm();
}
