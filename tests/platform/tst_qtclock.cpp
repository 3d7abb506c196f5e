#include "QtClock.h"

#include <QTest>

#include <ctime>

namespace {

qint64 msecsAt(const char* utcText) {
    return QDateTime::fromString(QString::fromLatin1(utcText), Qt::ISODateWithMs)
        .toMSecsSinceEpoch();
}

QString wallText(const QDateTime& time) {
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

void useZone(const QByteArray& zone) {
    qputenv("TZ", zone);
    tzset();
}

} // namespace

// The real clock, read at chosen moments in chosen zones: one clock reads twice, so the second
// reading shows whether the offset it remembers from the first is still the right one.
class TestQtClock : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { useZone("UTC"); }

    void secondReadingHasTheOffsetOfItsOwnMoment_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<QString>("wall");
        QTest::addColumn<int>("offset");
        const auto row = [](const char* name, const char* zone, const char* first,
                            const char* second, const char* wall, int offset) {
            QTest::newRow(name) << QByteArray(zone) << QByteArray(first) << QByteArray(second)
                                << QString::fromLatin1(wall) << offset;
        };
        const char* const newYork = "America/New_York";
        const char* const lordHowe = "Australia/Lord_Howe";
        const char* const kolkata = "Asia/Kolkata";
        row("spring forward, half a second apart", newYork, "2026-03-08T06:59:59.500Z",
            "2026-03-08T07:00:00.000Z", "2026-03-08 03:00:00", -4 * 3600);
        row("fall back, 200 ms apart", newYork, "2026-11-01T05:59:59.900Z",
            "2026-11-01T06:00:00.100Z", "2026-11-01 01:00:00", -5 * 3600);
        row("half-hour change of a half-hour zone", lordHowe, "2026-04-04T14:59:59.500Z",
            "2026-04-04T15:00:00.000Z", "2026-04-05 01:30:00", 37800);
        row("change on a half-hour of UTC", lordHowe, "2026-10-03T15:29:59.500Z",
            "2026-10-03T15:30:00.000Z", "2026-10-04 02:30:00", 11 * 3600);
        row("clock stepped back over a change", newYork, "2026-03-08T07:00:30.000Z",
            "2026-03-08T06:59:30.000Z", "2026-03-08 01:59:30", -5 * 3600);
        row("same minute, year end in a half-hour zone", kolkata, "2026-12-31T18:29:00.000Z",
            "2026-12-31T18:29:59.999Z", "2026-12-31 23:59:59", 19800);
        row("next minute, new year in a half-hour zone", kolkata, "2026-12-31T18:29:59.500Z",
            "2026-12-31T18:30:00.000Z", "2027-01-01 00:00:00", 19800);
    }

    void secondReadingHasTheOffsetOfItsOwnMoment() {
        QFETCH(QByteArray, zone);
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(QString, wall);
        QFETCH(int, offset);
        useZone(zone);
        QtClock clock;
        clock.localAt(msecsAt(first));
        const QDateTime local = clock.localAt(msecsAt(second));
        QCOMPARE(wallText(local), wall);
        QCOMPARE(local.offsetFromUtc(), offset);
        QCOMPARE(local.toMSecsSinceEpoch(), msecsAt(second));
    }

    void changeOfTheSystemZoneIsFollowedAtTheNextMinute() {
        useZone("UTC");
        QtClock clock;
        QCOMPARE(wallText(clock.localAt(msecsAt("2026-12-06T12:00:10.000Z"))),
                 QStringLiteral("2026-12-06 12:00:10"));
        useZone("Asia/Kolkata");
        // Within the minute the clock keeps the offset it read at its start ...
        QCOMPARE(wallText(clock.localAt(msecsAt("2026-12-06T12:00:59.900Z"))),
                 QStringLiteral("2026-12-06 12:00:59"));
        // ... and the first reading of the next minute takes the new zone.
        QCOMPARE(wallText(clock.localAt(msecsAt("2026-12-06T12:01:00.000Z"))),
                 QStringLiteral("2026-12-06 17:31:00"));
    }

    void nowAgreesWithTheToolkitsLocalTime() {
        useZone("America/New_York");
        QtClock clock;
        const QDateTime before = QDateTime::currentDateTime();
        const QDateTime now = clock.localNow();
        const QDateTime after = QDateTime::currentDateTime();
        QVERIFY(before <= now && now <= after);
        QCOMPARE(now.offsetFromUtc(), after.offsetFromUtc());
        QVERIFY(wallText(now) >= wallText(before) && wallText(now) <= wallText(after));
    }
};

QTEST_GUILESS_MAIN(TestQtClock)
#include "tst_qtclock.moc"
