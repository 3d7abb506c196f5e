// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "BasicModule.h"
#include "Clock.h"
#include "ClockHealth.h"
#include "Dialogs.h"
#include "HelpViewer.h"
#include "Printer.h"
#include "SettingsStore.h"
#include "Sound.h"

class SkedForm;
class frmAlarm;
class frmSkeds;
class frmStopWatch;

// Hands out the program's single windows, creating each hidden on first touch.
class Forms {
public:
    virtual ~Forms() = default;
    virtual SkedForm& main() = 0;
    virtual frmSkeds& skeds() = 0;
    virtual frmAlarm& alarm() = 0;
    virtual frmStopWatch& stopWatch() = 0;
    // Ends the program at once; other windows go without their own closing steps.
    virtual void endProgram() = 0;

protected:
    Forms() = default;
    Forms(const Forms&) = default;
    Forms& operator=(const Forms&) = default;
};

// What every window receives from Program: the outside services, the program-wide values and
// the other windows.
struct Context {
    Clock& clock;
    ClockHealth& clockHealth;
    SettingsStore& settings;
    Dialogs& dialogs;
    Sound& sound;
    Printer& printer;
    HelpViewer& help;
    BasicModule& basic;
    Forms& forms;
};
