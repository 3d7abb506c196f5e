// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "ProgramRig.h"
#include "frmAlarm.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {

// What the user sees after a tick: the armed slot, the skipped slots, the main window's caption
// and message, the alarm window's title and the sounds asked for so far.
QString seen(ProgramRig& rig) {
    QStringList skipped;
    for (int slot = 0; slot < SkedTable::kRows; ++slot) {
        if (rig.table().row(slot).skip)
            skipped << QString::number(slot);
    }
    QString alarm = QStringLiteral("-");
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* shown = qobject_cast<frmAlarm*>(window); shown && shown->isVisible())
            alarm = shown->windowTitle() + shown->lblAlarm->text();
    }
    QString sounds;
    for (const FakeSound::Played& played : rig.sound.played)
        sounds += QFileInfo(played.path).baseName().left(1) + QString::number(int(played.mode));
    return QStringLiteral("%1 [%2] %3|%4|%5|%6%7")
        .arg(rig.basic().AlarmIndex)
        .arg(skipped.join(u','), rig.form().windowTitle(), rig.form().lblNum->text(), alarm, sounds,
             rig.form().Command3->isVisibleTo(&rig.form()) ? QStringLiteral(" Stop") : QString());
}

} // namespace

class TestAlarmEngine : public QObject {
    Q_OBJECT

private slots:
    // A schedule and options, ticks at UTC moments, and what each tick leaves on screen. Every
    // skip mark that a firing sets is in the file at once.
    // clang-format off
    void timeline_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<QStringList>("log");
        const QStringList none;
        QTest::newRow("due on its minute") << QStringList{" |12/05/26|1430|net"} << none << QStringList{"14:29:59", "14:30:00", "14:30:01"} << QStringList{"0 [] Alarm Set   skeds.dat|net|-|", "40 [0] Alarm Set   skeds.dat|| Alarm at 14:30:00\nnet|", "40 [0]  Tockmere  by Ovix|Done| Alarm at 14:30:00\nnet|"};
        QTest::newRow("table order, not time") << QStringList{" |12/05/26|1500|a", " |12/05/26|1400|b"} << QStringList{"AlarmPopUp=FALSE"} << QStringList{"14:00:00", "15:00:00", "15:00:01"} << QStringList{"0 [] Alarm Set   skeds.dat|a|-|", "1 [0] Alarm Set   skeds.dat|b|-|", "40 [0,1] Alarm Set   skeds.dat||-|"};
        QTest::newRow("missed ones, a second apart") << QStringList{"S|12/01/26|0800|old", " |12/04/26|2300|x", " |12/05/26|0859|y", " |12/05/26|0901|z"} << QStringList{"Silent=FALSE"} << QStringList{"09:00:00", "09:00:01", "09:00:02", "09:00:03"} << QStringList{"1 [0] Alarm Set   skeds.dat|x|-|", "2 [0,1] Alarm Set   skeds.dat|y| Alarm at 09:00:01\nx|a0", "3 [0,1,2] Alarm Set   skeds.dat|z| Alarm at 09:00:02\ny|a0a0", "3 [0,1,2] Alarm Set   skeds.dat|z| Alarm at 09:00:02\ny|a0a0"};
        QTest::newRow("three digits, padded") << QStringList{" |12/05/26|930|x"} << QStringList{"AlarmPopUp=FALSE"} << QStringList{"09:29:59", "09:30:00"} << QStringList{"0 [] Alarm Set   skeds.dat|x|-|", "40 [0] Alarm Set   skeds.dat||-|"};
        QTest::newRow("a row below a gap fires") << QStringList{" |12/05/26|1000|a", "", " |12/05/26|1100|c"} << QStringList{"AlarmPopUp=FALSE"} << QStringList{"10:00:00", "10:59:59", "11:00:00"} << QStringList{"2 [0] Alarm Set   skeds.dat|c|-|", "2 [0] Alarm Set   skeds.dat|c|-|", "40 [0,2] Alarm Set   skeds.dat||-|"};
        QTest::newRow("nothing pending") << QStringList{"S|12/01/26|0800|old"} << none << QStringList{"10:00:00"} << QStringList{"40 [0]  Tockmere  by Ovix|Done|-|"};
        QTest::newRow("a date that is no date fires") << QStringList{" |31/12/26|1000|eu"} << QStringList{"AlarmPopUp=FALSE"} << QStringList{"09:00:00", "09:00:01"} << QStringList{"0 [] Alarm Set   skeds.dat|eu|-|", "40 [0] Alarm Set   skeds.dat||-|"};
        QTest::newRow("looping until Stop") << QStringList{" |12/05/26|0930|x", " |12/05/26|0931|y"} << QStringList{"Silent=FALSE", "Continuous=TRUE", "AlarmPopUp=FALSE"} << QStringList{"09:30:00", "09:31:00"} << QStringList{"1 [0] Alarm Set   skeds.dat|y|-|a1 Stop", "40 [0,1] Alarm Set   skeds.dat||-|a1a1 Stop"};
        QTest::newRow("UTC mode past midnight") << QStringList{" |12/06/26|0315|dx"} << QStringList{"UTC offset=5", "AlarmPopUp=FALSE"} << QStringList{"22:14:59", "22:15:00"} << QStringList{"0 [] Alarm Set   skeds.dat|dx|-|", "40 [0] Alarm Set   skeds.dat||-|"};
        QTest::newRow("local mode ignores the offset") << QStringList{" |12/06/26|0315|dx"} << QStringList{"UTC offset=5", "Use UTC=FALSE", "AlarmPopUp=FALSE"} << QStringList{"22:15:00", "2026-12-06T03:15:00"} << QStringList{"0 [] Alarm Set   skeds.dat|dx|-|", "40 [0] Alarm Set   skeds.dat||-|"};
    }
    // clang-format on
    void timeline() {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, options);
        QFETCH(QStringList, ticks);
        QFETCH(QStringList, log);
        ProgramRig rig;
        rig.setOptions(options);
        rig.start(rows);
        rig.form().Command3->hide();
        QStringList seenLog;
        for (const QString& tick : ticks) {
            rig.tickAt(tick);
            seenLog << seen(rig);
        }
        QCOMPARE(seenLog, log);
        SkedTable stored;
        QVERIFY(readSkedFile(rig.path().toStdString(), stored).ok());
        SkedTable shown = rig.table(); // the file closes the gaps the window shows
        SkedTable compact;
        for (int slot = 0, next = 0; slot < SkedTable::kRows; ++slot) {
            if (!shown.isEmpty(slot))
                compact.setRow(next++, shown.row(slot));
        }
        QCOMPARE(describeRows(stored), describeRows(compact));
    }

    void stopEndsTheLoopWithTheStopSound() {
        ProgramRig rig;
        rig.settings.setOption(QStringLiteral("Silent"), QStringLiteral("FALSE"));
        rig.settings.setOption(QStringLiteral("Continuous"), QStringLiteral("TRUE"));
        rig.start({" |12/05/26|0900|x"});
        rig.tickAt(QStringLiteral("09:00:00"));
        rig.form().Command3->click();
        QVERIFY(!rig.form().Command3->isVisibleTo(&rig.form()));
        QCOMPARE(rig.sound.played.last(),
                 (FakeSound::Played{rig.path(QStringLiteral("stop.wav")), Sound::Mode::Once}));
        rig.form().mnuSoundAlarm->trigger();
        QCOMPARE(rig.sound.played.last(),
                 (FakeSound::Played{rig.path(QStringLiteral("alarm.wav")), Sound::Mode::Once}));
    }

    // A file another program changed, or one that cannot be written: the firing asks once
    // (No keeps the other version) or tells once, and the clock goes on.
    void firingKeepsAFileItMayNotReplace_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("box");
        QTest::newRow("changed on disk") << false << " Replace the schedule file?";
        QTest::newRow("read-only") << true << " Schedule not saved";
    }
    void firingKeepsAFileItMayNotReplace() {
        QFETCH(bool, readOnly);
        QFETCH(QString, box);
        ProgramRig rig;
        rig.start({" |12/05/26|0900|a", " |12/05/26|0901|b", " |12/05/26|1000|c"});
        const QByteArray other = "  12/24/26    1200  other program\r\nWeeklyIncr: 0\r\nend\r\n";
        if (readOnly)
            QFile(rig.path()).setPermissions(QFile::ReadOwner);
        else
            writeBytes(rig.path(), other);
        const QByteArray before = rig.file();
        rig.tickAt(QStringLiteral("09:01:00"));
        rig.tickAt(QStringLiteral("09:01:01"));
        QCOMPARE(rig.shownTitles(), QStringList{box});
        QCOMPARE(rig.file(), before);
        QCOMPARE(rig.form().lblTime->text(), QStringLiteral("09:01:01"));
        QCOMPARE(int(rig.basic().AlarmIndex), 2);
    }
};

QTEST_MAIN(TestAlarmEngine)
#include "tst_alarmengine.moc"
