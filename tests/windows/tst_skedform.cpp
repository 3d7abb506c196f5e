#include "ProgramRig.h"
#include "SkedForm.h"
#include "frmSkeds.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString kInitialUseText =
    QStringLiteral("Do right-mouse click on TOCKMERE to view options/HELP");

struct Rig : ProgramRig {
    SkedForm& form() { return program.main(); }
};

} // namespace

class TestSkedForm : public QObject {
    Q_OBJECT

private slots:
    void designedControls() {
        Rig rig;
        SkedForm& form = rig.form();
        QCOMPARE(form.windowTitle(), QStringLiteral(" Tockmere  by Ovix"));
        QCOMPARE(form.size(), QSize(314, 86));
        QCOMPARE(form.palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(form.Command1->text(), QStringLiteral("Set Alarm"));
        QCOMPARE(form.Command1->geometry(), QRect(15, 2, 86, 25));
        QCOMPARE(form.lblTime->geometry(), QRect(190, 24, 122, 25));
        QVERIFY(form.lblTime->font().bold());
        QCOMPARE(form.lblTime->font().pointSize(), 18);
        QVERIFY(form.Command3->isHidden());
        QCOMPARE(form.CMD2->y(), 86);
        QVERIFY(form.Timer1->isActive());
        QCOMPARE(form.Timer1->timerType(), Qt::PreciseTimer);
        QCOMPARE(form.Timer3->interval(), 1000);
        QVERIFY(!form.Timer3->isActive());
        QStringList captions;
        for (QAction* action : form.mnuPopUp->actions())
            captions << action->text();
        QCOMPARE(captions, (QStringList{"Help", "UTC time", "Set UTC offset", "Change Offset Label",
                                        "Silent Alarm", "Alarm Set Minimized", "Alarm Msg PopUp",
                                        "Alarm Close Button", "Test Alarm", "Count Down Timer",
                                        "Stop Watch Timer", "Continuous Alarm", "About"}));
    }

    void firstRunOnAnEmptyStore() {
        Rig rig;
        const QString oldCurrent = QDir::currentPath();
        QDir::setCurrent(rig.dir.path());
        rig.form().Form_Load();
        QDir::setCurrent(oldCurrent);

        SkedForm& form = rig.form();
        QVERIFY(form.mnuSilent->isChecked());
        QVERIFY(form.mAlarmPopUp->isChecked());
        QVERIFY(form.mCloseButton->isChecked());
        QVERIFY(form.mUTCtime->isChecked());
        QVERIFY(!form.mnuMinimize->isChecked());
        QVERIFY(!form.mnuContinuous->isChecked());
        QCOMPARE(form.lblWhatTime->text(), QStringLiteral("UTC Time"));
        QCOMPARE(rig.basic().UtcOffset, 0);
        QCOMPARE(rig.basic().SkedFile, QStringLiteral("skeds.dat"));
        QCOMPARE(rig.program.skeds().Label8->text(), QStringLiteral("skeds.dat"));

        QCOMPARE(rig.dialogs.shown.size(), 1);
        const FakeDialogs::Shown& box = rig.dialogs.shown.first();
        QCOMPARE(box.title, QStringLiteral(" Initial use"));
        QCOMPARE(box.text, kInitialUseText);
        QCOMPARE(box.buttons, Dialogs::Buttons::Ok);
        QVERIFY(box.exclamation);
        QCOMPARE(form.lblNum->text(), QStringLiteral("0"));
        QCOMPARE(form.Label1->text(), QString());
        QVERIFY(!rig.basic().SkedLoadedAtStart);
        QCOMPARE(rig.basic().AlarmIndex, 0);
        QCOMPARE(rig.settings.saves, 0);
    }

    void switchesReadOnlyExactTrue_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("on");
        QTest::newRow("TRUE") << "TRUE" << true;
        QTest::newRow("True") << "True" << false;
        QTest::newRow("true") << "true" << false;
        QTest::newRow("TRUE with a blank") << "TRUE " << false;
        QTest::newRow("1") << "1" << false;
        QTest::newRow("FALSE") << "FALSE" << false;
    }
    void switchesReadOnlyExactTrue() {
        QFETCH(QString, stored);
        QFETCH(bool, on);
        Rig rig;
        for (const char* key :
             {"Minimize", "Silent", "AlarmPopUp", "AlarmCloseButton", "Use UTC", "Continuous"})
            rig.settings.setOption(QLatin1String(key), stored);
        rig.form().Form_Load();
        SkedForm& form = rig.form();
        for (QAction* action : {form.mnuMinimize, form.mnuSilent, form.mAlarmPopUp,
                                form.mCloseButton, form.mUTCtime, form.mnuContinuous})
            QCOMPARE(action->isChecked(), on);
        QCOMPARE(form.mAlarmPopUp->text(),
                 on ? QStringLiteral("Alarm Msg PopUp") : QStringLiteral("No Alarm Msg PopUp"));
        QCOMPARE(form.mCloseButton->text(), on ? QStringLiteral("Alarm Close Button")
                                               : QStringLiteral("No Alarm Close Button"));
    }

    void restoredPosition_data() {
        QTest::addColumn<QString>("top");  // empty: absent
        QTest::addColumn<QString>("left"); // empty: absent
        QTest::addColumn<QPoint>("pixels");
        QTest::newRow("absent keeps the designed place") << ""
                                                         << "" << QPoint(80, 20);
        QTest::newRow("13000 is used") << "13000"
                                       << "13000" << QPoint(867, 867);
        QTest::newRow("13001 falls back") << "13001"
                                          << "13001" << QPoint(80, 20);
        QTest::newRow("negative falls back") << "-1"
                                             << "-1" << QPoint(80, 20);
        QTest::newRow("zero is used") << "0"
                                      << "0" << QPoint(0, 0);
        QTest::newRow("text reads as 0") << "abc"
                                         << "top" << QPoint(0, 0);
        QTest::newRow("leading number, half to even") << "1502.5px"
                                                      << "3000.5" << QPoint(200, 100);
        QTest::newRow("beyond 32 bits falls back") << "99999999999"
                                                   << "-99999999999" << QPoint(80, 20);
    }
    void restoredPosition() {
        QFETCH(QString, top);
        QFETCH(QString, left);
        QFETCH(QPoint, pixels);
        Rig rig;
        if (!top.isEmpty())
            rig.settings.setOption(QStringLiteral("PositionTop"), top);
        if (!left.isEmpty())
            rig.settings.setOption(QStringLiteral("PositionLeft"), left);
        rig.form().Form_Load();
        QCOMPARE(rig.form().pos(), pixels);
    }

    void offsetCheck_data() {
        QTest::addColumn<QTime>("utc");
        QTest::addColumn<int>("localOffsetHours");
        QTest::addColumn<QString>("stored"); // "UTC offset"; empty: absent
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("diff");      // 99: no message
        QTest::addColumn<int>("offset");    // UtcOffset after start-up
        QTest::addColumn<QString>("saved"); // empty: nothing stored

        QTest::newRow("zone agrees: no message") << QTime(14, 30) << -5 << "5"
                                                 << "" << 99 << 5 << "";
        QTest::newRow("UTC machine, offset 0") << QTime(14, 30) << 0 << ""
                                               << "" << 99 << 0 << "";
        QTest::newRow("OK takes the system value") << QTime(14, 30) << -5 << "0"
                                                   << "5" << 5 << 5 << "5";
        QTest::newRow("Cancel keeps the old") << QTime(14, 30) << -5 << "0"
                                              << "" << 5 << 0 << "";
        QTest::newRow("typed half rounds to even") << QTime(14, 30) << -5 << "0"
                                                   << "5.5" << 5 << 6 << "6";
        QTest::newRow("typed text reads 0") << QTime(14, 30) << -5 << "3"
                                            << "abc" << 5 << 0 << "0";
        QTest::newRow("beyond a day refused") << QTime(14, 30) << -5 << "0"
                                              << "30" << 5 << 0 << "";
        QTest::newRow("east of Greenwich") << QTime(14, 30) << 1 << "0"
                                           << "-1" << -1 << -1 << "-1";
        QTest::newRow("wraps below -12") << QTime(2, 0) << -5 << "0"
                                         << "" << 5 << 0 << "";
        QTest::newRow("wraps above 12") << QTime(20, 0) << 10 << "0"
                                        << "" << -10 << 0 << "";
        QTest::newRow("12 stays 12") << QTime(12, 0) << -12 << "0"
                                     << "" << 12 << 0 << "";
        QTest::newRow("stored offset beyond a day reads 0") << QTime(14, 30) << 0 << "99"
                                                            << "" << 99 << 0 << "";
    }
    void offsetCheck() {
        QFETCH(QTime, utc);
        QFETCH(int, localOffsetHours);
        QFETCH(QString, stored);
        QFETCH(QString, answer);
        QFETCH(int, diff);
        QFETCH(int, offset);
        QFETCH(QString, saved);
        Rig rig;
        rig.clock.setUtc(QDateTime(QDate(2026, 12, 5), utc, Qt::UTC));
        rig.clock.setLocalOffsetHours(localOffsetHours);
        if (!stored.isEmpty())
            rig.settings.setOption(QStringLiteral("UTC offset"), stored);
        rig.dialogs.promptAnswers.enqueue(answer);
        rig.form().Form_Load();

        const QList<FakeDialogs::Shown>& shown = rig.dialogs.shown;
        // The rows that show the message store a plain whole number.
        const int storedOffset = stored.toInt();
        if (diff == 99) {
            QCOMPARE(shown.size(), 1); // only the initial-use message
        } else {
            QCOMPARE(shown.size(), 3);
            QCOMPARE(shown[0].title, QStringLiteral(" Check UTC offset"));
            QCOMPARE(shown[0].text, QStringLiteral("System UTC offset %1 hours does not \r\n"
                                                   "match the setting in Tockmere %2 hours.")
                                        .arg(diff)
                                        .arg(storedOffset));
            QCOMPARE(shown[0].buttons, Dialogs::Buttons::Ok);
            QVERIFY(!shown[0].exclamation);
            QVERIFY(shown[1].isPrompt);
            QCOMPARE(shown[1].text, QStringLiteral("<Enter> or <OK> selects the %1 hr. system UTC "
                                                   "offset.\r\n\r\nOr enter a new UTC hour offset.")
                                        .arg(diff));
            QCOMPARE(shown[1].title, QString());
            QCOMPARE(shown[1].defaultText, QString::number(diff));
            QCOMPARE(rig.basic().SysUtcOffset, diff);
        }
        QCOMPARE(shown.last().title, QStringLiteral(" Initial use"));
        QCOMPARE(int(rig.basic().UtcOffset), offset);
        if (saved.isEmpty())
            QCOMPARE(rig.settings.option(QStringLiteral("UTC offset")), stored);
        else
            QCOMPARE(rig.settings.option(QStringLiteral("UTC offset")), saved);
    }

    void loadArmsTheFirstActiveRow() {
        Rig rig;
        rig.clock.setUtc(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7), Qt::UTC));
        rig.writeSchedule("S 12/05/26    0800  done already\r\n"
                          "  12/05/26    930   " +
                          QByteArray(45, 'M') +
                          "\r\n"
                          "  12/06/26    1430  later\r\n"
                          "WeeklyIncr: 1\r\nend\r\n");
        rig.form().Form_Load();
        SkedForm& form = rig.form();
        QVERIFY(rig.dialogs.shown.isEmpty());
        QVERIFY(rig.basic().SkedLoadedAtStart);
        QCOMPARE(rig.basic().AlarmIndex, 1);
        QCOMPARE(form.Label1->text(), QStringLiteral("09:30"));
        QCOMPARE(form.lblAlarmDate->text(), QStringLiteral("12/05/26"));
        QCOMPARE(form.lblNum->text(), QString(30, u'M'));
        QCOMPARE(form.lblTime->text(), QStringLiteral("09:05:07"));
        QVERIFY(form.Timer1->isActive());
        QCOMPARE(rig.program.skeds().table().weekly(), 1);
        QCOMPARE(rig.program.skeds().table().row(2).message, std::string("later"));
    }

    void everyRowSkippedArmsDone() {
        Rig rig;
        QByteArray file;
        for (int i = 0; i < 40; ++i)
            file += "S 12/01/26    0800  old\r\n";
        rig.writeSchedule(file);
        rig.form().Form_Load();
        QCOMPARE(rig.basic().AlarmIndex, 40);
        QCOMPARE(rig.form().lblNum->text(), QString());
        QCOMPARE(rig.form().lblAlarmDate->text(), QString());
    }

    void failedReadKeepsRowsAndEndsInInitialUse_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("rowsKept");
        QTest::newRow("no end line")
            << QByteArray("  12/05/26    1430  A\r\n  12/06/26    1430  B\r\n") << 2;
        QTest::newRow("weekly digit 5")
            << QByteArray("  12/05/26    1430  A\r\nWeeklyIncr: 5\r\nend\r\n") << 1;
    }
    void failedReadKeepsRowsAndEndsInInitialUse() {
        QFETCH(QByteArray, file);
        QFETCH(int, rowsKept);
        Rig rig;
        rig.writeSchedule(file);
        rig.form().Form_Load();
        QCOMPARE(rig.dialogs.shown.size(), 1);
        QCOMPARE(rig.dialogs.shown.first().text, kInitialUseText);
        QVERIFY(!rig.basic().SkedLoadedAtStart);
        QCOMPARE(rig.basic().AlarmIndex, 0);
        const SkedTable& table = rig.program.skeds().table();
        for (int i = 0; i < rowsKept; ++i)
            QVERIFY(!table.isEmpty(i));
        QVERIFY(table.isEmpty(rowsKept));
    }

    void blankPathMeansTheProgramFolder() {
        Rig rig;
        rig.writeSchedule("  12/05/26    1430  A\r\nend\r\n");
        rig.settings.setOption(QStringLiteral("Plannex file"), QStringLiteral("   "));
        rig.form().Form_Load();
        QCOMPARE(rig.basic().SkedFile, rig.path(QStringLiteral("skeds.dat")));
        QVERIFY(rig.basic().SkedLoadedAtStart);
        QCOMPARE(rig.basic().SkedName, QStringLiteral("skeds.dat"));
    }

    void junkInEveryKey() {
        Rig rig;
        const QString junk = QString::fromUtf8("\x01junk ☃ ,;[]=\\");
        for (const char* key :
             {"PositionTop", "PositionLeft", "Minimize", "Silent", "AlarmPopUp", "AlarmCloseButton",
              "Continuous", "Use UTC", "UTC Label", "UTC offset", "Plannex file"})
            rig.settings.setOption(QLatin1String(key), junk);
        rig.form().Form_Load();
        QCOMPARE(rig.form().pos(), QPoint(0, 0));
        QVERIFY(!rig.form().mnuSilent->isChecked());
        QCOMPARE(rig.form().lblWhatTime->text(), junk);
        QCOMPARE(rig.basic().UtcOffset, 0);
        QCOMPARE(rig.basic().SkedFile, junk);
        QCOMPARE(rig.basic().SkedName, QString());
        QCOMPARE(rig.dialogs.shown.last().title, QStringLiteral(" Initial use"));
    }

    void captionAfterShowNamesTheFile() {
        Rig rig;
        rig.writeSchedule("  12/05/26    1430  A\r\nend\r\n", QStringLiteral("net.dat"));
        rig.program.start();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.form()));
        QCOMPARE(rig.form().windowTitle(), QStringLiteral("Alarm Set   net.dat"));
    }

    void minimisedCaption_data() {
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::newRow("four digits") << "1430" << 0 << "14:30";
        QTest::newRow("three digits") << "930" << 0 << "09:30";
        QTest::newRow("minutes keep two digits") << "0005" << 0 << "00:05";
        QTest::newRow("nothing pending") << "1430" << 40 << "done";
    }
    void minimisedCaption() {
        QFETCH(QString, time);
        QFETCH(int, index);
        QFETCH(QString, caption);
        Rig rig;
        rig.program.skeds().table().setTime(0, time.toStdString());
        rig.basic().AlarmIndex = static_cast<std::int16_t>(index);
        rig.form().showMinimized();
        QTRY_VERIFY(rig.form().isMinimized());
        QCOMPARE(rig.form().windowTitle(), caption);
    }

    void shutdownStoresPlaceAndPath_data() {
        QTest::addColumn<QPoint>("pixels");
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("left");
        QTest::newRow("normal place") << QPoint(100, 200) << false << "3000"
                                      << "1500";
        QTest::newRow("near the corner falls back") << QPoint(0, 0) << false << "300"
                                                    << "300";
        QTest::newRow("far away falls back") << QPoint(900, 900) << false << "300"
                                             << "300";
        QTest::newRow("minimised keeps its normal place") << QPoint(100, 200) << true << "3000"
                                                          << "1500";
    }
    void shutdownStoresPlaceAndPath() {
        QFETCH(QPoint, pixels);
        QFETCH(bool, minimised);
        QFETCH(QString, top);
        QFETCH(QString, left);
        Rig rig;
        rig.writeSchedule("  12/05/26    1430  A\r\nend\r\n");
        rig.program.start();
        rig.form().move(pixels);
        if (minimised) {
            rig.form().showMinimized();
            QTRY_VERIFY(rig.form().isMinimized());
        }
        rig.form().close();
        QVERIFY(rig.program.ended());
        QCOMPARE(rig.settings.option(QStringLiteral("PositionTop")), top);
        QCOMPARE(rig.settings.option(QStringLiteral("PositionLeft")), left);
        QCOMPARE(rig.settings.option(QStringLiteral("Plannex file")), rig.path("skeds.dat"));
        // Switches are stored when they change, so shutdown writes only these three options,
        // and the table window's layout.
        const QStringList keys = rig.settings.values.keys();
        QCOMPARE(keys.filter(QStringLiteral("Tockmere/Options/")).size(), 3);
        QCOMPARE(keys.filter(QStringLiteral("Tockmere/frmSkeds/")),
                 (QStringList{"Tockmere/frmSkeds/Height", "Tockmere/frmSkeds/Left",
                              "Tockmere/frmSkeds/Top", "Tockmere/frmSkeds/Width"}));
    }
};

QTEST_MAIN(TestSkedForm)
#include "tst_skedform.moc"
