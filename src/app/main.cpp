// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "CommandLine.h"
#include "QtProgram.h"
#include "SingleInstance.h"
#include "TerminationSignals.h"

#include <QSessionManager>

#include <cstdio>

#ifndef TOCKMERE_VERSION
#define TOCKMERE_VERSION "0"
#endif

namespace {

bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Tockmere"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOCKMERE_VERSION));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine asked = readCommandLine(arguments, QStringLiteral(TOCKMERE_VERSION));
    std::fputs(qPrintable(asked.output), stdout);
    if (!asked.error.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(asked.error));
    if (asked.exitStatus)
        return *asked.exitStatus;
    const QString& skedFile = asked.skedFile;
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "tockmere: no display found (DISPLAY is not set); on a machine "
                     "without one, start it as: xvfb-run -a %s\n",
                     argv[0]);
        return 1;
    }
    TockmereApplication app(argc, argv);

    QtProgram desktop;
    Program& program = desktop.program;
    // One program per settings folder: two would write over each other's schedule and settings.
    SingleInstance instance(desktop.settings.location(QStringLiteral("Tockmere")));
    if (!instance.claim()) {
        std::fprintf(stderr, "tockmere: already running; brought it forward%s\n",
                     skedFile.isEmpty() ? "" : " (the file given was not opened)");
        return 0;
    }
    QObject::connect(&instance, &SingleInstance::anotherStartAsked, &app,
                     [&program] { program.bringForward(); });
    TerminationSignals terminations;
    QObject::connect(&terminations, &TerminationSignals::received, &app,
                     [&program] { program.endOnSignal(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app,
                     [&program] { program.storeForSessionEnd(); });

    program.start(skedFile);
    // A signal during the start-up's questions has already ended the program.
    if (program.ended())
        return 0;
    return QApplication::exec();
}
