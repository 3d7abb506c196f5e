// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Clock.h"
#include "Dialogs.h"
#include "HelpViewer.h"
#include "Options.h"
#include "Schedule.h"
#include "ScheduleFiles.h"
#include "SettingsStore.h"
#include "TimeBase.h"

#include <QMainWindow>

#include <array>

class DateHelp;
class QCheckBox;
class QLabel;
class QLineEdit;
class Resizer;

// The schedule table window: the 40 skeds of the schedule in two pages of 20 rows over one
// place, the file commands, the printout and the help. Its fields show the schedule's table. What
// the user types stays in its field until it is committed: the field is left (or Enter), a
// command runs, or the window is left; only then does it reach the schedule, and so the alarm
// engine. Leaving the window (Done, the close box, minimising) hands the table to the engine.
class ScheduleWindow final : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kPageRows = 20;

    ScheduleWindow(Schedule& schedule, ScheduleFiles& files, Options& options, Dialogs& dialogs,
                   HelpViewer& help, Clock& clock, SettingsStore& settings, QString programDir);
    // Hidden while whole: a focused field commits what it holds as it loses the focus.
    ~ScheduleWindow() override { hide(); }

    // Builds the controls and shows the table in them, once; the start-up does not wait for 160
    // controls that it does not show.
    void ensureControls();
    // "Set Alarm": the window at page 1, in front, restored if it was minimised.
    void present();
    // The clock's copy at the top left.
    void showClock(const QString& time);
    // The program's closing keeps this window's place and size for the next run.
    void storeLayout();
    // Hands every field's typed text to the schedule.
    void commitEdits();

signals:
    // The user is done with the table: its first pending sked is to be armed.
    void armRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The controls are built at the first need; until then there is nothing to show in.
    bool controlsBuilt() const { return resizer_ != nullptr; }
    void createControls(QWidget* client);
    void createRow(QWidget* client, int slot);
    void createMenu();
    void showSlot(int slot);
    void commitField(QLineEdit* field, int slot);
    void showDateHeading();
    void setRowVisible(int slot, bool visible);
    void switchPage();
    // The page switch's caption on either page.
    static QString pageSwitchText(bool page2);

    void done();
    void clearTable();
    // "Printout", after asking.
    void print();
    // "Help": the help document beside the program, in a window that does not block this one.
    void showHelp();

    Schedule& schedule_;
    ScheduleFiles& files_;
    Options& options_;
    Dialogs& dialogs_;
    HelpViewer& help_;
    DateHelp* dateHelp_;
    SettingsStore& settings_;
    QString programDir_;

    QLabel* clockLabel_ = nullptr;
    QLabel* fileLabel_ = nullptr;
    QCheckBox* weeklyCheck_ = nullptr;
    QCheckBox* pageSwitch_ = nullptr;
    QLabel* dateHeading_ = nullptr;
    std::array<QCheckBox*, SkedTable::kSlots> skipBoxes_{};
    std::array<QLineEdit*, SkedTable::kSlots> dateFields_{};
    std::array<QLineEdit*, SkedTable::kSlots> timeFields_{};
    std::array<QLineEdit*, SkedTable::kSlots> messageFields_{};
    Resizer* resizer_ = nullptr;

    bool everShown_ = false;
    QString clockText_;
};
