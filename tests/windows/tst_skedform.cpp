#include "ProgramRig.h"
#include "QuickHelp.h"
#include "Twips.h"
#include "frmStopWatch.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

namespace {

QByteArray rowsThenLines(int rows, const QByteArray& after) {
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

QStringList stored(const FakeSettings& settings) {
    QStringList out;
    for (auto it = settings.values.cbegin(); it != settings.values.cend(); ++it)
        out << it.key().section(u'/', 2) + u'=' + it.value();
    return out;
}

} // namespace

class TestSkedForm : public QObject {
    Q_OBJECT

private slots:
    // Start-up from settings and a schedule file ("-": none, "/": a folder in its place): the
    // boxes shown, then AlarmIndex|lblNum|read at start|switches|time-base label|UtcOffset.
    // clang-format off
    void startUp_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("localHours");
        QTest::addColumn<QString>("utc");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("state");
        const QByteArray two = "S 12/01/26    0800  done\r\n  12/06/26    0930  DL1ABC\r\nWeeklyIncr: 0\r\nend\r\n";
        const QStringList none;
        QTest::newRow("first run")          << none << 0 << "09:00" << QByteArray("-") << QStringList{" Initial use"} << "0|0|0|S-PCU-|UTC Time|0";
        QTest::newRow("first pending armed") << none << 0 << "09:00" << two << QStringList{} << "1|DL1ABC|1|S-PCU-|UTC Time|0";
        QTest::newRow("stored switches")    << QStringList{"Silent=True", "Minimize=TRUE", "AlarmPopUp=FALSE", "AlarmCloseButton=FALSE", "Use UTC=FALSE", "Continuous=TRUE", "UTC Label=EST"} << 0 << "09:00" << two << QStringList{} << "1|DL1ABC|1|-M---L|EST|0";
        QTest::newRow("offset differs")     << QStringList{"UTC offset=-5"} << 0 << "09:00" << two << QStringList{" Check UTC offset", ""} << "1|DL1ABC|1|S-PCU-|UTC Time|-5";
        QTest::newRow("UTC-5 morning")      << QStringList{"UTC offset=5"} << -5 << "04:00" << two << QStringList{} << "1|DL1ABC|1|S-PCU-|UTC Time|5";
        QTest::newRow("UTC+11, a day ahead") << QStringList{"UTC offset=-11"} << 11 << "23:00" << two << QStringList{} << "1|DL1ABC|1|S-PCU-|UTC Time|-11";
        QTest::newRow("UTC-12 afternoon")   << QStringList{"UTC offset=12"} << -12 << "13:00" << two << QStringList{} << "1|DL1ABC|1|S-PCU-|UTC Time|12";
        QTest::newRow("junk offset reads 0") << QStringList{"UTC offset=99"} << 0 << "09:00" << two << QStringList{} << "1|DL1ABC|1|S-PCU-|UTC Time|0";
        QTest::newRow("ends without end")   << none << 0 << "09:00" << QByteArray("  12/06/26    0930  a\r\n") << QStringList{" Initial use"} << "0|0|0|S-PCU-|UTC Time|0";
        QTest::newRow("bad weekly line")    << none << 0 << "09:00" << rowsThenLines(3, "WeeklyIncr: 7\r\n  x\r\nend\r\n") << QStringList{" Schedule not read whole"} << "0|0|0|S-PCU-|UTC Time|0";
        QTest::newRow("41 skeds")           << none << 0 << "09:00" << rowsThenLines(41, "end\r\n") << QStringList{" Schedule not read whole"} << "0|row 1|1|S-PCU-|UTC Time|0";
        QTest::newRow("40 skeds and weekly") << none << 0 << "09:00" << rowsThenLines(40, "WeeklyIncr: 1\r\nend\r\n") << QStringList{} << "0|row 1|1|S-PCU-|UTC Time|0";
        QTest::newRow("a folder in its place") << none << 0 << "09:00" << QByteArray("/") << QStringList{" Schedule not read"} << "0|0|0|S-PCU-|UTC Time|0";
    }
    // clang-format on
    void startUp() {
        QFETCH(QStringList, options);
        QFETCH(int, localHours);
        QFETCH(QString, utc);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, boxes);
        QFETCH(QString, state);
        ProgramRig rig;
        for (const QString& option : options)
            rig.settings.setOption(option.section(u'=', 0, 0), option.section(u'=', 1));
        rig.settings.setOption(QStringLiteral("Plannex file"), rig.path());
        if (file == "/")
            QVERIFY(QDir(rig.dir.path()).mkdir(QStringLiteral("skeds.dat")));
        else if (file != "-")
            writeBytes(rig.path(), file);
        rig.clock.setLocalOffsetHours(localHours);
        rig.clock.setUtc(QDateTime(QDate(2026, 12, 5), QTime::fromString(utc), Qt::UTC));
        rig.program.start();
        QCOMPARE(rig.shownTitles(), boxes);
        SkedForm& form = rig.form();
        QCOMPARE(QStringLiteral("%1|%2|%3|%4|%5|%6")
                     .arg(rig.basic().AlarmIndex)
                     .arg(form.lblNum->text())
                     .arg(int(rig.basic().SkedLoadedAtStart))
                     .arg(switchesOn(form), form.lblWhatTime->text())
                     .arg(rig.basic().UtcOffset),
                 state);
        QVERIFY(form.isVisible());
        QCOMPARE(form.Timer1->isActive(), true);
    }

    void offsetCheckTexts() {
        ProgramRig rig;
        rig.clock.setLocalOffsetHours(-4);
        rig.dialogs.promptAnswers.enqueue(QStringLiteral("3.5"));
        rig.program.start();
        QCOMPARE(rig.dialogs.shown[0].text, QStringLiteral("System UTC offset 4 hours does not "
                                                           "\r\nmatch the setting in Tockmere 0 "
                                                           "hours."));
        QCOMPARE(rig.dialogs.shown[1].text,
                 QStringLiteral("<Enter> or <OK> selects the 4 hr. system UTC offset.\r\n\r\n"
                                "Or enter a new UTC hour offset."));
        QCOMPARE(rig.dialogs.shown[1].defaultText, QStringLiteral("4"));
        QCOMPARE(rig.settings.option(QStringLiteral("UTC offset")), QStringLiteral("4"));
    }

    // clang-format off
    void restoredPosition_data() {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QPoint>("twips");
        QTest::newRow("kept")          << "13000" << "0"     << QPoint(0, 13000);
        QTest::newRow("out of range")  << "13001" << "-1"    << QPoint(1200, 300);
        QTest::newRow("junk reads 0")  << "abc"   << "3e3"   << QPoint(3, 0);
    }
    // clang-format on
    void restoredPosition() {
        QFETCH(QString, top);
        QFETCH(QString, left);
        QFETCH(QPoint, twips);
        ProgramRig rig;
        rig.settings.setOption(QStringLiteral("PositionTop"), top);
        rig.settings.setOption(QStringLiteral("PositionLeft"), left);
        rig.form().Form_Load();
        QCOMPARE(rig.form().pos(), QPoint(twipsToPixels(twips.x()), twipsToPixels(twips.y())));
    }

    // Closing stores the place (300 for a minimised window or one off the screen), the schedule
    // path and, once it has been shown, the table window's layout, and ends the program.
    void closing_data() {
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("left");
        QTest::newRow("normal, table shown") << false << QPoint(100, 40) << "600"
                                             << "1500";
        QTest::newRow("at the edge") << false << QPoint(0, 867) << "300"
                                     << "300";
        QTest::newRow("minimised") << true << QPoint(100, 40) << "600"
                                   << "1500";
    }
    void closing() {
        QFETCH(bool, minimised);
        QFETCH(QPoint, place);
        QFETCH(QString, top);
        QFETCH(QString, left);
        ProgramRig rig;
        rig.start({" |12/06/26|0930|a"});
        const bool tableShown = QByteArray(QTest::currentDataTag()).contains("table");
        if (tableShown)
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
        QCOMPARE(rig.settings.option(QStringLiteral("PositionTop")), top);
        QCOMPARE(rig.settings.option(QStringLiteral("PositionLeft")), left);
        QCOMPARE(rig.settings.option(QStringLiteral("Plannex file")), rig.path());
        QCOMPARE(rig.settings.values.contains(QStringLiteral("Tockmere/frmSkeds/Width")),
                 tableShown);
    }

    // Each switch stores its new state at once; two captions follow their switch.
    // clang-format off
    void switches_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("silent")     << "mnuSilent"     << QStringList{"Silent=FALSE"};
        QTest::newRow("minimize")   << "mnuMinimize"   << QStringList{"Minimize=TRUE"};
        QTest::newRow("popup")      << "mAlarmPopUp"   << QStringList{"AlarmPopUp=FALSE", "No Alarm Msg PopUp"};
        QTest::newRow("close")      << "mCloseButton"  << QStringList{"AlarmCloseButton=FALSE", "No Alarm Close Button"};
        QTest::newRow("continuous") << "mnuContinuous" << QStringList{"Continuous=TRUE"};
        QTest::newRow("utc")        << "mUTCtime"      << QStringList{"Use UTC=FALSE", "Local Time", "Local Date"};
    }
    // clang-format on
    void switches() {
        QFETCH(QString, name);
        QFETCH(QStringList, after);
        ProgramRig rig;
        rig.start({});
        rig.shownTitles();
        auto* action = rig.form().findChild<QAction*>(name);
        action->trigger();
        QStringList seen =
            stored(rig.settings)
                .filter(QRegularExpression(QStringLiteral(
                    "^(Silent|Minimize|AlarmPopUp|AlarmCloseButton|Continuous|Use UTC)=")));
        if (name.startsWith(u"mAlarm") || name.startsWith(u"mClose"))
            seen << action->text();
        if (name == u"mUTCtime") {
            rig.skeds().ensureControls();
            seen << rig.form().lblWhatTime->text() << rig.skeds().Label1->text();
        }
        QCOMPARE(seen, after);
        action->trigger();
        QVERIFY(rig.settings.option(after[0].section(u'=', 0, 0)) != after[0].section(u'=', 1));
    }

    // clang-format off
    void offsetPrompt_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("offset");
        QTest::newRow("half to even up") << "5.5" << 6;
        QTest::newRow("half to even down") << "4.5" << 4;
        QTest::newRow("a day back")     << "-24"  << -24;
        QTest::newRow("beyond a day")   << "25"   << 3;
        QTest::newRow("cancel")         << ""     << 3;
        QTest::newRow("no number")      << "abc"  << 0;
    }
    // clang-format on
    void offsetPrompt() {
        QFETCH(QString, answer);
        QFETCH(int, offset);
        ProgramRig rig;
        rig.basic().UtcOffset = 3;
        rig.dialogs.promptAnswers.enqueue(answer);
        rig.form().moffset->trigger();
        QCOMPARE(rig.dialogs.shown.last().defaultText, QStringLiteral("3"));
        QCOMPARE(int(rig.basic().UtcOffset), offset);
        QCOMPARE(rig.settings.hasOption(QStringLiteral("UTC offset")), offset != 3);
    }

    void labelPromptAndHelp() {
        ProgramRig rig;
        rig.dialogs.promptAnswers << QStringLiteral("EST") << QString();
        rig.form().mChangeLabel->trigger();
        rig.form().mChangeLabel->trigger();
        QCOMPARE(rig.form().lblWhatTime->text(), QStringLiteral("EST"));
        QCOMPARE(stored(rig.settings), QStringList{QStringLiteral("UTC Label=EST")});
        rig.basic().UtcOffset = -3;
        rig.form().mUTCtime->setChecked(false);
        rig.form().mnuHelp->trigger();
        QCOMPARE(rig.dialogs.shown.last().text, QString::fromStdString(quickHelpText(-3, false)));
        QCOMPARE(rig.dialogs.shown.last().title, QStringLiteral(" Tockmere Quick Help"));
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
        QVERIFY(quiet.program.ended());
        QCOMPARE(quiet.shownTitles(), QStringList{});
    }

    // The clock's tooltip and description say what the kernel knows of the system clock, read
    // at start and then once a minute; the message's whole text is the message's tooltip.
    // clang-format off
    void clockHealth_data() {
        QTest::addColumn<bool>("answered");
        QTest::addColumn<bool>("synchronised");
        QTest::addColumn<int>("maxErrorUs");
        QTest::addColumn<QString>("said");
        QTest::newRow("synchronised")  << true  << true  << 1000000 << "System clock synchronised, estimated error \u00B13 ms";
        QTest::newRow("may be off")    << true  << true  << 1000001 << "System clock may be off by up to 1 s";
        QTest::newRow("unsynchronised") << true << false << 0       << "System clock is not synchronised";
        QTest::newRow("kernel refused") << false << true << 0       << "System clock is not synchronised";
    }
    // clang-format on
    void clockHealth() {
        QFETCH(bool, answered);
        QFETCH(bool, synchronised);
        QFETCH(int, maxErrorUs);
        QFETCH(QString, said);
        ProgramRig rig;
        rig.start({" |12/06/26|0930|a message longer than the thirty characters shown"});
        QCOMPARE(rig.form().lblNum->toolTip(), rig.table().row(0).message.c_str());
        rig.clockHealth.reading = {answered, synchronised, maxErrorUs, 3000};
        for (const char* tick : {"09:00:01", "09:00:59", "09:01:00", "09:01:30"})
            rig.tickAt(QString::fromLatin1(tick));
        QCOMPARE(rig.clockHealth.reads, 2); // at start and at 09:01
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
        for (const QString& option : options)
            rig.settings.setOption(option.section(u'=', 0, 0), option.section(u'=', 1));
        rig.start({});
        rig.shownTitles();
        SkedForm& form = rig.form();
        for (const QString& answer : answers) {
            rig.dialogs.promptAnswers.enqueue(answer);
            form.mdownTimer->trigger();
        }
        rig.shownTitles();
        QStringList seen;
        for (int second = 0; second < shown.size(); ++second) {
            QCOMPARE(form.windowTitle(), QStringLiteral(" Count Down Timer"));
            QVERIFY(!form.Timer1->isActive() && form.Timer3->isActive());
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
        if (form.Command3->isVisibleTo(&form))
            ended += QStringLiteral(" Stop");
        QCOMPARE(ended, end);
        QCOMPARE(form.windowTitle(), QString(SkedForm::kIdleCaption));
        QVERIFY(form.Timer1->isActive() && !form.Timer3->isActive());
    }

    void stopWatch() {
        ProgramRig rig;
        rig.form().mUpTimer->trigger();
        QPointer<frmStopWatch> watch = &rig.program.stopWatch();
        QVERIFY(watch->isVisible());
        auto shown = [watch] {
            return watch->Label1->text() + u':' + watch->Label2->text() + u':' +
                   watch->Label3->text() + u' ' + watch->btnStart->text();
        };
        watch->btnStart->click();
        for (int i = 0; i < 61; ++i)
            watch->tmrTime_Timer();
        QCOMPARE(shown(), QStringLiteral("00:01:01 Stop"));
        rig.form().mUpTimer->trigger(); // brought forward, still counting
        QVERIFY(watch->tmrTime->isActive());
        watch->btnStart->click();
        QCOMPARE(shown(), QStringLiteral("00:01:01 Start"));
        watch->btnStart->click();
        QCOMPARE(shown(), QStringLiteral("00:00:00 Stop"));
        watch->btnExit->click();
        QTRY_VERIFY(watch.isNull());
        QCOMPARE(rig.program.stopWatch().Label3->text() + rig.program.stopWatch().btnStart->text(),
                 QStringLiteral("00Start"));
    }
};

QTEST_MAIN(TestSkedForm)
#include "tst_skedform.moc"
