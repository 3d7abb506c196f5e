// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "Program.h"

#include "SkedForm.h"
#include "frmAlarm.h"
#include "frmSkeds.h"
#include "frmStopWatch.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

// The window in `slot`, created hidden when it does not exist (any more).
template <typename Window, typename... Args> Window& single(QPointer<Window>& slot, Args&... args) {
    if (!slot)
        slot = new Window(args...);
    return *slot;
}

} // namespace

Program::Program(Clock& clock, ClockHealth& clockHealth, SettingsStore& settings, Dialogs& dialogs,
                 Sound& sound, Printer& printer, HelpViewer& help, QString programDir)
    : settings_(settings, dialogs), context_{clock,   clockHealth, settings_, dialogs, sound,
                                             printer, help,        basic_,    *this} {
    basic_.programDir = std::move(programDir);
}

Program::~Program() {
    delete stopWatch_;
    delete alarm_;
    delete skeds_;
    delete main_;
}

void Program::start(const QString& skedFile) {
    main().Form_Load(skedFile);
    main().show();
    // What the start-up does not show waits until the window is on the screen.
    QTimer::singleShot(0, &main(), [this] { main().afterShown(); });
}

void Program::endOnSignal() {
    settings_.setQuiet(true);
    // The closing steps themselves: the window may not be shown yet when a signal comes during
    // the start-up's questions, and a window never shown takes no close request.
    main().Form_Unload();
}

void Program::storeForSessionEnd() {
    settings_.setQuiet(true);
    main().storeClosingState();
    settings_.setQuiet(false);
}

void Program::bringForward() {
    SkedForm& window = main();
    if (window.isMinimized())
        window.showNormal();
    window.raise();
    window.activateWindow();
}

SkedForm& Program::main() {
    return single(main_, context_);
}

frmSkeds& Program::skeds() {
    return single(skeds_, context_);
}

frmAlarm& Program::alarm() {
    return single(alarm_, context_);
}

frmStopWatch& Program::stopWatch() {
    return single(stopWatch_);
}

void Program::endProgram() {
    ended_ = true;
    // The windows go without their closing steps, so none of them can refuse. They are only
    // hidden here and deleted with the program: a box that waits for an answer in one of them
    // is still on the stack, and ends with the loop that exit() ends.
    for (QWidget* window : std::initializer_list<QWidget*>{stopWatch_, alarm_, skeds_, main_}) {
        if (window)
            window->hide();
    }
    // exit(), not quit(): a signal during the start-up's questions comes before the main event
    // loop runs, and only exit() also ends the loop of a box that waits for an answer.
    QCoreApplication::exit(0);
}
