// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "Program.h"

#include "AlarmWindow.h"
#include "MainWindow.h"
#include "ScheduleWindow.h"
#include "SettingsKeys.h"
#include "StopwatchWindow.h"
#include "Text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

Program::Program(const Services& services, QString programDir)
    : settings_(services.settings, services.dialogs), dialogs_(services.dialogs),
      programDir_(std::move(programDir)), options_(settings_), schedule_(services.clock),
      files_(schedule_, dialogs_, services.printer),
      engine_(services.clock, services.clockHealth, services.sound, schedule_, options_,
              programDir_),
      mainWindow_(new MainWindow(options_, schedule_, engine_, dialogs_, services.autostart)),
      scheduleWindow_(new ScheduleWindow(schedule_, files_, options_, dialogs_, services.help,
                                         services.clock, settings_, programDir_)) {
    connect(mainWindow_, &MainWindow::scheduleRequested, scheduleWindow_, &ScheduleWindow::present);
    connect(mainWindow_, &MainWindow::stopwatchRequested, this, &Program::showStopwatch);
    connect(mainWindow_, &MainWindow::closeRequested, this, &Program::endProgram);
    connect(scheduleWindow_, &ScheduleWindow::armRequested, &engine_, &AlarmEngine::armFromTable);
    connect(&engine_, &AlarmEngine::timeShown, scheduleWindow_, &ScheduleWindow::showClock);
    connect(&engine_, &AlarmEngine::skedFired, this,
            [this, &notifier = services.notifier](const QString& heading, const QString& message,
                                                  const QString& notes) {
                // A sound that could not play and a late sked are said where the user looks for
                // the alarm.
                const QString told =
                    notes.isEmpty() ? message : message + QStringLiteral("\n") + notes;
                notifier.notify(heading, told, engine_.isAlarmLooping());
                popUp(heading, told);
            });
    connect(&engine_, &AlarmEngine::skedsMissed, this,
            [this, &notifier = services.notifier](const QString& told) {
                //: The heading of the alarm window and notification that name the skeds that
                //: were too late to ring and were marked done.
                const QString heading = tr("Missed skeds");
                notifier.notify(heading, told, false);
                popUp(heading, told);
            });
    connect(&engine_, &AlarmEngine::reminderDue, &services.notifier, &Notifier::remind);
    // Without the desktop's notifications a reminder shows where an alarm would.
    connect(&services.notifier, &Notifier::reminderUndelivered, this, &Program::popUp);
    connect(&engine_, &AlarmEngine::alarmLooping, &services.notifier,
            [&notifier = services.notifier](bool looping) {
                if (!looping)
                    notifier.alarmStopped();
            });
    connect(&services.notifier, &Notifier::stopAsked, &engine_, &AlarmEngine::stopAlarm);
    connect(&services.notifier, &Notifier::openAsked, this, &Program::bringForward);
}

Program::~Program() {
    delete stopwatchWindow_;
    delete alarmWindow_;
    delete scheduleWindow_;
    delete mainWindow_;
}

void Program::start(const QString& skedFile) {
    options_.restore();
    mainWindow_->restore();
    const QString stored = options_.read(SettingsKeys::kPlannexFile, QStringLiteral("skeds.dat"));
    QString path = skedFile.isEmpty() ? stored : skedFile;
    if (engine_.offsetDiffersAtStart())
        mainWindow_->offerSystemOffset();
    if (isBlank(path.toStdString()))
        path = programDir_ + QDir::separator() + QStringLiteral("skeds.dat");
    // The schedule is the same file wherever Tockmere is started from (a terminal, the
    // application menu, the session's start): a relative path is taken from the folder of this
    // start, once, and kept whole from then on.
    path = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    if (skedFile.isEmpty() && path != stored)
        options_.store(SettingsKeys::kPlannexFile, path);
    const ReadResult read = schedule_.openAtStart(path);
    files_.reportStartRead(read);
    tellKeptSchedule();
    // A file that is there but could not be opened has been reported already; the initial-use
    // message is for a first start without a schedule.
    //: Shown at the first start, before there is a schedule file.
    if (read.status == ReadStatus::Missing)
        dialogs_.message(tr("Do right-mouse click on TOCKMERE to view options/HELP"),
                         Dialogs::Buttons::Ok, true,
                         //: A window caption: the leading blank is part of the caption.
                         tr(" Initial use"));
    engine_.start();
    mainWindow_->show();
    // What the start-up does not show waits until the window is on the screen.
    QTimer::singleShot(0, mainWindow_, [this] {
        mainWindow_->afterShown();
        scheduleWindow_->ensureControls();
    });
}

void Program::endOnSignal() {
    settings_.setQuiet(true);
    // The closing steps themselves: the window may not be shown yet when a signal comes during
    // the start-up's questions, and a window never shown takes no close request.
    endProgram();
}

void Program::storeForSessionEnd() {
    settings_.setQuiet(true);
    keepUnsavedSchedule();
    storeClosingState();
    settings_.setQuiet(false);
}

void Program::keepUnsavedSchedule() {
    scheduleWindow_->commitEdits();
    const QString kept = QFileInfo(settings_.location(SettingsKeys::kApplication))
                             .dir()
                             .filePath(QStringLiteral("kept-skeds.dat"));
    if (schedule_.saveAtEnd(kept) == kept)
        options_.store(SettingsKeys::kKeptSchedule, kept);
}

void Program::tellKeptSchedule() {
    const QString kept = options_.read(SettingsKeys::kKeptSchedule, QString());
    if (kept.isEmpty())
        return;
    options_.store(SettingsKeys::kKeptSchedule, QString());
    //: %1 is the path of the file that kept the changes; "Load Sked file" is the table window's
    //: menu entry. Keep the line breaks.
    dialogs_.message(tr("When the last session ended, the schedule's changes could not be written "
                        "to its file unasked. They were kept in\r\n%1\r\n\r\n"
                        "Load Sked file opens them.")
                         .arg(kept),
                     Dialogs::Buttons::Ok, true,
                     //: A window caption: the leading blank is part of the caption.
                     tr(" Schedule kept"));
}

void Program::popUp(const QString& heading, const QString& text) {
    if (options_.isOn(Options::Switch::AlarmPopUp))
        alarmWindow().showAlarm(heading, text);
}

void Program::bringForward() {
    if (mainWindow_->isMinimized())
        mainWindow_->showNormal();
    mainWindow_->raise();
    mainWindow_->activateWindow();
}

MainWindow& Program::mainWindow() {
    return *mainWindow_;
}

ScheduleWindow& Program::scheduleWindow() {
    return *scheduleWindow_;
}

AlarmWindow& Program::alarmWindow() {
    if (!alarmWindow_)
        alarmWindow_ = new AlarmWindow(options_, settings_);
    return *alarmWindow_;
}

StopwatchWindow& Program::stopwatchWindow() {
    if (!stopwatchWindow_)
        stopwatchWindow_ = new StopwatchWindow;
    return *stopwatchWindow_;
}

void Program::showStopwatch() {
    StopwatchWindow& window = stopwatchWindow();
    window.show();
    window.raise();
    window.activateWindow();
}

void Program::storeClosingState() {
    mainWindow_->storePlace();
    options_.store(SettingsKeys::kPlannexFile, schedule_.path());
    scheduleWindow_->storeLayout();
}

void Program::endProgram() {
    // A table the user armed by leaving its window is not lost by the clock's close box either.
    keepUnsavedSchedule();
    storeClosingState();
    ended_ = true;
    // The windows go without their closing steps, so none of them can refuse. They are only
    // hidden here and deleted with the program: a box that waits for an answer in one of them
    // is still on the stack, and ends with the loop that exit() ends.
    for (QWidget* window : std::initializer_list<QWidget*>{stopwatchWindow_, alarmWindow_,
                                                           scheduleWindow_, mainWindow_}) {
        if (window)
            window->hide();
    }
    // exit(), not quit(): a signal during the start-up's questions comes before the main event
    // loop runs, and only exit() also ends the loop of a box that waits for an answer.
    QCoreApplication::exit(0);
}
