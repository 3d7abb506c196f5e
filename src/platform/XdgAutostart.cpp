// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "XdgAutostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

#include "DesktopId.h"

XdgAutostart::XdgAutostart(QString program) : program_(std::move(program)) {}

QString XdgAutostart::path() const {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + kDesktopId + QStringLiteral(".desktop");
}

bool XdgAutostart::isEnabled() const {
    return QFileInfo::exists(path());
}

QString XdgAutostart::command() const {
    // The installed command, when it is this very program (through its link in bin/); a program
    // run from its build folder starts itself.
    const QString installed = QStandardPaths::findExecutable(QStringLiteral("tockmere"));
    const QString self = QFileInfo(program_).canonicalFilePath();
    if (!installed.isEmpty() && QFileInfo(installed).canonicalFilePath() == self)
        return QStringLiteral("tockmere");
    return execArgument(self.isEmpty() ? program_ : self);
}

QString XdgAutostart::execArgument(const QString& file) {
    static const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString argument = file;
    argument.replace(u'%', QStringLiteral("%%"));
    const bool quoted = std::any_of(argument.cbegin(), argument.cend(),
                                    [](QChar c) { return kReserved.contains(c); });
    if (quoted) {
        QString inner;
        for (const QChar c : argument) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                inner += u'\\';
            inner += c;
        }
        argument = u'"' + inner + u'"';
    }
    // The entry's string values escape a backslash once more.
    argument.replace(u'\\', QStringLiteral("\\\\"));
    return argument;
}

QByteArray XdgAutostart::entry(const QString& exec) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Tockmere\n"
                          "Comment=A clock in UTC or local time that alarms at your skeds\n"
                          "Exec=%1\n"
                          "Icon=%2\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(exec, kDesktopId)
        .toUtf8();
}

QString XdgAutostart::setEnabled(bool enabled) {
    const QString file = path();
    if (!enabled) {
        QFile entryFile(file);
        if (!entryFile.exists() || entryFile.remove())
            return {};
        return entryFile.errorString();
    }
    if (!QDir().mkpath(QFileInfo(file).path()))
        //: Why the entry for the start of the session could not be written; %1 is a folder's
        //: path.
        return QCoreApplication::translate("XdgAutostart", "cannot make the folder %1")
            .arg(QFileInfo(file).path());
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(entry(command())) < 0 || !out.commit())
        return out.errorString();
    return {};
}
