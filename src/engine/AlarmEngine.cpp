// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "AlarmEngine.h"

#include "ClockSync.h"
#include "Numbers.h"
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

AlarmEngine::AlarmEngine(Clock& clock, ClockHealth& clockHealth, Dialogs& dialogs, Sound& sound,
                         Schedule& schedule, Options& options, QString programDir)
    : clock_(clock), clockHealth_(clockHealth), dialogs_(dialogs), sound_(sound),
      schedule_(schedule), options_(options), programDir_(std::move(programDir)),
      tickTimer_(new WallClockTimer(this)), countdownTimer_(new QTimer(this)) {
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

void AlarmEngine::checkOffsetAtStart() {
    systemOffsetMinutes_ = systemOffsetAt(clock_.localNow());
    if (systemOffsetMinutes_ != options_.utcOffsetMinutes())
        askAboutOffset();
}

void AlarmEngine::askAboutOffset() {
    const QString offered = fromStd(offsetText(systemOffsetMinutes_));
    dialogs_.message(QStringLiteral("System UTC offset %1 hours does not \r\n"
                                    "match the setting in Tockmere %2 hours.")
                         .arg(offered, fromStd(offsetText(options_.utcOffsetMinutes()))),
                     Dialogs::Buttons::Ok, false, QStringLiteral(" Check UTC offset"));
    takeOffset(dialogs_.prompt(QStringLiteral("<Enter> or <OK> selects the %1 hr. system UTC "
                                              "offset.\r\n\r\nOr enter a new UTC hour offset.")
                                   .arg(offered),
                               QString(), offered));
}

void AlarmEngine::takeOffset(const QString& answer) {
    // An empty answer, or one without a number, changes nothing; nor does one beyond a day.
    if (const auto offset = offsetFromText(answer.toStdString()))
        options_.setUtcOffsetMinutes(*offset);
}

void AlarmEngine::start() {
    healthMinute_ = clock_.localNow().time().minute();
    readClockHealth();
    // A file that was there, whole or not, is armed like any schedule; what is done in it never
    // rings again.
    if (schedule_.loadedAtStart())
        armFirstPendingRow(schedule_.currentYear());
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

void AlarmEngine::restartTick() {
    if (!tickTimer_->isActive())
        aimTick(clock_.localNow());
}

ShownValues AlarmEngine::shownAt(const QDateTime& now) const {
    return shownValues({now.date().year(), now.date().month(), now.date().day()},
                       {now.time().hour(), now.time().minute(), now.time().second()},
                       options_.isOn(Options::Switch::UseUtc), options_.utcOffsetMinutes());
}

QString AlarmEngine::timeNow() const {
    return fromStd(shownAt(clock_.localNow()).time);
}

void AlarmEngine::tick() {
    // One reading of the clock serves the whole tick, so time and date always agree. The next
    // tick is aimed afresh from it; a step of the system clock or a resume from suspend brings
    // a tick at once.
    const QDateTime now = clock_.localNow();
    aimTick(now);
    if (inTick_)
        return;
    inTick_ = true;
    const OffsetChange offsetChange = followSystemOffset(now);
    const ShownValues shown = shownAt(now);
    const QString time = fromStd(shown.time);
    bool fired = false;
    if (time != lastShown_) {
        lastShown_ = time;
        emit timeShown(time);
        // The time service's word on the clock changes slowly: once a minute is enough, and it
        // rides on a tick that runs anyway.
        if (now.time().minute() != healthMinute_) {
            healthMinute_ = now.time().minute();
            readClockHealth();
        }
        fired = dueTest(shown);
    }
    inTick_ = false;
    // After the tick, so a question about the file or the offset leaves the clock running.
    if (fired)
        schedule_.saveAfterFiring();
    if (offsetChange == OffsetChange::Followed)
        options_.setUtcOffsetMinutes(options_.utcOffsetMinutes());
    else if (offsetChange == OffsetChange::Differs)
        askAboutOffset();
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

bool AlarmEngine::dueTest(const ShownValues& shown) {
    // A sked done, emptied or edited into one that cannot ring never fires, whatever armed it (a
    // start on a file not read whole, Clear Table, Re-order, the user at the table): the first
    // pending row takes its place.
    const int armed = schedule_.armedRow();
    if (armed != SkedTable::kSpare && !schedule_.table().isPending(armed, shown.date.year))
        armFirstPendingRow(shown.date.year);
    if (schedule_.armedRow() == SkedTable::kSpare) {
        emit nothingPending();
        return false;
    }
    if (!isDue(schedule_.row(schedule_.armedRow()), shown))
        return false;
    fire(shown);
    return true;
}

void AlarmEngine::fire(const ShownValues& shown) {
    SkedTable& table = schedule_.table();
    const int index = schedule_.armedRow();
    const QString heading = QStringLiteral("Alarm at ") + fromStd(shown.time);
    const QString message = fromStd(table.row(index).message);
    table.setSkip(index, true);
    arm(table.firstPendingRow(shown.date.year, index + 1).value_or(SkedTable::kSpare));
    if (!options_.isOn(Options::Switch::Silent))
        soundTheAlarm();
    emit skedFired(heading, message);
}

void AlarmEngine::arm(int slot) {
    schedule_.setArmedRow(slot);
    emit skedArmed(slot);
}

void AlarmEngine::armFirstPendingRow(int year) {
    // With every row done the Done state is armed, so a fired sked never fires twice.
    arm(schedule_.table().firstPendingRow(year).value_or(SkedTable::kSpare));
}

void AlarmEngine::armFromTable() {
    // The tick runs on as it is: it stops only for a countdown, whose own end or clearing starts
    // it again.
    armFirstPendingRow(schedule_.currentYear());
    emit armedFromTable();
}

void AlarmEngine::play(const QString& fileName, Sound::Mode mode) {
    // By full path: the program never changes its current directory, so a relative schedule
    // path keeps naming the same file.
    sound_.play(programDir_ + u'/' + fileName, mode);
}

void AlarmEngine::soundTheAlarm() {
    if (options_.isOn(Options::Switch::Continuous)) {
        play(QStringLiteral("alarm.wav"), Sound::Mode::Loop);
        looping_ = true;
        emit alarmLooping(true);
    } else {
        play(QStringLiteral("alarm.wav"), Sound::Mode::Once);
    }
}

void AlarmEngine::testAlarm() {
    play(QStringLiteral("alarm.wav"), Sound::Mode::Once);
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
    tickTimer_->stop();
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
    restartTick();
    emit countdownRunningChanged(false);
}

void AlarmEngine::countdownTick() {
    const qint64 elapsed = countdownStart_.secsTo(clock_.localNow());
    if (elapsed <= countdownSeconds_) {
        emit countdownShown(fromStd(remainingText(countdownSeconds_ - elapsed)));
        return;
    }
    // The last tick shows the whole count again until the clock's tick writes the time. The
    // clock runs again before the message waits, so skeds ring while it is open.
    emit countdownShown(fromStd(remainingText(countdownSeconds_)));
    clearCountdown();
    if (options_.isOn(Options::Switch::Silent))
        dialogs_.message(QStringLiteral("Done countdown..."), Dialogs::Buttons::Ok, true,
                         QStringLiteral(" Timer"));
    else
        soundTheAlarm();
}
