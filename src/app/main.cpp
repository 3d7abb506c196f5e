// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "QtProgram.h"
#include "SingleInstance.h"
#include "TerminationSignals.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QSessionManager>

#include <cstdio>
#include <optional>

#ifndef TOCKMERE_VERSION
#define TOCKMERE_VERSION "0"
#endif

namespace {

bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// The command line, read before any display is needed: the schedule file to start with (empty
// for the stored one), or the exit status when the program has already answered.
std::optional<int> readCommandLine(int argc, char* argv[], QString& skedFile) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOptions({help, version});
    if (!parser.parse(arguments) || parser.positionalArguments().size() > 1) {
        const QString why = parser.positionalArguments().size() > 1
                                ? QStringLiteral("only one schedule file can be given")
                                : parser.errorText();
        std::fprintf(stderr, "tockmere: %s (try tockmere --help)\n", qPrintable(why));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs("Usage: tockmere [options] [FILE]\n"
                   "A desktop clock in UTC or local time that alarms at the skeds of a schedule "
                   "file.\n\n"
                   "Options:\n"
                   "  -h, --help     Shows this help and ends.\n"
                   "  -v, --version  Shows the version and ends.\n\n"
                   "Arguments:\n"
                   "  FILE           The schedule file to start with, in place of the one used "
                   "last.\n",
                   stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("tockmere %s\n", TOCKMERE_VERSION);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        skedFile = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Tockmere"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOCKMERE_VERSION));
    QString skedFile;
    if (const auto answered = readCommandLine(argc, argv, skedFile))
        return *answered;
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
