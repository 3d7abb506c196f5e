#include "Program.h"

#include "SkedForm.h"
#include "frmAlarm.h"
#include "frmSkeds.h"
#include "frmStopWatch.h"

#include <QCoreApplication>

Program::Program(Clock& clock, SettingsStore& settings, Dialogs& dialogs, Sound& sound,
                 Printer& printer, HelpViewer& help, QString programDir)
    : context_{clock, settings, dialogs, sound, printer, help, basic_, *this} {
    basic_.programDir = std::move(programDir);
}

Program::~Program() {
    delete stopWatch_;
    delete alarm_;
    delete skeds_;
    delete main_;
}

void Program::start() {
    main().Form_Load();
    main().show();
}

SkedForm& Program::main() {
    if (!main_)
        main_ = new SkedForm(context_);
    return *main_;
}

frmSkeds& Program::skeds() {
    if (!skeds_)
        skeds_ = new frmSkeds(context_);
    return *skeds_;
}

frmAlarm& Program::alarm() {
    if (!alarm_)
        alarm_ = new frmAlarm(context_);
    return *alarm_;
}

frmStopWatch& Program::stopWatch() {
    if (!stopWatch_)
        stopWatch_ = new frmStopWatch;
    return *stopWatch_;
}

void Program::endProgram() {
    ended_ = true;
    // The other windows go without their closing steps, so none of them can refuse.
    delete stopWatch_;
    delete alarm_;
    delete skeds_;
    if (main_)
        main_->hide();
    QCoreApplication::quit();
}
