// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "BasicModule.h"
#include "Context.h"
#include "TellingSettings.h"

#include <QPointer>
#include <QString>

class SkedForm;
class frmAlarm;
class frmSkeds;
class frmStopWatch;

// Owns the program-wide values and the windows, and hands the services to every window.
// Each window is created hidden on first touch and created afresh after it was destroyed.
class Program final : public Forms {
public:
    Program(Clock& clock, ClockHealth& clockHealth, SettingsStore& settings, Dialogs& dialogs,
            Sound& sound, Printer& printer, HelpViewer& help, QString programDir);
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Runs the main window's start-up and shows it; `skedFile`, when given, is the schedule to
    // start with in place of the stored one.
    void start(const QString& skedFile = QString());
    // Ends the program through the main window's closing steps, as its close box does; for
    // a termination signal, with nobody there to answer a box.
    void endOnSignal();
    // Stores what closing stores, for a desktop session that is about to end.
    void storeForSessionEnd();
    // Another start of the program asked this one to come forward.
    void bringForward();

    SkedForm& main() override;
    frmSkeds& skeds() override;
    frmAlarm& alarm() override;
    frmStopWatch& stopWatch() override;
    void endProgram() override;

    BasicModule& basic() { return basic_; }
    bool ended() const { return ended_; }

private:
    BasicModule basic_;
    TellingSettings settings_;
    Context context_;
    QPointer<SkedForm> main_;
    QPointer<frmSkeds> skeds_;
    QPointer<frmAlarm> alarm_;
    QPointer<frmStopWatch> stopWatch_;
    bool ended_ = false;
};
