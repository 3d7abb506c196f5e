// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "ProgramRig.h"
#include "QuickHelp.h"
#include "Twips.h"
#include "frmStopWatch.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

QByteArray rowsThen(int rows, const QByteArray& after) {
    QByteArray bytes;
    for (int i = 1; i <= rows; ++i)
        bytes += "  12/06/26    0930  row " + QByteArray::number(i) + "\r\n";
    return bytes + after;
}

// Which switches are on: Silent, Minimize, PopUp, Close button, UTC, Looping.
QString switchesOn(SkedForm& form) {
    QString on;
    const QAction* actions[] = {form.mnuSilent,    form.mnuMinimize, form.mAlarmPopUp,
                                form.mCloseButton, form.mUTCtime,    form.mnuContinuous};
    for (int i = 0; i < 6; ++i)
        on += actions[i]->isChecked() ? QChar(u"SMPCUL"[i]) : u'-';
    return on;
}

} // namespace

class TestSkedForm : public QObject {
    Q_OBJECT

private slots:
    // Start-up from settings, a local zone at a UTC hour and a schedule file ("-": none, "/": a
    // folder in its place): the boxes shown, then AlarmIndex|lblNum|read at start|switches|
    // time-base label|UtcOffset|place in twips.
    // clang-format off
    void startUp_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("localHours");
        QTest::addColumn<int>("utcHour");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("state");
        const QByteArray two = "S 12/01/26    0800  done\r\n  12/06/26    0930  DL1ABC\r\nWeeklyIncr: 0\r\nend\r\n";
        const QStringList none;
        QTest::newRow("first run")          << none << 0 << 9 << QByteArray("-") << QStringList{" Initial use"} << "0|0|0|S-PCU-|UTC Time|0|1200,300";
        QTest::newRow("first pending armed") << none << 0 << 9 << two << none << "1|DL1ABC|1|S-PCU-|UTC Time|0|1200,300";
        QTest::newRow("stored switches")    << QStringList{"Silent=True", "Minimize=TRUE", "AlarmPopUp=FALSE", "AlarmCloseButton=FALSE", "Use UTC=FALSE", "Continuous=TRUE", "UTC Label=EST"} << 0 << 9 << two << none << "1|DL1ABC|1|-M---L|EST|0|1200,300";
        QTest::newRow("offset differs")     << QStringList{"UTC offset=-5"} << 0 << 9 << two << QStringList{" Check UTC offset", ""} << "1|DL1ABC|1|S-PCU-|UTC Time|-5|1200,300";
        QTest::newRow("UTC-5 morning")      << QStringList{"UTC offset=5"} << -5 << 4 << two << none << "1|DL1ABC|1|S-PCU-|UTC Time|5|1200,300";
        QTest::newRow("UTC+11, a day ahead") << QStringList{"UTC offset=-11"} << 11 << 23 << two << none << "1|DL1ABC|1|S-PCU-|UTC Time|-11|1200,300";
        QTest::newRow("UTC-12 afternoon")   << QStringList{"UTC offset=12"} << -12 << 13 << two << none << "1|DL1ABC|1|S-PCU-|UTC Time|12|1200,300";
        QTest::newRow("junk offset reads 0") << QStringList{"UTC offset=99"} << 0 << 9 << two << none << "1|DL1ABC|1|S-PCU-|UTC Time|0|1200,300";
        QTest::newRow("place kept")         << QStringList{"PositionTop=13000", "PositionLeft=0"} << 0 << 9 << two << none << "1|DL1ABC|1|S-PCU-|UTC Time|0|0,13005";
        QTest::newRow("place out of range") << QStringList{"PositionTop=13001", "PositionLeft=-1"} << 0 << 9 << two << none << "1|DL1ABC|1|S-PCU-|UTC Time|0|1200,300";
        QTest::newRow("junk place reads 0") << QStringList{"PositionTop=abc", "PositionLeft=3e3"} << 0 << 9 << two << none << "1|DL1ABC|1|S-PCU-|UTC Time|0|0,0";
        QTest::newRow("ends without end")   << none << 0 << 9 << QByteArray("  12/06/26    0930  a\r\n") << QStringList{" Initial use"} << "0|0|0|S-PCU-|UTC Time|0|1200,300";
        QTest::newRow("bad weekly line")    << none << 0 << 9 << rowsThen(3, "WeeklyIncr: 7\r\n  x\r\nend\r\n") << QStringList{" Schedule not read whole"} << "0|0|0|S-PCU-|UTC Time|0|1200,300";
        QTest::newRow("41 skeds")           << none << 0 << 9 << rowsThen(41, "end\r\n") << QStringList{" Schedule not read whole"} << "0|row 1|1|S-PCU-|UTC Time|0|1200,300";
        QTest::newRow("40 skeds and weekly") << none << 0 << 9 << rowsThen(40, "WeeklyIncr: 1\r\nend\r\n") << none << "0|row 1|1|S-PCU-|UTC Time|0|1200,300";
        QTest::newRow("a folder in its place") << none << 0 << 9 << QByteArray("/") << QStringList{" Schedule not read"} << "0|0|0|S-PCU-|UTC Time|0|1200,300";
    }
    // clang-format on
    void startUp() {
        QFETCH(QStringList, options);
        QFETCH(int, localHours);
        QFETCH(int, utcHour);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, boxes);
        QFETCH(QString, state);
        ProgramRig rig;
        rig.setOptions(options << "Plannex file=" + rig.path());
        if (file == "/")
            QVERIFY(QDir(rig.dir.path()).mkdir(QStringLiteral("skeds.dat")));
        else if (file != "-")
            writeBytes(rig.path(), file);
        rig.clock.setLocalOffsetHours(localHours);
        rig.clock.setUtc(QDateTime(QDate(2026, 12, 5), QTime(utcHour, 0), Qt::UTC));
        rig.program.start();
        QCOMPARE(rig.shownTitles(), boxes);
        SkedForm& form = rig.form();
        QCOMPARE(QStringLiteral("%1|%2|%3|%4|%5|%6|%7,%8")
                     .arg(rig.basic().AlarmIndex)
                     .arg(form.lblNum->text())
                     .arg(int(rig.basic().SkedLoadedAtStart))
                     .arg(switchesOn(form), form.lblWhatTime->text())
                     .arg(rig.basic().UtcOffset)
                     .arg(pixelsToTwips(form.x()))
                     .arg(pixelsToTwips(form.y())),
                 state);
        QVERIFY(form.isVisible() && form.Timer1->isActive());
    }

    void offsetCheckTexts() {
        ProgramRig rig;
        rig.clock.setLocalOffsetHours(-4);
        rig.dialogs.promptAnswers.enqueue(QStringLiteral("3.5"));
        rig.program.start();
        QCOMPARE(rig.dialogs.shown[0].text, "System UTC offset 4 hours does not \r\n"
                                            "match the setting in Tockmere 0 hours.");
        QCOMPARE(rig.dialogs.shown[1].text, "<Enter> or <OK> selects the 4 hr. system UTC "
                                            "offset.\r\n\r\nOr enter a new UTC hour offset.");
        QCOMPARE(rig.dialogs.shown[1].defaultText + rig.settings.option("UTC offset"), "44");
    }

    // Closing stores the place (300 for a minimised window or one off the screen), the schedule
    // path and, once it has been shown, the table window's layout, and ends the program.
    // clang-format off
    void closing_data() {
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QString>("stored"); // top, left, and whether the table's layout was
        QTest::newRow("normal, table shown") << false << QPoint(100, 40) << "600 1500 1";
        QTest::newRow("at the edge")         << false << QPoint(0, 867)  << "300 300 0";
        QTest::newRow("minimised")           << true  << QPoint(100, 40) << "600 1500 0";
    }
    // clang-format on
    void closing() {
        QFETCH(bool, minimised);
        QFETCH(QPoint, place);
        QFETCH(QString, stored);
        ProgramRig rig;
        rig.start({" |12/06/26|0930|a"});
        if (stored.endsWith(u'1'))
            rig.open();
        rig.form().move(place);
        if (minimised)
            rig.form().showMinimized();
        QTimer::singleShot(0, &rig.form(), &QWidget::close);
        QTimer giveUp;
        giveUp.callOnTimeout([] { QCoreApplication::exit(1); });
        giveUp.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0); // the program ended its event loop
        QVERIFY(rig.program.ended());
        QCOMPARE(rig.settings.option("PositionTop") + u' ' + rig.settings.option("PositionLeft") +
                     u' ' + QString::number(rig.settings.hasOption("Width", "frmSkeds")),
                 stored);
        QCOMPARE(rig.settings.option("Plannex file"), rig.path());
    }

    // Each switch stores its new state at once; two captions follow their switch, and the time
    // base renames the clock's and the table's labels.
    // clang-format off
    void switches_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("after");
        QTest::newRow("silent")     << "mnuSilent"     << "Silent=FALSE";
        QTest::newRow("minimize")   << "mnuMinimize"   << "Minimize=TRUE";
        QTest::newRow("popup")      << "mAlarmPopUp"   << "AlarmPopUp=FALSE No Alarm Msg PopUp";
        QTest::newRow("close")      << "mCloseButton"  << "AlarmCloseButton=FALSE No Alarm Close Button";
        QTest::newRow("continuous") << "mnuContinuous" << "Continuous=TRUE";
        QTest::newRow("utc")        << "mUTCtime"      << "Use UTC=FALSE Local Time Local Date";
    }
    // clang-format on
    void switches() {
        QFETCH(QString, name);
        QFETCH(QString, after);
        ProgramRig rig;
        rig.skeds().ensureControls();
        auto* action = rig.form().findChild<QAction*>(name);
        action->trigger();
        QString seen = rig.settings.stored().join(u' ');
        if (name.startsWith(u"mAlarm") || name.startsWith(u"mClose"))
            seen += u' ' + action->text();
        if (name == u"mUTCtime")
            seen += u' ' + rig.form().lblWhatTime->text() + u' ' + rig.skeds().Label1->text();
        QCOMPARE(seen, after);
        action->trigger();
        QVERIFY(!rig.settings.stored().contains(after.section(u' ', 0, 0)));
    }

    // The offset and label prompts: what is stored and shown after an answer.
    // clang-format off
    void prompts_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("after"); // stored settings | UtcOffset | time-base label
        QTest::newRow("half to even up")   << "moffset"      << "5.5" << "UTC offset=6|6|UTC Time";
        QTest::newRow("half to even down") << "moffset"      << "4.5" << "UTC offset=4|4|UTC Time";
        QTest::newRow("a day back")        << "moffset"      << "-24" << "UTC offset=-24|-24|UTC Time";
        QTest::newRow("beyond a day")      << "moffset"      << "25"  << "|3|UTC Time";
        QTest::newRow("cancel")            << "moffset"      << ""    << "|3|UTC Time";
        QTest::newRow("no number")         << "moffset"      << "abc" << "UTC offset=0|0|UTC Time";
        QTest::newRow("label")             << "mChangeLabel" << "EST" << "UTC Label=EST|3|EST";
        QTest::newRow("label cancelled")   << "mChangeLabel" << ""    << "|3|UTC Time";
    }
    // clang-format on
    void prompts() {
        QFETCH(QString, entry);
        QFETCH(QString, answer);
        QFETCH(QString, after);
        ProgramRig rig;
        rig.basic().UtcOffset = 3;
        rig.dialogs.promptAnswers.enqueue(answer);
        rig.form().findChild<QAction*>(entry)->trigger();
        QCOMPARE(rig.dialogs.shown.last().defaultText, entry == u"moffset" ? "3" : "UTC Time");
        QCOMPARE(QStringLiteral("%1|%2|%3")
                     .arg(rig.settings.stored().join(u' '))
                     .arg(rig.basic().UtcOffset)
                     .arg(rig.form().lblWhatTime->text()),
                 after);
        rig.form().mUTCtime->setChecked(false);
        rig.form().mnuHelp->trigger();
        QCOMPARE(rig.dialogs.shown.last().text,
                 quickHelpText(rig.basic().UtcOffset, false).c_str());
    }

    // Settings that cannot be stored are told once, naming the file; not while ending on a
    // signal, when nobody is there to answer.
    void settingsThatCannotBeStored() {
        ProgramRig rig;
        rig.settings.failSaves = true;
        rig.form().mnuSilent->trigger();
        rig.form().mnuMinimize->trigger();
        QCOMPARE(rig.shownTitles(), QStringList{" Settings not saved"});
        ProgramRig quiet;
        quiet.settings.failSaves = true;
        quiet.program.endOnSignal();
        QVERIFY(quiet.program.ended() && quiet.dialogs.shown.isEmpty());
    }

    // The clock's tooltip and description say what the kernel knows of the system clock, read
    // at start and then once a minute; the message's whole text is the message's tooltip.
    void clockHealth() {
        ProgramRig rig;
        rig.start({" |12/06/26|0930|a message longer than the thirty characters shown"});
        QCOMPARE(rig.form().lblNum->toolTip(), rig.table().row(0).message.c_str());
        rig.clockHealth.reading = {0, 0, 2'400'000, 3000};
        for (const char* tick : {"09:00:01", "09:00:59", "09:01:00", "09:01:30"})
            rig.tickAt(QString::fromLatin1(tick));
        QCOMPARE(rig.clockHealth.reads, 2); // at start and at 09:01
        const QString said = QStringLiteral("System clock may be off by up to 2.4 s");
        QCOMPARE(rig.form().lblTime->toolTip(), said);
        QCOMPARE(rig.form().lblTime->accessibleDescription(), said);
        // A count too long for the label shows itself whole while it runs.
        rig.dialogs.promptAnswers << QStringLiteral("99999999") << QStringLiteral("0");
        rig.form().mdownTimer->trigger();
        QCOMPARE(rig.form().lblTime->toolTip(), QStringLiteral("1666666:39"));
        rig.form().mdownTimer->trigger();
        QCOMPARE(rig.form().lblTime->toolTip(), said);
    }

    // The countdown holds the clock, shows the time left and ends with the alarm sound, or with
    // a message when silent; 0 clears it.
    // clang-format off
    void countdown_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("shown"); // lblTime after each tick, a second apart
        QTest::addColumn<QString>("end");       // what the end played or said
        QTest::newRow("sound once") << QStringList{"Silent=FALSE"} << QStringList{"3"} << QStringList{"00:03", "00:02", "00:01", "00:00", "00:03"} << "alarm.wav 0";
        QTest::newRow("looping")    << QStringList{"Silent=FALSE", "Continuous=TRUE"} << QStringList{"2"} << QStringList{"00:02", "00:01", "00:00", "00:02"} << "alarm.wav 1 Stop";
        QTest::newRow("silent")     << QStringList{} << QStringList{"1.5"} << QStringList{"00:02", "00:01", "00:00", "00:02"} << " Timer Done countdown...";
        QTest::newRow("cleared")    << QStringList{} << QStringList{"90", "0"} << QStringList{} << "";
    }
    // clang-format on
    void countdown() {
        QFETCH(QStringList, options);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, shown);
        QFETCH(QString, end);
        ProgramRig rig;
        rig.setOptions(options);
        rig.start({});
        SkedForm& form = rig.form();
        rig.dialogs.promptAnswers << answers;
        for (int i = 0; i < answers.size(); ++i)
            form.mdownTimer->trigger();
        rig.dialogs.shown.clear();
        QStringList seen;
        for (int second = 0; second < shown.size(); ++second) {
            QVERIFY(!form.Timer1->isActive() && form.Timer3->isActive());
            QCOMPARE(form.windowTitle(), QStringLiteral(" Count Down Timer"));
            form.Timer3_Timer();
            seen << form.lblTime->text();
            rig.clock.advanceSeconds(1);
        }
        QCOMPARE(seen, shown);
        QString ended;
        for (const FakeSound::Played& played : rig.sound.played)
            ended += QFileInfo(played.path).fileName() + u' ' + QString::number(int(played.mode));
        for (const FakeDialogs::Shown& box : rig.dialogs.shown)
            ended += box.title + u' ' + box.text;
        ended += form.Command3->isVisibleTo(&form) ? " Stop" : "";
        QCOMPARE(ended, end);
        QCOMPARE(form.windowTitle(), QString(SkedForm::kIdleCaption));
        QVERIFY(form.Timer1->isActive() && !form.Timer3->isActive());
    }

    void stopWatch() {
        ProgramRig rig;
        rig.form().mUpTimer->trigger();
        QPointer<frmStopWatch> watch = &rig.program.stopWatch();
        auto shown = [&watch] {
            return watch->Label1->text() + u':' + watch->Label2->text() + u':' +
                   watch->Label3->text() + u' ' + watch->btnStart->text();
        };
        QVERIFY(watch->isVisible());
        watch->btnStart->click();
        for (int i = 0; i < 61; ++i)
            watch->tmrTime_Timer();
        rig.form().mUpTimer->trigger(); // brought forward, still counting
        QCOMPARE(shown() + QString::number(watch->tmrTime->isActive()), "00:01:01 Stop1");
        watch->btnStart->click();
        QCOMPARE(shown(), "00:01:01 Start");
        watch->btnStart->click();
        QCOMPARE(shown(), "00:00:00 Stop");
        watch->btnExit->click();
        QTRY_VERIFY(watch.isNull());
        watch = &rig.program.stopWatch();
        QCOMPARE(shown(), "00:00:00 Start");
    }
};

QTEST_MAIN(TestSkedForm)
#include "tst_skedform.moc"
