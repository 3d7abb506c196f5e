// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "FakeClock.h"
#include "FakeDialogs.h"
#include "FakePrinter.h"
#include "FakeSettings.h"
#include "FakeServices.h"
#include "Languages.h"
#include "MainWindow.h"
#include "Program.h"
#include "ScheduleWindow.h"
#include "SkedFile.h"
#include "SkedRows.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <utility>

// A whole program on fake services, with a temporary folder as program directory. The clock
// stands at 09:00:00 UTC on 5 December 2026, local time UTC.
struct ProgramRig {
    // The translations as the program installs them, once per test program: under the tests' C
    // locale only English plural forms ("1 hour").
    struct Translated {
        Translated() {
            static const bool once =
                (installTranslations(QCoreApplication::applicationDirPath()), true);
            Q_UNUSED(once);
        }
    } translated;
    QTemporaryDir dir;
    FakeClock clock;
    FakeSettings settings;
    FakeDialogs dialogs;
    FakeSound sound;
    FakePrinter printer;
    FakeHelpViewer help;
    FakeClockHealth clockHealth;
    FakeNotifier notifier;
    FakeAutostart autostart;
    Program program{
        {clock, clockHealth, settings, dialogs, sound, printer, help, notifier, autostart},
        dir.path()};

    Schedule& schedule() { return program.schedule(); }
    AlarmEngine& engine() { return program.engine(); }
    MainWindow& form() { return program.mainWindow(); }
    ScheduleWindow& skeds() { return program.scheduleWindow(); }
    SkedTable& table() { return program.schedule().table(); }
    // A control of a window, of the main window or of the table window, by its name.
    template <typename Control = QWidget> static Control* in(QWidget& window, const QString& name) {
        Control* control = window.findChild<Control*>(name);
        if (!control)
            qFatal("%s has no %s", qPrintable(window.objectName()), qPrintable(name));
        return control;
    }
    template <typename Control = QWidget> Control* main(const QString& name) {
        return in<Control>(form(), name);
    }
    template <typename Control = QWidget> Control* inTable(const QString& name) {
        skeds().ensureControls();
        return in<Control>(skeds(), name);
    }
    QString path(const QString& name = QStringLiteral("skeds.dat")) const {
        return dir.filePath(name);
    }

    // Writes a schedule of rows ("flag|date|time|message"; "" leaves a blank line, an empty
    // row) to skeds.dat and points the "Plannex file" setting at it.
    void writeSchedule(const QStringList& rows) {
        std::string text;
        for (const QString& row : rows) {
            SkedTable one;
            fillRows(one, {row});
            const std::string lines = skedFileText(one);
            text += row.isEmpty() ? "\r\n" : lines.substr(0, lines.find('\n') + 1);
        }
        text += "WeeklyIncr: 0\r\nend\r\n";
        writeBytes(path(), QByteArray::fromStdString(encodeSkedFile(text)));
        settings.setOption(QStringLiteral("Plannex file"), path());
    }
    // Options given as "key=value".
    void setOptions(const QStringList& options) {
        for (const QString& option : options)
            settings.setOption(option.section(u'=', 0, 0), option.section(u'=', 1));
    }
    // "Set Alarm", with the table window shown and active as the user sees it.
    void open() {
        main<QPushButton>(QStringLiteral("setAlarmButton"))->click();
        QVERIFY(QTest::qWaitForWindowExposed(&skeds()));
        QApplication::setActiveWindow(&skeds());
        QVERIFY(QTest::qWaitForWindowActive(&skeds()));
    }
    // The clock set to a UTC moment, "hh:mm:ss" on the clock's day or "yyyy-MM-ddThh:mm:ss",
    // and one tick of it.
    void tickAt(const QString& when) {
        const QDate day = clock.utcNow().date();
        clock.setUtc(when.size() == 8 ? QDateTime(day, QTime::fromString(when), Qt::UTC)
                                      : QDateTime::fromString(when + u'Z', Qt::ISODate));
        engine().tick();
    }
    // The titles of every box and prompt shown so far (not the file dialogs), and forgets them.
    QStringList shownTitles() {
        QStringList titles;
        for (const FakeDialogs::Shown& shown : std::exchange(dialogs.shown, {}))
            if (!shown.fileDialog)
                titles << shown.title;
        return titles;
    }
};
