#include "ProgramRig.h"
#include "SkedForm.h"
#include "frmSkeds.h"

#include <QAction>
#include <QElapsedTimer>
#include <QTimeZone>

namespace {

// Forty skeds in table order and in time order through 2028, a leap year: three already past at
// the start, two on the same minute, one on 29 February, some on the days clocks change.
QStringList yearOfSkeds() {
    QStringList rows = {"12/30/27 0800", "12/31/27 0100", "12/31/27 2200", "01/01/28 0030",
                        "01/01/28 0030", "01/15/28 1200", "02/28/28 2359", "02/29/28 0000",
                        "02/29/28 1234", "03/01/28 0001", "03/12/28 0130", "03/12/28 0330",
                        "03/26/28 0130", "03/26/28 0330", "04/02/28 0230", "04/30/28 2359"};
    for (int month = 5; rows.size() < 36; ++month) {
        rows << QStringLiteral("%1/10/28 0%2%3")
                    .arg(month, 2, 10, QLatin1Char('0'))
                    .arg(month % 10)
                    .arg(15);
        rows << QStringLiteral("%1/20/28 1%2%3")
                    .arg(month, 2, 10, QLatin1Char('0'))
                    .arg(month % 10)
                    .arg(45);
        if (month == 10)
            rows << QStringLiteral("10/29/28 0230") << QStringLiteral("11/05/28 0130");
        if (month == 12)
            break;
    }
    while (rows.size() < 39)
        rows << QStringLiteral("12/30/28 %1").arg(2300 + rows.size());
    rows << QStringLiteral("12/31/28 2359");
    return rows;
}

QDateTime skedMoment(const QString& row) {
    const QStringList parts = row.split(u' ');
    const QDate date = QDate::fromString(parts[0], QStringLiteral("MM/dd/yy")).addYears(100);
    return QDateTime(date, QTime::fromString(parts[1], QStringLiteral("HHmm")), Qt::UTC);
}

} // namespace

class TestSimulatedYear : public QObject {
    Q_OBJECT

private slots:
    void everySkedFiresOnceInOrderOnItsMinute_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<bool>("utcMode");
        QTest::addColumn<int>("offset");
        QTest::newRow("UTC mode, New York, offset 5") << "America/New_York" << true << 5;
        QTest::newRow("UTC mode, Berlin, offset -1") << "Europe/Berlin" << true << -1;
        QTest::newRow("local mode, New York") << "America/New_York" << false << 5;
        QTest::newRow("local mode, Sydney") << "Australia/Sydney" << false << -10;
        QTest::newRow("local mode, UTC") << "UTC" << false << 0;
    }
    void everySkedFiresOnceInOrderOnItsMinute() {
        QFETCH(QString, zone);
        QFETCH(bool, utcMode);
        QFETCH(int, offset);
        QElapsedTimer took;
        took.start();

        ProgramRig rig;
        rig.clock.setZone(QTimeZone(zone.toLatin1()));
        // Start on 31 December 2027 at noon, local time.
        rig.clock.setUtc(QDateTime(QDate(2027, 12, 31), QTime(12, 0), QTimeZone(zone.toLatin1())));
        SkedForm& form = rig.program.main();
        form.mUTCtime->setChecked(utcMode);
        form.mnuSilent->setChecked(false);
        form.mAlarmPopUp->setChecked(false);
        rig.basic().UtcOffset = static_cast<std::int16_t>(offset);
        SkedTable& table = rig.program.skeds().table();
        const QStringList rows = yearOfSkeds();
        QCOMPARE(rows.size(), 40);
        for (int i = 0; i < rows.size(); ++i) {
            const QStringList parts = rows[i].split(u' ');
            table.setDate(i, parts[0].toStdString());
            table.setTime(i, parts[1].toStdString());
            table.setMessage(i, QStringLiteral("sked %1").arg(i + 1).toStdString());
        }
        form.ArmFromTable();

        // What the clock shows, worked out here independently: local time, shifted in UTC mode.
        auto shown = [&] {
            const QDateTime local = rig.clock.localNow();
            return QDateTime(local.date(), local.time(), Qt::UTC)
                .addSecs(utcMode ? offset * 3600 : 0);
        };
        const QDateTime start = shown();
        const QDateTime end = QDateTime(QDate(2029, 1, 1), QTime(1, 0), Qt::UTC);
        QList<int> fired;
        QList<QDateTime> firedAt;
        QList<QDateTime> tickBefore; // what the previous tick showed
        QDateTime previous = start;
        while (shown() < end) {
            const QDateTime before = shown();
            form.Timer1_Timer();
            for (int i = 0; i < 40; ++i) {
                if (table.row(i).skip && !fired.contains(i)) {
                    fired << i;
                    firedAt << before;
                    tickBefore << previous;
                }
            }
            previous = before;
            // Steps of a second near the next pending sked, longer ones elsewhere.
            const int next = fired.size() < 40 ? fired.size() : 39;
            const qint64 ahead = before.secsTo(skedMoment(rows[next]));
            rig.clock.advanceSeconds(ahead > 3 * 3600 ? 3600 : ahead > 180 ? 60 : 1);
        }

        QCOMPARE(rig.sound.played.size(), 40); // each fired exactly once
        QList<int> inOrder;
        for (int i = 0; i < 40; ++i)
            inOrder << i;
        QCOMPARE(fired, inOrder);
        for (int i = 0; i < 40; ++i) {
            const QDateTime due = skedMoment(rows[i]);
            const QString where = rows[i] + QStringLiteral(" fired at ") + firedAt[i].toString();
            if (due < start) {
                // Missed while the program was off: one per displayed second from the start.
                QCOMPARE(start.secsTo(firedAt[i]), qint64(i));
                continue;
            }
            QVERIFY2(firedAt[i] >= due, qPrintable(where)); // never before its minute
            // On the first displayed second that reached the minute (the second of a pair one
            // second later); over a daylight-saving jump, on the first second after it.
            QVERIFY2(tickBefore[i] <= due, qPrintable(where));
            QVERIFY2(firedAt[i] <= due.addSecs(1) || tickBefore[i].secsTo(firedAt[i]) > 1,
                     qPrintable(where));
        }
        qInfo("%s: %lld ms", QTest::currentDataTag(), took.elapsed());
    }
};

QTEST_MAIN(TestSimulatedYear)
#include "tst_simulatedyear.moc"
