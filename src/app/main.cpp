// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "CommandLine.h"
#include "Languages.h"
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
    // The command line is answered in the user's language too, and without a display: under an
    // application object of its own, gone before the program's is made.
    QString noDisplay;
    const CommandLine asked = [&] {
        QCoreApplication reader(argc, argv);
        installTranslations(QCoreApplication::applicationDirPath());
        noDisplay = QCoreApplication::translate(
                        "main", "tockmere: no display found (DISPLAY is not set); on a machine "
                                "without one, start it as: xvfb-run -a %1")
                        .arg(QString::fromLocal8Bit(argv[0]));
        return readCommandLine(arguments, QStringLiteral(TOCKMERE_VERSION));
    }();
    std::fputs(qPrintable(asked.output), stdout);
    if (!asked.error.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(asked.error));
    if (asked.exitStatus)
        return *asked.exitStatus;
    const QString& skedFile = asked.skedFile;
    if (!hasDisplay()) {
        std::fprintf(stderr, "%s\n", qPrintable(noDisplay));
        return 1;
    }
    TockmereApplication app(argc, argv);
    installTranslations(QCoreApplication::applicationDirPath());

    QtProgram desktop;
    Program& program = desktop.program;
    // One program per settings folder: two would write over each other's schedule and settings.
    SingleInstance instance(desktop.settings.location(QStringLiteral("Tockmere")));
    if (!instance.claim()) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(skedFile.isEmpty()
                                    ? QCoreApplication::translate(
                                          "main", "tockmere: already running; brought it forward")
                                    : QCoreApplication::translate(
                                          "main", "tockmere: already running; brought it forward "
                                                  "(the file given was not opened)")));
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
