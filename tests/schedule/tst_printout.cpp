#include "FakePrinter.h"
#include "Printout.h"

#include <QTest>

namespace {

QStringList paper(const std::vector<PrintLine>& lines) {
    return FakePrinter::paper(toPrinterLines(lines));
}

struct Row {
    const char* date;
    const char* time;
    const char* message;
    bool skip;
};

SkedTable tableOf(std::initializer_list<Row> rows) {
    SkedTable table;
    int slot = 0;
    for (const Row& row : rows) {
        table.setDate(slot, row.date);
        table.setTime(slot, row.time);
        table.setMessage(slot, row.message);
        table.setSkip(slot, row.skip);
        ++slot;
    }
    return table;
}

const QStringList kUtcHeading = {"", "         Scheduled Alarms   File: /home/op/skeds.dat", "",
                                 " Dates and Times are UTC", ""};

} // namespace

class TestPrintout : public QObject {
    Q_OBJECT

private slots:
    void threeFilledRowsThenThirtySevenEmpty() {
        const SkedTable table = tableOf({{"12/05/26", "1430", "W1AW net", true},
                                         {"12/06/26", "0930", "DL1ABC on 20 m", false},
                                         {"12/07/26", "2200", "", false}});
        QStringList expected = kUtcHeading;
        expected << " 12/05/26    1430    W1AW net"
                 << ""
                 << " 12/06/26    0930    DL1ABC on 20 m"
                 << ""
                 << " 12/07/26    2200"
                 << "";
        for (int i = 3; i < 40; ++i)
            expected << ""
                     << "";
        QCOMPARE(paper(printoutLines(table, "/home/op/skeds.dat", true)), expected);
    }

    void columns_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("line");
        QTest::newRow("ten-character date ends before the time") << "2026-12-05"
                                                                 << "1430"
                                                                 << "net"
                                                                 << " 2026-12-05  1430    net";
        QTest::newRow("time printed as stored, no colon") << "12/05/26"
                                                          << "930"
                                                          << "net"
                                                          << " 12/05/26    930     net";
        QTest::newRow("no time: the message keeps its column") << "12/05/26"
                                                               << ""
                                                               << "net"
                                                               << " 12/05/26            net";
        QTest::newRow("message of 60 characters")
            << "12/05/26"
            << "1430" << QString(60, u'm') << " 12/05/26    1430    " + QString(60, u'm');
        QTest::newRow("blanks kept as typed") << " 12/05/26"
                                              << "14 0"
                                              << "  two"
                                              << "  12/05/26   14 0      two";
    }
    void columns() {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, message);
        QFETCH(QString, line);
        SkedTable table;
        table.setDate(0, date.toStdString());
        table.setTime(0, time.toStdString());
        table.setMessage(0, message.toStdString());
        QCOMPARE(paper(printoutLines(table, "f", true)).value(5), line);
    }

    void doneEndsTheList_data() {
        QTest::addColumn<QString>("date5"); // the date of sked 5 below four filled skeds
        QTest::addColumn<int>("rowLines");  // skeds printed
        QTest::newRow("Done ends the list") << "Done" << 4;
        QTest::newRow("lower case does not") << "done" << 40;
        QTest::newRow("with a blank it does not") << " Done" << 40;
        QTest::newRow("an empty sked 5 does not") << "" << 40;
    }
    void doneEndsTheList() {
        QFETCH(QString, date5);
        QFETCH(int, rowLines);
        SkedTable table = tableOf({{"12/01/26", "0100", "a", false},
                                   {"12/02/26", "0100", "b", false},
                                   {"12/03/26", "0100", "c", false},
                                   {"12/04/26", "0100", "d", false}});
        table.setDate(4, date5.toStdString());
        table.setDate(6, "12/07/26");
        const QStringList lines = paper(printoutLines(table, "f", true));
        QCOMPARE(lines.size(), 5 + 2 * rowLines);
        QCOMPARE(lines[5 + 2 * 3], QStringLiteral(" 12/04/26    0100    d"));
        if (rowLines == 40)
            QCOMPARE(lines[5 + 2 * 6], QStringLiteral(" 12/07/26"));

        SkedTable first;
        first.setDate(0, "Done");
        first.setDate(1, "12/02/26");
        QCOMPARE(printoutLines(first, "f", true).size(), std::size_t(5));
    }
};

QTEST_APPLESS_MAIN(TestPrintout)
#include "tst_printout.moc"
