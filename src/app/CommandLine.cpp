// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

CommandLine readCommandLine(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption showVersion({QStringLiteral("v"), QStringLiteral("version")},
                                         QString());
    parser.addOptions({help, showVersion});
    CommandLine asked;
    const bool read = parser.parse(arguments);
    const QStringList files = parser.positionalArguments();
    if (!read || files.size() > 1) {
        asked.exitStatus = 2;
        if (read) {
            //: On standard error; "tockmere" and "--help" are what the user types.
            asked.error = QCoreApplication::translate(
                "CommandLine",
                "tockmere: only one schedule file can be given (try tockmere --help)");
        } else {
            //: On standard error: %1 is what is wrong with the command line, in the words of
            //: Qt's own translation. "tockmere" and "--help" are what the user types.
            asked.error =
                QCoreApplication::translate("CommandLine", "tockmere: %1 (try tockmere --help)")
                    .arg(parser.errorText());
        }
    } else if (parser.isSet(help)) {
        asked.exitStatus = 0;
        //: The answer to --help on standard output. Keep the line breaks and the columns: the
        //: options and the argument are what the user types, FILE stands for a file's name.
        asked.output = QCoreApplication::translate(
            "CommandLine", "Usage: tockmere [options] [FILE]\n"
                           "A desktop clock in UTC or local time that alarms at the skeds of a "
                           "schedule file.\n\n"
                           "Options:\n"
                           "  -h, --help     Shows this help and ends.\n"
                           "  -v, --version  Shows the version and ends.\n\n"
                           "Arguments:\n"
                           "  FILE           The schedule file to start with, in place of the one "
                           "used last.\n");
    } else if (parser.isSet(showVersion)) {
        asked.exitStatus = 0;
        asked.output = QStringLiteral("tockmere ") + version + u'\n';
    } else if (!files.isEmpty()) {
        asked.skedFile = QFileInfo(files.first()).absoluteFilePath();
    }
    return asked;
}
