#include "TimeBase.h"

#include <QTest>

Q_DECLARE_METATYPE(CivilDate)

namespace {

CivilDate date(int year, int month, int day) {
    return {year, month, day};
}

} // namespace

class TestTimeBase : public QObject {
    Q_OBJECT

private slots:
    void shown_data() {
        QTest::addColumn<CivilDate>("localDate");
        QTest::addColumn<QTime>("localTime");
        QTest::addColumn<bool>("utcMode");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("hhmm");
        QTest::addColumn<CivilDate>("shownDate");
        QTest::newRow("evening west of UTC goes to tomorrow")
            << date(2026, 12, 5) << QTime(22, 15, 0) << true << 5 << "03:15:00"
            << "0315" << date(2026, 12, 6);
        QTest::newRow("early east of UTC goes to yesterday")
            << date(2026, 12, 5) << QTime(2, 0, 0) << true << -5 << "21:00:00"
            << "2100" << date(2026, 12, 4);
        QTest::newRow("New Year back to 31 December")
            << date(2027, 1, 1) << QTime(2, 0, 0) << true << -5 << "21:00:00"
            << "2100" << date(2026, 12, 31);
        QTest::newRow("New Year's Eve forward to 1 January")
            << date(2026, 12, 31) << QTime(23, 59, 59) << true << 1 << "00:59:59"
            << "0059" << date(2027, 1, 1);
        QTest::newRow("31 March to 1 April")
            << date(2026, 3, 31) << QTime(23, 30, 0) << true << 2 << "01:30:00"
            << "0130" << date(2026, 4, 1);
        QTest::newRow("1 March back to 29 February in a leap year")
            << date(2028, 3, 1) << QTime(0, 10, 0) << true << -1 << "23:10:00"
            << "2310" << date(2028, 2, 29);
        QTest::newRow("1 March back to 28 February")
            << date(2027, 3, 1) << QTime(0, 10, 0) << true << -1 << "23:10:00"
            << "2310" << date(2027, 2, 28);
        QTest::newRow("28 February forward to 29 in a leap year")
            << date(2028, 2, 28) << QTime(23, 0, 0) << true << 3 << "02:00:00"
            << "0200" << date(2028, 2, 29);
        QTest::newRow("2100 is no leap year")
            << date(2100, 2, 28) << QTime(23, 0, 0) << true << 3 << "02:00:00"
            << "0200" << date(2100, 3, 1);
        QTest::newRow("30-day month end")
            << date(2026, 4, 30) << QTime(20, 5, 9) << true << 4 << "00:05:09"
            << "0005" << date(2026, 5, 1);
        QTest::newRow("offset 24 is a whole day")
            << date(2026, 12, 5) << QTime(0, 0, 0) << true << 24 << "00:00:00"
            << "0000" << date(2026, 12, 6);
        QTest::newRow("offset -24 is a whole day back")
            << date(2026, 12, 5) << QTime(23, 0, 0) << true << -24 << "23:00:00"
            << "2300" << date(2026, 12, 4);
        QTest::newRow("local mode ignores the offset")
            << date(2026, 12, 5) << QTime(22, 15, 7) << false << 5 << "22:15:07"
            << "2215" << date(2026, 12, 5);
    }
    void shown() {
        QFETCH(CivilDate, localDate);
        QFETCH(QTime, localTime);
        QFETCH(bool, utcMode);
        QFETCH(int, offset);
        QFETCH(QString, time);
        QFETCH(QString, hhmm);
        QFETCH(CivilDate, shownDate);
        const ShownValues shown = shownValues(
            localDate, {localTime.hour(), localTime.minute(), localTime.second()}, utcMode, offset);
        QCOMPARE(QString::fromStdString(shown.ShownTime), time);
        QCOMPARE(QString::fromStdString(shown.ShownHHMM), hhmm);
        QVERIFY(shown.ShownDate == shownDate);
    }

    void readSkedDate_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("year"); // 0: unreadable
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::newRow("mm/dd/yy") << "12/05/26" << 2026 << 12 << 5;
        QTest::newRow("year 00 is 2000") << "01/01/00" << 2000 << 1 << 1;
        QTest::newRow("year 29 is 2029") << "06/30/29" << 2029 << 6 << 30;
        QTest::newRow("year 30 is 1930") << "06/30/30" << 1930 << 6 << 30;
        QTest::newRow("year 99 is 1999") << "12/31/99" << 1999 << 12 << 31;
        QTest::newRow("single digits") << "2/4/04" << 2004 << 2 << 4;
        QTest::newRow("four-digit year") << "12/05/2026" << 2026 << 12 << 5;
        QTest::newRow("blanks around") << " 12/05/26 " << 2026 << 12 << 5;
        QTest::newRow("29 February in a leap year") << "02/29/28" << 2028 << 2 << 29;
        QTest::newRow("29 February otherwise") << "02/29/27" << 0 << 0 << 0;
        QTest::newRow("month 13") << "13/01/26" << 0 << 0 << 0;
        QTest::newRow("31 April") << "04/31/26" << 0 << 0 << 0;
        QTest::newRow("day first") << "25/12/26" << 0 << 0 << 0;
        QTest::newRow("dashes") << "12-05-26" << 0 << 0 << 0;
        QTest::newRow("three-digit year") << "12/05/026" << 0 << 0 << 0;
        QTest::newRow("words") << "tomorrow" << 0 << 0 << 0;
        QTest::newRow("empty") << "" << 0 << 0 << 0;
        QTest::newRow("trailing junk") << "12/05/26x" << 0 << 0 << 0;
    }
    void readSkedDate() {
        QFETCH(QString, text);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        const auto read = ::readSkedDate(text.toStdString());
        if (year == 0) {
            QVERIFY(!read);
            return;
        }
        QVERIFY(read);
        QVERIFY(*read == date(year, month, day));
    }

    void due_data() {
        QTest::addColumn<QString>("skedDate");
        QTest::addColumn<QString>("skedTime");
        QTest::addColumn<QString>("shownHHMM"); // on 5 December 2026
        QTest::addColumn<bool>("due");
        QTest::newRow("a second before the minute") << "12/05/26"
                                                    << "1430"
                                                    << "1429" << false;
        QTest::newRow("on the minute") << "12/05/26"
                                       << "1430"
                                       << "1430" << true;
        QTest::newRow("after the minute") << "12/05/26"
                                          << "1430"
                                          << "1431" << true;
        QTest::newRow("yesterday at any time") << "12/04/26"
                                               << "2359"
                                               << "0000" << true;
        QTest::newRow("tomorrow") << "12/06/26"
                                  << "0000"
                                  << "2359" << false;
        QTest::newRow("the 1930s are long past") << "12/05/30"
                                                 << "0000"
                                                 << "0000" << true;
        QTest::newRow("2029 is still to come") << "12/05/29"
                                               << "0000"
                                               << "2359" << false;
        QTest::newRow("unreadable date is due at once") << "5 Dec"
                                                        << "2359"
                                                        << "0000" << true;
        QTest::newRow("930 padded: not yet at 09:29") << "12/05/26"
                                                      << "930"
                                                      << "0929" << false;
        QTest::newRow("930 padded: due at 09:30") << "12/05/26"
                                                  << "930"
                                                  << "0930" << true;
        QTest::newRow("5 padded: due at 00:05") << "12/05/26"
                                                << "5"
                                                << "0005" << true;
        QTest::newRow("other texts compare as stored") << "12/05/26"
                                                       << "9:30"
                                                       << "2359" << false;
        QTest::newRow("time with a blank compares as stored") << "12/05/26"
                                                              << "14 3"
                                                              << "1430" << true;
    }
    void due() {
        QFETCH(QString, skedDate);
        QFETCH(QString, skedTime);
        QFETCH(QString, shownHHMM);
        QFETCH(bool, due);
        const SkedEntry row{skedDate.toStdString(), skedTime.toStdString(), "m", false};
        const ShownValues shown{"", shownHHMM.toStdString(), date(2026, 12, 5)};
        QCOMPARE(isDue(row, shown), due);
    }
};

QTEST_APPLESS_MAIN(TestTimeBase)
#include "tst_timebase.moc"
