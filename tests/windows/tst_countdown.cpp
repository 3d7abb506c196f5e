#include "ProgramRig.h"
#include "SkedForm.h"
#include "frmStopWatch.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kPrompt = QStringLiteral(
    "Enter <SECONDS> to count down from.\r\n\r\nex: <60 = 1min.>\r\n\r\nEnter 0 to clear.");

struct Rig : ProgramRig {
    SkedForm& form() { return program.main(); }
    Rig() {
        clock.setUtc(QDateTime(QDate(2026, 12, 5), QTime(10, 0, 0, 400), Qt::UTC));
        settings.setOption(QStringLiteral("Plannex file"), path(QStringLiteral("none.dat")));
        form().Form_Load();
        dialogs.shown.clear();
    }
    void answer(const QString& text) {
        dialogs.promptAnswers.enqueue(text);
        form().mdownTimer_Click();
    }
    // One countdown tick `seconds` after the last one.
    void tickAfter(int seconds) {
        clock.advanceSeconds(seconds);
        form().Timer3_Timer();
    }
    bool counting() { return form().Timer3->isActive(); }
};

QString stopwatchText(frmStopWatch& watch) {
    return watch.Label1->text() + u':' + watch.Label2->text() + u':' + watch.Label3->text();
}

} // namespace

class TestCountdown : public QObject {
    Q_OBJECT

private slots:
    void sixtySecondsCountDownThenSound() {
        Rig rig;
        rig.form().mnuSilent->setChecked(false);
        rig.answer(QStringLiteral("60"));
        const FakeDialogs::Shown& prompt = rig.dialogs.shown.first();
        QCOMPARE(prompt.text, kPrompt);
        QCOMPARE(prompt.title, QStringLiteral("Count Down Timer"));
        QCOMPARE(prompt.defaultText, QString());
        QCOMPARE(rig.form().windowTitle(), QStringLiteral(" Count Down Timer"));
        QCOMPARE(rig.form().lblTime->text(), QStringLiteral("01:00"));
        QVERIFY(rig.counting());
        QVERIFY(!rig.form().Timer1->isActive());
        QCOMPARE(rig.basic().CountdownSeconds, 60);
        QCOMPARE(rig.basic().CountdownStart.time(), QTime(10, 0, 0));

        rig.tickAfter(1);
        QCOMPARE(rig.form().lblTime->text(), QStringLiteral("00:59"));
        rig.tickAfter(1);
        QCOMPARE(rig.form().lblTime->text(), QStringLiteral("00:58"));
        rig.tickAfter(58);
        QCOMPARE(rig.form().lblTime->text(), QStringLiteral("00:00"));
        QVERIFY(rig.counting());
        QVERIFY(rig.sound.played.isEmpty());
        rig.tickAfter(1);
        QVERIFY(!rig.counting());
        QVERIFY(rig.form().Timer1->isActive());
        QCOMPARE(rig.form().windowTitle(), QStringLiteral(" Tockmere  by Ovix"));
        QCOMPARE(rig.form().lblTime->text(), QStringLiteral("01:00")); // until the clock tick
        QCOMPARE(rig.sound.played,
                 (QList<FakeSound::Played>{{rig.path("alarm.wav"), Sound::Mode::Once}}));
        QVERIFY(rig.dialogs.shown.size() == 1);
    }

    void endOfCountdown_data() {
        QTest::addColumn<bool>("silent");
        QTest::addColumn<bool>("continuous");
        QTest::addColumn<int>("sound"); // -1 none, 0 once, 1 loop
        QTest::newRow("silent: message only") << true << false << -1;
        QTest::newRow("silent and continuous: message only") << true << true << -1;
        QTest::newRow("continuous: looping with Stop") << false << true << 1;
        QTest::newRow("neither: once") << false << false << 0;
    }
    void endOfCountdown() {
        QFETCH(bool, silent);
        QFETCH(bool, continuous);
        QFETCH(int, sound);
        Rig rig;
        rig.form().mnuSilent->setChecked(silent);
        rig.form().mnuContinuous->setChecked(continuous);
        rig.answer(QStringLiteral("2"));
        rig.tickAfter(3);
        QVERIFY(!rig.counting());
        QCOMPARE(rig.dialogs.shown.size(), silent ? 2 : 1);
        if (silent) {
            const FakeDialogs::Shown& box = rig.dialogs.shown.last();
            QCOMPARE(box.text, QStringLiteral("Done countdown..."));
            QCOMPARE(box.title, QStringLiteral(" Timer"));
            QCOMPARE(box.buttons, Dialogs::Buttons::Ok);
            QVERIFY(box.exclamation);
        }
        if (sound < 0)
            QVERIFY(rig.sound.played.isEmpty());
        else
            QCOMPARE(rig.sound.played.first().mode, sound ? Sound::Mode::Loop : Sound::Mode::Once);
        QCOMPARE(!rig.form().Command3->isHidden(), sound == 1);
    }

    void answers_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("counting"); // after the answer, with a countdown of 30 running
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("display");
        QTest::newRow("Cancel keeps the countdown") << "" << true << 30 << "00:30";
        QTest::newRow("0 clears") << "0" << false << 30 << "00:30";
        QTest::newRow("90.5 rounds to 90") << "90.5" << true << 90 << "01:30";
        QTest::newRow("91.5 rounds to 92") << "91.5" << true << 92 << "01:32";
        QTest::newRow("00 is no clear") << "00" << true << 0 << "00:00";
        QTest::newRow("blank then 0 is no clear") << " 0" << true << 0 << "00:00";
        QTest::newRow("text counts 0") << "abc" << true << 0 << "00:00";
        QTest::newRow("6000 shows 100 minutes") << "6000" << true << 6000 << "100:00";
        QTest::newRow("negative shows 00:00") << "-5" << true << -5 << "00:00";
        QTest::newRow("beyond 32 bits refused") << "3000000000" << true << 30 << "00:30";
    }
    void answers() {
        QFETCH(QString, answer);
        QFETCH(bool, counting);
        QFETCH(int, count);
        QFETCH(QString, display);
        Rig rig;
        rig.form().Label1->setText(QStringLiteral("14:30"));
        rig.answer(QStringLiteral("30"));
        rig.clock.advanceSeconds(7);
        rig.answer(answer);
        QCOMPARE(rig.counting(), counting);
        QCOMPARE(rig.form().Timer1->isActive(), !counting);
        QCOMPARE(rig.basic().CountdownSeconds, count);
        QCOMPARE(rig.form().lblTime->text(), display);
        if (!counting) {
            QCOMPARE(rig.form().windowTitle(), QStringLiteral(" Tockmere  by Ovix"));
            QCOMPARE(rig.form().Label1->text(), QString());
        }
    }

    void restartCountsFromTheNewStart() {
        Rig rig;
        rig.answer(QStringLiteral("10"));
        rig.tickAfter(5);
        QCOMPARE(rig.form().lblTime->text(), QStringLiteral("00:05"));
        rig.answer(QStringLiteral("10"));
        rig.tickAfter(1);
        QCOMPARE(rig.form().lblTime->text(), QStringLiteral("00:09"));
    }

    void zeroAndNegativeEndOnTheFirstLaterTick_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("zero") << "00";
        QTest::newRow("negative") << "-5";
    }
    void zeroAndNegativeEndOnTheFirstLaterTick() {
        QFETCH(QString, answer);
        Rig rig;
        rig.answer(answer);
        rig.tickAfter(0);
        QCOMPARE(rig.counting(), answer == u"00");
        if (rig.counting())
            rig.tickAfter(1);
        QVERIFY(!rig.counting());
    }

    void clearWhileIdleStillRestoresTheClock() {
        Rig rig;
        rig.form().Timer1->stop();
        rig.form().Label1->setText(QStringLiteral("14:30"));
        rig.answer(QStringLiteral("0"));
        QVERIFY(rig.form().Timer1->isActive());
        QCOMPARE(rig.form().Label1->text(), QString());
        QCOMPARE(rig.form().windowTitle(), QStringLiteral(" Tockmere  by Ovix"));
    }

    void stopwatchStartStopAndCount() {
        Rig rig;
        rig.form().mUpTimer->trigger();
        frmStopWatch& watch = rig.program.stopWatch();
        QVERIFY(watch.isVisible());
        QCOMPARE(watch.windowTitle(), QStringLiteral("Stop Watch"));
        QCOMPARE(watch.size(), QSize(216, 91));
        QCOMPARE(watch.Label4->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(stopwatchText(watch), QStringLiteral("00:00:00"));
        QVERIFY(!watch.tmrTime->isActive());
        QCOMPARE(watch.tmrTime->interval(), 1000);

        QTest::mouseClick(watch.btnStart, Qt::LeftButton);
        QCOMPARE(watch.btnStart->text(), QStringLiteral("Stop"));
        for (int i = 0; i < 3; ++i)
            watch.tmrTime_Timer();
        QTest::mouseClick(watch.btnStart, Qt::LeftButton);
        QCOMPARE(watch.btnStart->text(), QStringLiteral("Start"));
        QCOMPARE(stopwatchText(watch), QStringLiteral("00:00:03"));
        QVERIFY(!watch.tmrTime->isActive());
        QTest::mouseClick(watch.btnStart, Qt::LeftButton); // no resume: from zero
        QCOMPARE(stopwatchText(watch), QStringLiteral("00:00:00"));
        for (int i = 0; i < 3600; ++i)
            watch.tmrTime_Timer();
        QCOMPARE(stopwatchText(watch), QStringLiteral("01:00:00"));

        // Opening it again brings the running watch forward unchanged.
        rig.form().mUpTimer->trigger();
        QCOMPARE(&rig.program.stopWatch(), &watch);
        QVERIFY(watch.tmrTime->isActive());

        QPointer<frmStopWatch> old(&watch);
        QTest::mouseClick(watch.btnExit, Qt::LeftButton);
        QTRY_VERIFY(old.isNull());
        rig.form().mUpTimer->trigger();
        frmStopWatch& fresh = rig.program.stopWatch();
        QCOMPARE(stopwatchText(fresh), QStringLiteral("00:00:00"));
        QCOMPARE(fresh.btnStart->text(), QStringLiteral("Start"));
        QVERIFY(!fresh.tmrTime->isActive());
    }
};

QTEST_MAIN(TestCountdown)
#include "tst_countdown.moc"
