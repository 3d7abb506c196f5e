#pragma once

#include "Program.h"
#include "QtClock.h"
#include "QtDialogs.h"
#include "QtHelpViewer.h"
#include "QtPrinter.h"
#include "QtSettingsStore.h"
#include "QtSound.h"

#include <QCoreApplication>

// The program on the real services of this desktop, as started by main() and measured by the
// benchmarks. Needs a QApplication.
struct QtProgram {
    QtClock clock;
    QtSettingsStore settings;
    QtDialogs dialogs;
    QtSound sound;
    QtPrinter printer;
    QtHelpViewer help;
    Program program{
        clock, settings, dialogs, sound, printer, help, QCoreApplication::applicationDirPath()};
};
