#include "ProgramRig.h"
#include "SkedForm.h"
#include "frmAlarm.h"
#include "frmSkeds.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

struct Rig : ProgramRig {
    SkedForm& form() { return program.main(); }
    SkedTable& table() { return program.skeds().table(); }

    Rig() { clock.setUtc(QDateTime(QDate(2026, 12, 5), QTime(13, 59, 0), Qt::UTC)); }

    // Fills slots 0.. with "date time message" texts and arms the first active row.
    void skeds(const QStringList& rows) {
        for (int i = 0; i < rows.size(); ++i) {
            const QStringList parts = rows[i].split(u' ');
            table().setDate(i, parts[0].toStdString());
            table().setTime(i, parts[1].toStdString());
            table().setMessage(i, parts[2].toStdString());
        }
        form().ArmFromTable();
    }
    void at(QTime time) {
        clock.setUtc(QDateTime(QDate(2026, 12, 5), time, Qt::UTC));
        form().Timer1_Timer();
    }
    void switches(bool silent, bool popUp, bool continuous) {
        form().mnuSilent->setChecked(silent);
        form().mAlarmPopUp->setChecked(popUp);
        form().mnuContinuous->setChecked(continuous);
    }
    bool alarmShown() { return alarmWindow() && alarmWindow()->isVisible(); }
    frmAlarm* alarmWindow() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<frmAlarm*>(widget))
                return window;
        }
        return nullptr;
    }
    QString wave(const char* name) const { return dir.path() + u'/' + QLatin1String(name); }
};

} // namespace

class TestAlarmEngine : public QObject {
    Q_OBJECT

private slots:
    void tickShowsEachSecondOnce() {
        Rig rig;
        rig.skeds({"12/05/26 1430 W1AW"});
        rig.at(QTime(14, 29, 58));
        QCOMPARE(rig.form().lblTime->text(), QStringLiteral("14:29:58"));
        QCOMPARE(rig.program.skeds().Label9->text(), QStringLiteral("14:29:58"));
        // A second tick within the same second finds the clock shown and does no alarm work,
        // even when the row has become due meanwhile.
        rig.table().setTime(0, "1400");
        rig.form().Timer1_Timer();
        QVERIFY(!rig.table().row(0).skip);
        rig.at(QTime(14, 29, 59));
        QVERIFY(rig.table().row(0).skip);
    }

    void utcModeShiftsTheClock_data() {
        QTest::addColumn<bool>("utc");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("shown");
        QTest::newRow("UTC mode, west of UTC") << true << 5 << "03:15:00";
        QTest::newRow("UTC mode, east of UTC") << true << -5 << "17:15:00";
        QTest::newRow("local mode ignores the offset") << false << 5 << "22:15:00";
    }
    void utcModeShiftsTheClock() {
        QFETCH(bool, utc);
        QFETCH(int, offset);
        QFETCH(QString, shown);
        Rig rig;
        rig.form().mUTCtime->setChecked(utc);
        rig.basic().UtcOffset = static_cast<std::int16_t>(offset);
        rig.skeds({"12/06/26 0315 tomorrow"});
        rig.at(QTime(22, 15, 0));
        QCOMPARE(rig.form().lblTime->text(), shown);
        // The shown date moved to 6 December with the hour, so the sked fires there only.
        QCOMPARE(rig.table().row(0).skip, utc && offset == 5);
    }

    void firstTickSetsTheTimeBaseLabels_data() {
        QTest::addColumn<bool>("utc");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("dateHeading");
        QTest::newRow("UTC keeps the restored label") << true << "PST"
                                                      << "UTC Date";
        QTest::newRow("local") << false << "Local Time"
                               << "Local Date";
    }
    void firstTickSetsTheTimeBaseLabels() {
        QFETCH(bool, utc);
        QFETCH(QString, label);
        QFETCH(QString, dateHeading);
        Rig rig;
        rig.settings.setOption(QStringLiteral("UTC Label"), QStringLiteral("PST"));
        rig.settings.setOption(QStringLiteral("Use UTC"),
                               utc ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
        rig.form().Form_Load();
        QCOMPARE(rig.form().lblWhatTime->text(), QStringLiteral("PST"));
        rig.at(QTime(10, 0, 0));
        QCOMPARE(rig.form().lblWhatTime->text(), label);
        QCOMPARE(rig.program.skeds().Label1->text(), dateHeading);
        QVERIFY(rig.basic().TimeLabelsDone);
        // Once the labels were redone (as after a toggle), UTC mode writes its fixed name.
        rig.basic().TimeLabelsDone = false;
        rig.at(QTime(10, 0, 1));
        QCOMPARE(rig.form().lblWhatTime->text(), utc ? QStringLiteral("UTC Time") : label);
    }

    void rowsFireInTableOrderNotTimeOrder() {
        Rig rig;
        rig.skeds({"12/05/26 1500 first", "12/05/26 1400 second"});
        rig.at(QTime(14, 0, 0));
        QCOMPARE(int(rig.basic().AlarmIndex), 0);
        rig.at(QTime(14, 59, 59));
        QVERIFY(!rig.table().row(0).skip);
        rig.at(QTime(15, 0, 0));
        QVERIFY(rig.table().row(0).skip);
        QCOMPARE(int(rig.basic().AlarmIndex), 1);
        QCOMPARE(rig.form().lblNum->text(), QStringLiteral("second"));
        rig.at(QTime(15, 0, 1));
        QVERIFY(rig.table().row(1).skip);
        QCOMPARE(rig.alarmWindow()->windowTitle(), QStringLiteral(" Alarm at 15:00:01"));
    }

    void sameMinuteFiresOneSecondApart() {
        Rig rig;
        rig.skeds({"12/05/26 1430 one", "12/05/26 1430 two", "12/06/26 0800 later"});
        rig.at(QTime(14, 30, 0));
        QCOMPARE(rig.alarmWindow()->windowTitle(), QStringLiteral(" Alarm at 14:30:00"));
        QCOMPARE(rig.alarmWindow()->lblAlarm->text(), QStringLiteral("\none"));
        rig.at(QTime(14, 30, 1));
        QCOMPARE(rig.alarmWindow()->windowTitle(), QStringLiteral(" Alarm at 14:30:01"));
        QCOMPARE(rig.alarmWindow()->lblAlarm->text(), QStringLiteral("\ntwo"));
        QCOMPARE(int(rig.basic().AlarmIndex), 2);
        QCOMPARE(rig.form().Label1->text(), QStringLiteral("08:00"));
        QCOMPARE(rig.form().lblAlarmDate->text(), QStringLiteral("12/06/26"));
        QCOMPARE(rig.form().windowTitle(), QStringLiteral("Alarm Set   "));
    }

    void lastRowArmsTheSpareThenDone_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("armed");
        QTest::newRow("an empty row below") << 1 << 1;
        QTest::newRow("a full table arms the spare row") << 40 << 40;
    }
    void lastRowArmsTheSpareThenDone() {
        QFETCH(int, rows);
        QFETCH(int, armed);
        Rig rig;
        rig.basic().SkedName = QStringLiteral("net.dat");
        QStringList table(rows, QStringLiteral("12/01/26 0800 old"));
        table.last() = QStringLiteral("12/05/26 1430 last");
        rig.skeds(table);
        for (int i = 0; i + 1 < rows; ++i)
            rig.table().setSkip(i, true);
        rig.form().ArmFromTable();
        QCOMPARE(int(rig.basic().AlarmIndex), rows - 1);
        rig.at(QTime(14, 30, 0));
        QCOMPARE(int(rig.basic().AlarmIndex), armed);
        QCOMPARE(rig.form().lblNum->text(), QString());
        QCOMPARE(rig.form().windowTitle(), QStringLiteral("Alarm Set   net.dat"));
        rig.at(QTime(14, 30, 1));
        QCOMPARE(rig.form().windowTitle(), QStringLiteral(" Tockmere  by Ovix"));
        QCOMPARE(rig.form().lblNum->text(), QStringLiteral("Done"));
        QCOMPARE(rig.form().lblAlarmDate->text(), QString());
        QCOMPARE(rig.form().Label1->text(), QString()); // the empty row armed last
        rig.at(QTime(14, 30, 2));
        QCOMPARE(rig.sound.played.size(), 0); // silent by default, and nothing fires again
        QCOMPARE(rig.alarmWindow()->windowTitle(), QStringLiteral(" Alarm at 14:30:00"));
    }

    void skedsMissedWhileOffFireOnePerSecond() {
        Rig rig;
        rig.form().mnuSilent->setChecked(false);
        rig.skeds({"12/01/26 0800 a", "12/04/26 2359 b", "12/05/26 1200 c", "12/05/26 1500 d"});
        rig.at(QTime(14, 0, 0));
        QVERIFY(rig.table().row(0).skip && !rig.table().row(1).skip);
        rig.at(QTime(14, 0, 1));
        rig.at(QTime(14, 0, 2));
        QVERIFY(rig.table().row(1).skip && rig.table().row(2).skip);
        rig.at(QTime(14, 0, 3));
        QVERIFY(!rig.table().row(3).skip);
        QCOMPARE(rig.sound.played.size(), 3);
        QCOMPARE(rig.alarmWindow()->lblAlarm->text(), QStringLiteral("\nc"));
    }

    void shortTimeFiresAtItsShownTime() {
        Rig rig;
        rig.skeds({"12/05/26 930 early"});
        QCOMPARE(rig.form().Label1->text(), QStringLiteral("09:30"));
        rig.at(QTime(9, 29, 59));
        QVERIFY(!rig.table().row(0).skip);
        rig.at(QTime(9, 30, 0));
        QVERIFY(rig.table().row(0).skip);
    }

    void emptyArmedRowTurnsToDone() {
        Rig rig;
        rig.skeds({"12/05/26 1430 x"});
        rig.table().setTime(0, "");
        rig.at(QTime(10, 0, 0));
        QCOMPARE(int(rig.basic().AlarmIndex), 40);
        QCOMPARE(rig.form().lblNum->text(), QStringLiteral("Done"));
        QVERIFY(!rig.table().row(0).skip);
    }

    void switchMatrix_data() {
        QTest::addColumn<bool>("silent");
        QTest::addColumn<bool>("popUp");
        QTest::addColumn<bool>("continuous");
        QTest::addColumn<int>("sound"); // -1 none, 0 once, 1 looping
        for (int bits = 0; bits < 8; ++bits) {
            const bool silent = bits & 1, popUp = bits & 2, continuous = bits & 4;
            QTest::addRow("silent %d, pop-up %d, continuous %d", silent, popUp, continuous)
                << silent << popUp << continuous
                << (silent       ? -1
                    : continuous ? 1
                                 : 0);
        }
    }
    void switchMatrix() {
        QFETCH(bool, silent);
        QFETCH(bool, popUp);
        QFETCH(bool, continuous);
        QFETCH(int, sound);
        Rig rig;
        rig.switches(silent, popUp, continuous);
        rig.skeds({"12/05/26 1430 net", "12/06/26 1430 next"});
        rig.at(QTime(14, 30, 0));
        QVERIFY(rig.table().row(0).skip);
        QCOMPARE(int(rig.basic().AlarmIndex), 1);
        if (sound < 0) {
            QVERIFY(rig.sound.played.isEmpty());
        } else {
            const FakeSound::Played expected{rig.wave("alarm.wav"),
                                             sound == 1 ? Sound::Mode::Loop : Sound::Mode::Once};
            QCOMPARE(rig.sound.played, QList<FakeSound::Played>{expected});
        }
        QCOMPARE(!rig.form().Command3->isHidden(), sound == 1);
        QCOMPARE(rig.alarmShown(), popUp);
    }

    void stopEndsTheLoop() {
        Rig rig;
        rig.switches(false, false, true);
        rig.skeds({"12/05/26 1430 a", "12/05/26 1430 b"});
        rig.at(QTime(14, 30, 0));
        rig.at(QTime(14, 30, 1)); // a second looping alarm restarts the loop
        QVERIFY(!rig.form().Command3->isHidden());
        rig.form().show();
        QTest::mouseClick(rig.form().Command3, Qt::LeftButton);
        QVERIFY(rig.form().Command3->isHidden());
        QCOMPARE(rig.sound.played.size(), 3);
        QCOMPARE(rig.sound.played.last(),
                 (FakeSound::Played{rig.wave("stop.wav"), Sound::Mode::Once}));
    }

    void minimisedCaptionFollowsEveryTick() {
        Rig rig;
        rig.skeds({"12/05/26 0005 x"});
        rig.form().showMinimized();
        QTRY_VERIFY(rig.form().isMinimized());
        rig.at(QTime(0, 1, 0));
        QCOMPARE(rig.form().windowTitle(), QStringLiteral("00:05"));
        rig.form().Timer1_Timer(); // minimised, every tick does its work
        QCOMPARE(rig.form().lblTime->text(), QStringLiteral("00:00:00"));
        rig.basic().AlarmIndex = 40;
        rig.form().Timer1_Timer();
        QCOMPARE(rig.form().windowTitle(), QStringLiteral(" Tockmere  by Ovix"));
    }

    void ticksAreAimedPastTheHalfSecond_data() {
        QTest::addColumn<int>("msec");
        QTest::addColumn<int>("interval");
        QTest::newRow("on the second") << 0 << 500;
        QTest::newRow("200 ms past") << 200 << 300;
        QTest::newRow("just before the half") << 499 << 1;
        QTest::newRow("on the half") << 500 << 500;
        QTest::newRow("late in the second") << 990 << 10;
    }
    void ticksAreAimedPastTheHalfSecond() {
        QFETCH(int, msec);
        QFETCH(int, interval);
        Rig rig;
        rig.clock.setUtc(QDateTime(QDate(2026, 12, 5), QTime(10, 0, 0, msec), Qt::UTC));
        rig.form().Timer1_Timer();
        QVERIFY(rig.form().Timer1->isActive());
        QCOMPARE(rig.form().Timer1->interval(), interval);
    }

    void steppedClockIsFollowedAtTheNextTick_data() {
        QTest::addColumn<QTime>("after");
        QTest::newRow("stepped back an hour") << QTime(13, 30, 0, 250);
        QTest::newRow("resumed from suspend hours later") << QTime(20, 5, 9, 900);
    }
    void steppedClockIsFollowedAtTheNextTick() {
        QFETCH(QTime, after);
        Rig rig;
        rig.at(QTime(14, 30, 0));
        rig.clock.setUtc(QDateTime(QDate(2026, 12, 5), after, Qt::UTC));
        rig.form().Timer1_Timer();
        QCOMPARE(rig.form().lblTime->text(), after.toString(QStringLiteral("HH:mm:ss")));
        QCOMPARE(rig.form().Timer1->interval(), 500 - after.msec() % 500);
    }

    void noTickRunsInsideAnother() {
        Rig rig;
        rig.form().mnuSilent->setChecked(false);
        rig.skeds({"12/01/26 0800 a", "12/02/26 0800 b"});
        rig.clock.setUtc(QDateTime(QDate(2026, 12, 5), QTime(10, 0, 0), Qt::UTC));
        // A tick waiting in the queue is delivered while the first one yields to events.
        QTimer::singleShot(0, &rig.form(), &SkedForm::Timer1_Timer);
        rig.form().Timer1_Timer();
        QCOMPARE(rig.sound.played.size(), 1);
        QCOMPARE(int(rig.basic().AlarmIndex), 1);
        QVERIFY(rig.form().Timer1->isActive());
    }

    void alarmWindowCloseButtonFollowsTheSwitchAtCreation() {
        Rig rig;
        rig.form().mCloseButton->setChecked(false);
        rig.skeds({"12/05/26 1430 a", "12/05/26 1430 b", "12/05/26 1430 c"});
        rig.at(QTime(14, 30, 0));
        frmAlarm* window = rig.alarmWindow();
        QVERIFY(!window->cmdClose->isEnabled());
        rig.form().mCloseButton->setChecked(true);
        rig.at(QTime(14, 30, 1));
        QCOMPARE(rig.alarmWindow(), window); // one window, only its texts replaced
        QVERIFY(!window->cmdClose->isEnabled());
        QCOMPARE(rig.settings.values.keys().filter(QStringLiteral("frmAlarm")).size(), 0);

        window->resize(400, 200);
        window->close(); // the close box stores the layout and destroys the window
        QTRY_VERIFY(rig.alarmWindow() == nullptr);
        QCOMPARE(rig.settings.values.value(QStringLiteral("Tockmere/frmAlarm/Width")),
                 QStringLiteral("6000"));
        rig.at(QTime(14, 30, 2));
        QVERIFY(rig.alarmWindow()->cmdClose->isEnabled());
        QCOMPARE(rig.alarmWindow()->size(), QSize(400, 200));
    }

    void closeButtonOnlyHides() {
        Rig rig;
        rig.skeds({"12/05/26 1430 a"});
        rig.at(QTime(14, 30, 0));
        frmAlarm* window = rig.alarmWindow();
        QCOMPARE(window->lblAlarm->font().pointSize(), 12);
        QTest::mouseClick(window->cmdClose, Qt::LeftButton);
        QVERIFY(window->isHidden());
        QCOMPARE(rig.alarmWindow(), window);
        QCOMPARE(window->lblAlarm->text(), QStringLiteral("\na"));
        QVERIFY(rig.settings.values.keys().filter(QStringLiteral("frmAlarm")).isEmpty());
    }
};

QTEST_MAIN(TestAlarmEngine)
#include "tst_alarmengine.moc"
