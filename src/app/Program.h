// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "AlarmEngine.h"
#include "Autostart.h"
#include "HelpViewer.h"
#include "Notifier.h"
#include "Options.h"
#include "Printer.h"
#include "Schedule.h"
#include "ScheduleFiles.h"
#include "TellingSettings.h"

#include <QPointer>
#include <QString>

class AlarmWindow;
class MainWindow;
class ScheduleWindow;
class StopwatchWindow;

// The program: the outside services it is given, the options, the schedule, the alarm engine
// and the windows that show them, wired together. The alarm and stopwatch windows are created
// when first needed, and afresh after their close box destroyed them.
class Program final : public QObject {
    Q_OBJECT

public:
    // The outside services the program uses, all of them the user's desktop's.
    struct Services {
        Clock& clock;
        ClockHealth& clockHealth;
        SettingsStore& settings;
        Dialogs& dialogs;
        Sound& sound;
        Printer& printer;
        HelpViewer& help;
        Notifier& notifier;
        Autostart& autostart;
    };

    Program(const Services& services, QString programDir);
    ~Program() override;

    // The start-up, then the main window shown; `skedFile`, when given, is the schedule to start
    // with in place of the stored one.
    void start(const QString& skedFile = QString());
    // Ends the program through the main window's closing steps, as its close box does; for
    // a termination signal, with nobody there to answer a box.
    void endOnSignal();
    // Stores what closing stores, for a desktop session that is about to end.
    void storeForSessionEnd();
    // Another start of the program asked this one to come forward.
    void bringForward();
    bool ended() const { return ended_; }

    Options& options() { return options_; }
    Schedule& schedule() { return schedule_; }
    AlarmEngine& engine() { return engine_; }
    MainWindow& mainWindow();
    ScheduleWindow& scheduleWindow();
    AlarmWindow& alarmWindow();
    StopwatchWindow& stopwatchWindow();

private:
    void showStopwatch();
    // The alarm window shows a heading and its text, when the user has alarms pop up.
    void popUp(const QString& heading, const QString& text);
    // The window's place, the schedule's path and the table window's layout, for the next run.
    void storeClosingState();
    // The program's end (its close box, a signal, the session's end) keeps the table's unsaved
    // changes (a file that may not be replaced unasked is left, and the table kept beside the
    // settings).
    void keepUnsavedSchedule();
    // The start after one that kept the table beside the settings says where it is.
    void tellKeptSchedule();
    // Stores what closing stores and ends at once: the other windows go without their own
    // closing steps.
    void endProgram();

    TellingSettings settings_;
    Dialogs& dialogs_;
    QString programDir_;
    Options options_;
    Schedule schedule_;
    ScheduleFiles files_;
    AlarmEngine engine_;
    QPointer<MainWindow> mainWindow_;
    QPointer<ScheduleWindow> scheduleWindow_;
    QPointer<AlarmWindow> alarmWindow_;
    QPointer<StopwatchWindow> stopwatchWindow_;
    bool ended_ = false;
};
