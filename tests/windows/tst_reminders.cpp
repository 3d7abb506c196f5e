// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "AlarmWindow.h"
#include "ClockLabel.h"
#include "ProgramRig.h"

#include <QMenu>
#include <QSignalSpy>

namespace {

// The alarm window's title and message, when it is shown.
QString alarmShown() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* alarm = qobject_cast<AlarmWindow*>(window); alarm && alarm->isVisible())
            return alarm->windowTitle() + u'|' + alarm->findChild<QLabel*>("messageLabel")->text();
    }
    return {};
}

QString doneSlots(ProgramRig& rig) {
    QStringList done;
    for (int slot = 0; slot < SkedTable::kRows; ++slot) {
        if (rig.table().row(slot).skip)
            done << QString::number(slot);
    }
    return done.join(u' ');
}

} // namespace

// Before a sked and after it: the reminder ahead of it, the time left to it, and a sked that
// rings late. The clock starts at 09:00:00 UTC on 5 December 2026.
class TestReminders : public QObject {
    Q_OBJECT

private slots:
    // What the desktop's notifications are told ("summary|body", a reminder marked so), or the
    // alarm window without them, as the clock ticks at the given UTC seconds of the day, which
    // slots end marked done and what sounds were asked for. At every tick, however far it moved
    // the clock (as a suspend or a step of the system clock does), the clock shows its second.
    // clang-format off
    void told_data() {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<QStringList>("notifications");
        QTest::addColumn<QString>("done");
        QTest::addColumn<int>("sounds");
        QTest::addColumn<QString>("alarmWindow");
        using L = QStringList;
        const L two{" |12/05/26|0930|a", " |12/05/26|1000|b"};
        QTest::newRow("reminded at its moment, once, then rung") << L{"Remind minutes=5"} << two << L{"09:24:59", "09:25:00", "09:25:01", "09:30:00", "09:54:59", "09:55:00"} << L{"Sked at 09:30 in 5 min|a [reminder]", "Alarm at 09:30:00|a", "Sked at 10:00 in 5 min|b [reminder]"} << "0" << 0 << "";
        QTest::newRow("armed within the time: reminded at once") << L{"Remind minutes=40"} << two << L{} << L{"Sked at 09:30 in 30 min|a [reminder]"} << "" << 0 << "";
        QTest::newRow("the next one too, when the first rings") << L{"Remind minutes=30"} << two << L{"09:30:00"} << L{"Sked at 09:30 in 30 min|a [reminder]", "Alarm at 09:30:00|a", "Sked at 10:00 in 30 min|b [reminder]"} << "0" << 0 << "";
        QTest::newRow("no reminder by default") << L{} << two << L{"09:25:00", "09:30:00"} << L{"Alarm at 09:30:00|a"} << "0" << 0 << "";
        QTest::newRow("minutes that are none: no reminder") << L{"Remind minutes=5 min"} << two << L{"09:25:00"} << L{} << "" << 0 << "";
        QTest::newRow("asleep past the reminder only: reminded on waking") << L{"Remind minutes=5"} << two << L{"09:20:00", "09:29:15"} << L{"Sked at 09:30 in 45 s|a [reminder]"} << "" << 0 << "";
        QTest::newRow("asleep past the sked: rung once, late, not reminded") << L{"Remind minutes=5"} << L{" |12/05/26|0930|a"} << L{"09:20:00", "12:00:01", "12:00:02"} << L{"Alarm at 12:00:01|a\nDue 09:30 UTC, 2 h 30 min late"} << "0" << 0 << "";
        QTest::newRow("no notification service: reminded in the alarm window") << L{"Remind minutes=5", "AlarmPopUp=TRUE", "no service"} << two << L{"09:25:00"} << L{} << "" << 0 << " Sked at 09:30 in 5 min|\na";
        QTest::newRow("... unless it does not pop up") << L{"Remind minutes=5", "no service"} << two << L{"09:25:00"} << L{} << "" << 0 << "";
        QTest::newRow("a minute late is on time") << L{} << two << L{"09:31:00"} << L{"Alarm at 09:31:00|a"} << "0" << 0 << "";
        QTest::newRow("late in local time") << L{"Use UTC=FALSE"} << two << L{"09:31:01"} << L{"Alarm at 09:31:01|a\nDue 09:30 local, 1 min late"} << "0" << 0 << "";
        QTest::newRow("late and silent for want of sound") << L{"Silent=FALSE"} << two << L{"12:00:00"} << L{"Alarm at 12:00:00|a\nNo sound: no audio output\nDue 09:30 UTC, 2 h 30 min late"} << "0" << 1 << "";
        QTest::newRow("past the late limit: marked and told in one, not rung") << L{"Late limit minutes=30", "Silent=FALSE"} << L{"S|12/01/26|0800|old", " |12/05/26|0700|a", " |12/05/26|0815|b", " |12/05/26|0830|c", " |12/05/26|0859|d", " |12/06/26|0000|e"} << L{"09:00:01", "09:00:02", "09:00:03"} << L{"Missed skeds|Missed: sked 2 (12/05/26 0700, 2 h 0 min late); sked 3 (12/05/26 0815, 45 min late); sked 4 (12/05/26 0830, 30 min late)", "Alarm at 09:00:02|d\nNo sound: no audio output\nDue 08:59 UTC, 1 min late"} << "0 1 2 3 4" << 1 << "";
        QTest::newRow("at the late limit: rung") << L{"Late limit minutes=30"} << L{" |12/05/26|0831|a"} << L{"09:01:00"} << L{"Alarm at 09:01:00|a\nDue 08:31 UTC, 30 min late"} << "0" << 0 << "";
        QTest::newRow("a limit of one minute, told in the alarm window too") << L{"Late limit minutes=1", "AlarmPopUp=TRUE"} << two << L{"09:32:00"} << L{"Missed skeds|Missed: sked 1 (12/05/26 0930, 2 min late)"} << "0" << 0 << " Missed skeds|\nMissed: sked 1 (12/05/26 0930, 2 min late)";
        QTest::newRow("a late limit that is none: every sked rung") << L{"Late limit minutes=x"} << two << L{"12:00:00"} << L{"Alarm at 12:00:00|a\nDue 09:30 UTC, 2 h 30 min late"} << "0" << 0 << "";
    }
    // clang-format on
    void told() {
        QFETCH(QStringList, settings);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, ticks);
        ProgramRig rig;
        rig.notifier.missing = settings.removeAll("no service") > 0;
        // The alarm window only where a row asks for it.
        rig.setOptions(QStringList{"AlarmPopUp=FALSE"} + settings);
        rig.writeSchedule(rows);
        // No sound plays here: a sked rung aloud says so, before its lateness.
        rig.sound.problem = Sound::Problem::NoOutput;
        rig.program.start();
        for (const QString& at : ticks) {
            rig.tickAt(at);
            QCOMPARE(rig.main<ClockLabel>("clockLabel")->text(), at);
        }
        QTEST(rig.notifier.shown, "notifications");
        QTEST(doneSlots(rig), "done");
        // A sked past the limit makes no sound: only those rung are heard.
        QTEST(int(rig.sound.played.size()), "sounds");
        QTEST(alarmShown(), "alarmWindow");
    }

    // A sked is reminded once in a run however it is armed again: by Done, by a change of
    // another sked or of its message. A sked moved to another minute is another sked.
    void remindedOncePerSked() {
        ProgramRig rig;
        rig.setOptions({"Remind minutes=10"});
        rig.writeSchedule({" |12/05/26|0930|a", " |12/05/26|1000|b"});
        rig.program.start();
        QSignalSpy reminded(&rig.engine(), &AlarmEngine::reminderDue);
        rig.tickAt("09:20:00");
        QCOMPARE(reminded.size(), 1);
        rig.open();
        rig.inTable<QPushButton>("doneButton")->click();
        rig.table().setMessage(0, "a, mended");
        rig.table().setMessage(1, "b, mended");
        rig.tickAt("09:20:01");
        QCOMPARE(reminded.size(), 1);
        rig.table().setTime(0, "0925");
        QCOMPARE(reminded.size(), 2);
        QCOMPARE(reminded.last(), (QVariantList{"Sked at 09:25 in 4 min", "a, mended"}));
    }

    // The time left to the armed sked, in the next sked's tooltip and in what a screen reader
    // hears of it.
    // clang-format off
    void timeLeft_data() {
        QTest::addColumn<QString>("at");
        QTest::addColumn<QString>("timeLeft");
        QTest::newRow("days")               << "2026-12-05T09:00:00" << "in 1 d 2 h 30 min";
        QTest::newRow("an hour")            << "2026-12-06T10:30:00" << "in 1 h 0 min";
        QTest::newRow("a minute")           << "2026-12-06T11:29:00" << "in 1 min";
        QTest::newRow("seconds in the last") << "2026-12-06T11:29:01" << "in 59 s";
        QTest::newRow("the second sked of a minute") << "2026-12-06T11:30:00" << "due now";
    }
    // clang-format on
    void timeLeft() {
        QFETCH(QString, at);
        QFETCH(QString, timeLeft);
        ProgramRig rig;
        rig.writeSchedule({" |12/06/26|1130|net", " |12/06/26|1130|second"});
        rig.program.start();
        rig.tickAt(at);
        auto* time = rig.main<QLabel>("nextSkedTime");
        QCOMPARE(time->toolTip(), timeLeft);
        QCOMPARE(time->accessibleDescription(), "Time of the next sked, " + timeLeft);
    }

    // The time left is told when its text changes: once a minute, and each second of the last.
    void timeLeftToldOncePerMinute() {
        ProgramRig rig;
        rig.writeSchedule({" |12/05/26|0930|net"});
        rig.program.start();
        QSignalSpy told(&rig.engine(), &AlarmEngine::timeLeftShown);
        for (int second = 1; second <= 120; ++second)
            rig.tickAt(QTime(9, 0).addSecs(second).toString(u"hh:mm:ss"));
        QCOMPARE(told.size(), 2);
        for (int second = 1; second <= 60; ++second)
            rig.tickAt(QTime(9, 29).addSecs(second).toString(u"hh:mm:ss"));
        QCOMPARE(told.size(), 2 + 60);
        QCOMPARE(rig.main<QLabel>("nextSkedTime")->toolTip(), QString());
        QCOMPARE(rig.main<QLabel>("nextSkedTime")->accessibleDescription(),
                 "Time of the next sked");
    }

    // "Remind Before..." follows "Start at Login"; its answer is stored, or refused as a whole.
    // clang-format off
    void remindBefore_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("boxes");
        const QString refused = "\"%1\" is not a number of minutes from 0 to 1440; the reminder is kept at 5 minutes.";
        QTest::newRow("minutes")    << "15"   << "15" << QStringList{};
        QTest::newRow("off")        << "0"    << "0"  << QStringList{};
        QTest::newRow("a day at most") << "1440" << "1440" << QStringList{};
        QTest::newRow("more than a day") << "1441" << "5" << QStringList{refused.arg("1441")};
        QTest::newRow("no number")  << "5 min" << "5" << QStringList{refused.arg("5 min")};
        QTest::newRow("Cancel")     << ""     << "5"  << QStringList{};
    }
    // clang-format on
    void remindBefore() {
        QFETCH(QString, answer);
        ProgramRig rig;
        rig.setOptions({"Remind minutes=5"});
        rig.program.start();
        rig.dialogs.shown.clear();
        const QList<QAction*> entries = rig.main<QMenu>("optionsMenu")->actions();
        QCOMPARE(entries.indexOf(rig.main<QAction>("remindBefore")),
                 entries.indexOf(rig.main<QAction>("startAtLogin")) + 1);
        rig.dialogs.promptAnswers << answer;
        rig.main<QAction>("remindBefore")->trigger();
        QTEST(rig.settings.option("Remind minutes"), "stored");
        QStringList boxes;
        for (const FakeDialogs::Shown& box : rig.dialogs.shown.mid(1))
            boxes << box.text;
        QTEST(boxes, "boxes");
        QCOMPARE(rig.dialogs.shown.first().defaultText, "5");
    }
};

QTEST_MAIN(TestReminders)
#include "tst_reminders.moc"
