#pragma once

#include "FakeClock.h"
#include "FakeDialogs.h"
#include "FakeHelpViewer.h"
#include "FakePrinter.h"
#include "FakeSettings.h"
#include "FakeSound.h"
#include "Program.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A whole program on fake services, with a temporary folder as program directory.
struct ProgramRig {
    QTemporaryDir dir;
    FakeClock clock;
    FakeSettings settings;
    FakeDialogs dialogs;
    FakeSound sound;
    FakePrinter printer;
    FakeHelpViewer help;
    Program program{clock, settings, dialogs, sound, printer, help, dir.path()};

    BasicModule& basic() { return program.basic(); }
    QString path(const QString& name) const { return dir.filePath(name); }

    // Writes a schedule file and points the "Plannex file" setting at it.
    void writeSchedule(const QByteArray& bytes, const QString& name = QStringLiteral("skeds.dat")) {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        settings.setOption(QStringLiteral("Plannex file"), path(name));
    }
    QByteArray readFile(const QString& name = QStringLiteral("skeds.dat")) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};
