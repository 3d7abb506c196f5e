#include "DateEntry.h"

#include <QTest>

namespace {

const std::string kToday = "12/05/26";

} // namespace

class TestDateEntry : public QObject {
    Q_OBJECT

private slots:
    void weeklyStep_data() {
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("next"); // empty: no step
        QTest::newRow("leap February carries") << "02/25/04"
                                               << "03/03/04";
        QTest::newRow("plain February carries") << "02/25/03"
                                                << "03/04/03";
        QTest::newRow("to the 28th of February") << "02/21/03"
                                                 << "02/28/03";
        QTest::newRow("to the 29th in a leap year") << "02/22/04"
                                                    << "02/29/04";
        QTest::newRow("2000 is a leap year") << "02/22/00"
                                             << "02/29/00";
        QTest::newRow("no 29th in 2001") << "02/22/01"
                                         << "03/01/01";
        QTest::newRow("30-day month carries") << "04/24/03"
                                              << "05/01/03";
        QTest::newRow("to the 30th of a 30-day month") << "11/23/26"
                                                       << "11/30/26";
        QTest::newRow("November into December") << "11/24/26"
                                                << "12/01/26";
        QTest::newRow("31-day month carries") << "01/25/03"
                                              << "02/01/03";
        QTest::newRow("to the 31st") << "01/24/26"
                                     << "01/31/26";
        QTest::newRow("year end") << "12/25/03"
                                  << "01/01/04";
        QTest::newRow("to New Year's Eve") << "12/24/26"
                                           << "12/31/26";
        QTest::newRow("century wraps") << "12/28/99"
                                       << "01/04/00";
        QTest::newRow("no carry") << "06/01/03"
                                  << "06/08/03";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("single digits") << "2/4/04"
                                       << "";
        QTest::newRow("four-digit year") << "02/04/2004"
                                         << "";
        QTest::newRow("dashes") << "02-04-04"
                                << "";
        QTest::newRow("letters") << "ab/cd/ef"
                                 << "";
        QTest::newRow("month 13") << "13/01/04"
                                  << "";
        QTest::newRow("day 0") << "02/00/04"
                               << "";
        QTest::newRow("day 32") << "01/32/04"
                                << "";
        QTest::newRow("trailing blank") << "02/04/04 "
                                        << "";
    }
    void weeklyStep() {
        QFETCH(QString, previous);
        QFETCH(QString, next);
        const auto stepped = ::weeklyStep(previous.toStdString());
        QCOMPARE(stepped ? QString::fromStdString(*stepped) : QString(), next);
    }

    // Each row: the table before (date and time of slots 0..2), the weekly switch, which rule runs
    // on which slot, and the date and time of that slot afterwards.
    void rules_data() {
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<QStringList>("times");
        QTest::addColumn<int>("weekly");
        QTest::addColumn<QString>("rule"); // focus, click, or focus+click
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        const QStringList none{"", "", ""};
        QTest::newRow("focus on empty sked 1 gives today")
            << none << none << 0 << "focus" << 0 << "12/05/26"
            << "";
        QTest::newRow("focus then click on sked 1 only today")
            << none << none << 1 << "focus+click" << 0 << "12/05/26"
            << "";
        QTest::newRow("focus on filled sked 1 keeps it")
            << QStringList{"01/01/27", "", ""} << none << 0 << "focus" << 0 << "01/01/27"
            << "";
        QTest::newRow("click on filled sked 1 keeps it, weekly on")
            << QStringList{"01/01/27", "", ""} << none << 1 << "click" << 0 << "01/01/27"
            << "";
        QTest::newRow("keyboard focus copies the date above, weekly on")
            << QStringList{"01/28/04", "", ""} << QStringList{"0930", "", ""} << 1 << "focus" << 1
            << "01/28/04"
            << "";
        QTest::newRow("click copies the date above, time untouched")
            << QStringList{"03/02/04", "03/10/04", ""} << QStringList{"0800", "1200", ""} << 0
            << "click" << 1 << "03/02/04"
            << "1200";
        QTest::newRow("weekly click steps date and copies time")
            << QStringList{"01/28/04", "", ""} << QStringList{"0930", "", ""} << 1 << "focus+click"
            << 1 << "02/04/04"
            << "0930";
        QTest::newRow("weekly click over a filled row replaces it")
            << QStringList{"01/28/04", "05/05/05", ""} << QStringList{"0930", "1111", ""} << 1
            << "click" << 1 << "02/04/04"
            << "0930";
        QTest::newRow("weekly click under a malformed date changes nothing")
            << QStringList{"1/28/04", "05/05/05", ""} << QStringList{"0930", "1111", ""} << 1
            << "click" << 1 << "05/05/05"
            << "1111";
        QTest::newRow("weekly 2 counts as off")
            << QStringList{"01/28/04", "", ""} << QStringList{"0930", "", ""} << 2 << "click" << 1
            << "01/28/04"
            << "";
        QTest::newRow("click copies an empty date above")
            << QStringList{"01/28/04", "", "07/07/07"} << none << 0 << "click" << 2 << ""
            << "";
        QTest::newRow("focus on a filled row below keeps it")
            << QStringList{"01/28/04", "02/02/02", ""} << none << 0 << "focus" << 1 << "02/02/02"
            << "";
    }
    void rules() {
        QFETCH(QStringList, dates);
        QFETCH(QStringList, times);
        QFETCH(int, weekly);
        QFETCH(QString, rule);
        QFETCH(int, slot);
        QFETCH(QString, date);
        QFETCH(QString, time);
        SkedTable table;
        for (int i = 0; i < dates.size(); ++i) {
            table.setDate(i, dates[i].toStdString());
            table.setTime(i, times[i].toStdString());
        }
        table.setWeekly(weekly);
        if (rule.startsWith(u"focus"))
            dateFocusRule(table, slot, kToday);
        if (rule.endsWith(u"click"))
            dateClickRule(table, slot, kToday);
        QCOMPARE(QString::fromStdString(table.row(slot).date), date);
        QCOMPARE(QString::fromStdString(table.row(slot).time), time);
    }

    void copyingAnEmptyDateClearsTheSkip() {
        SkedTable table;
        table.setDate(1, "12/05/26");
        table.setSkip(1, true);
        dateClickRule(table, 1, kToday);
        QVERIFY(table.row(1).date.empty());
        QVERIFY(!table.row(1).skip);
    }
};

QTEST_APPLESS_MAIN(TestDateEntry)
#include "tst_dateentry.moc"
