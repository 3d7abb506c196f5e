#include "QuickHelp.h"
#include "Text.h"
#include "Timers.h"

#include <QTest>

class TestTimers : public QObject {
    Q_OBJECT

private slots:
    void remaining_data() {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("75") << qint64(75) << "01:15";
        QTest::newRow("59") << qint64(59) << "00:59";
        QTest::newRow("60") << qint64(60) << "01:00";
        QTest::newRow("3600") << qint64(3600) << "60:00";
        QTest::newRow("6000") << qint64(6000) << "100:00";
        QTest::newRow("0") << qint64(0) << "00:00";
        QTest::newRow("negative") << qint64(-5) << "00:00";
        QTest::newRow("largest count") << qint64(2147483647) << "35791394:07";
    }
    void remaining() {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(remainingText(seconds)), text);
    }

    void stopwatch_data() {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("shown");
        QTest::newRow("3") << 3 << "00:00:03";
        QTest::newRow("59") << 59 << "00:00:59";
        QTest::newRow("60") << 60 << "00:01:00";
        QTest::newRow("3599") << 3599 << "00:59:59";
        QTest::newRow("3600") << 3600 << "01:00:00";
        QTest::newRow("100 hours") << 360000 << "100:00:00";
    }
    void stopwatch() {
        QFETCH(int, ticks);
        QFETCH(QString, shown);
        StopwatchCount count;
        for (int i = 0; i < ticks; ++i)
            count.tick();
        QCOMPARE(QString::fromStdString(twoDigitText(count.hours) + ":" +
                                        twoDigitText(count.minutes) + ":" +
                                        twoDigitText(count.seconds)),
                 shown);
    }

    void quickHelp_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("utc");
        QTest::addColumn<QStringList>("offsetLines");
        const QStringList none{"Enter your UTC hour offset.",
                               "Select UTC in the menu to use this offset."};
        QTest::newRow("offset 0, UTC on") << 0 << true << none;
        QTest::newRow("offset 0, UTC off") << 0 << false << none;
        QTest::newRow("offset 5, UTC on")
            << 5 << true << QStringList{"You have a 5 hour offset selected."};
        QTest::newRow("offset -3, UTC off")
            << -3 << false
            << QStringList{"You have a -3 hour offset selected.",
                           "Select UTC in the menu to use this offset."};
    }
    void quickHelp() {
        QFETCH(int, offset);
        QFETCH(bool, utc);
        QFETCH(QStringList, offsetLines);
        const QStringList expected =
            QStringList{"The alarms follow the sequence in the sked table.",
                        "Enter the scheduled events in chronological order.",
                        "If needed, click the {Re-order} button to put them",
                        "        in correct date/time order.", ""} +
            offsetLines +
            QStringList{"",
                        "The alarm and skeds table screens, can sized by",
                        "dragging a corner. Use upper-right-X to save.",
                        "",
                        "You can un-check <Silent Alarm> to play a wave",
                        "file when the alarm triggers. Use your own wave",
                        "file, but it must be named <alarm.wav>.",
                        "",
                        "Click <Test Alarm> to test it.",
                        "",
                        "The file <stop.wav> is required to stop playing a",
                        "continuous alarm. No <stop.wav> = no stop."};
        QCOMPARE(QString::fromStdString(quickHelpText(offset, utc)), expected.join("\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestTimers)
#include "tst_timers.moc"
