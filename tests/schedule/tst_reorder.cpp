#include "Reorder.h"
#include "SkedFile.h"
#include "SkedRows.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

// A row as "flag|date|time|message", flag S or blank.
using Rows = QStringList;

std::vector<WorkLine> workLines(const Rows& rows) {
    std::vector<WorkLine> lines;
    for (const QString& row : rows) {
        const std::string line = reorderRowLine(entryFrom(row));
        const auto key = reorderKey(line);
        if (!key)
            qFatal("no key in %s", line.c_str());
        lines.push_back({line, *key});
    }
    return lines;
}

} // namespace

class TestReorder : public QObject {
    Q_OBJECT

private slots:
    void rowLineHasTheFileColumns_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("reloaded");
        QTest::newRow("skipped") << "S|12/05/26|1430|W1AW net"
                                 << QByteArray("S 12/05/26    1430  W1AW net")
                                 << "S|12/05/26|1430|W1AW net";
        QTest::newRow("active, empty message")
            << " |01/03/04|0830|" << QByteArray("  01/03/04    0830  ") << " |01/03/04|0830|";
        QTest::newRow("message loses its outer blanks on reload")
            << " |01/03/04|0830|  two  " << QByteArray("  01/03/04    0830    two  ")
            << " |01/03/04|0830|two";
    }
    void rowLineHasTheFileColumns() {
        QFETCH(QString, row);
        QFETCH(QByteArray, line);
        QFETCH(QString, reloaded);
        const std::string built = reorderRowLine(entryFrom(row));
        QCOMPARE(QByteArray::fromStdString(built), line);
        SkedTable table;
        QVERIFY(readSked(built + "\r\nend\r\n", table).ok());
        QCOMPARE(describe(table.row(0)), reloaded);
    }

    void keys_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("key"); // yyyy-mm-dd hh:mm, empty: no key
        QTest::newRow("plain") << "12/05/26"
                               << "1430"
                               << "2026-12-05 14:30";
        QTest::newRow("29 is 2029") << "01/01/29"
                                    << "0000"
                                    << "2029-01-01 00:00";
        QTest::newRow("30 is 1930") << "01/01/30"
                                    << "0000"
                                    << "1930-01-01 00:00";
        QTest::newRow("99 is 1999") << "12/31/99"
                                    << "2359"
                                    << "1999-12-31 23:59";
        QTest::newRow("leap day 2004") << "02/29/04"
                                       << "1200"
                                       << "2004-02-29 12:00";
        QTest::newRow("no leap day 2003") << "02/29/03"
                                          << "1200"
                                          << "";
        QTest::newRow("month 13") << "13/01/04"
                                  << "1200"
                                  << "";
        QTest::newRow("day 0") << "01/00/04"
                               << "1200"
                               << "";
        QTest::newRow("hour 24") << "01/01/04"
                                 << "2400"
                                 << "";
        QTest::newRow("hour 25") << "01/01/04"
                                 << "2500"
                                 << "";
        QTest::newRow("minute 60") << "01/01/04"
                                   << "1260"
                                   << "";
        QTest::newRow("three-digit time") << "01/01/04"
                                          << "930"
                                          << "";
        QTest::newRow("time with a colon") << "01/01/04"
                                           << "9:30"
                                           << "";
        QTest::newRow("single-digit month") << "1/5/04"
                                            << "1200"
                                            << "";
        QTest::newRow("four-digit year") << "01/05/2004"
                                         << "1200"
                                         << "";
        QTest::newRow("trailing blank") << "01/05/04 "
                                        << "1200"
                                        << "";
        QTest::newRow("signs in the digits") << "+1/05/04"
                                             << "1200"
                                             << "";
    }
    void keys() {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, key);
        const SkedEntry row{date.toStdString(), time.toStdString(), "m", false};
        const auto read = reorderKey(reorderRowLine(row));
        QCOMPARE(isWellFormedForReorder(row), !key.isEmpty());
        if (key.isEmpty())
            return;
        QVERIFY(read);
        QCOMPARE(QString::asprintf("%04d-%02d-%02d %02d:%02d", read->date.year, read->date.month,
                                   read->date.day, read->hour, read->minute),
                 key);
    }

    void sort_data() {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<Rows>("sorted");
        QTest::newRow("three rows by date and time")
            << Rows{"S|01/05/04|0900|third", " |01/03/04|1700|second", " |01/03/04|0830|first"}
            << Rows{" |01/03/04|0830|first", " |01/03/04|1700|second", "S|01/05/04|0900|third"};
        QTest::newRow("across a year end, not text order")
            << Rows{" |01/02/04|0100|new year", " |12/30/03|2300|old year"}
            << Rows{" |12/30/03|2300|old year", " |01/02/04|0100|new year"};
        QTest::newRow("00 comes after 99") << Rows{" |01/01/00|0000|2000", " |12/31/99|2359|1999",
                                                   " |06/15/29|1200|2029", " |06/15/30|1200|1930"}
                                           << Rows{" |06/15/30|1200|1930", " |12/31/99|2359|1999",
                                                   " |01/01/00|0000|2000", " |06/15/29|1200|2029"};
        QTest::newRow("equal keys reversed by a longer move")
            << Rows{" |01/10/04|0500|", " |01/10/04|0100|A", " |01/10/04|0100|B",
                    " |01/10/04|0600|", " |01/10/04|0700|"}
            << Rows{" |01/10/04|0100|B", " |01/10/04|0100|A", " |01/10/04|0500|",
                    " |01/10/04|0600|", " |01/10/04|0700|"};
        QTest::newRow("two equal keys keep their order")
            << Rows{"S|01/10/04|0100|A", " |01/10/04|0100|B"}
            << Rows{"S|01/10/04|0100|A", " |01/10/04|0100|B"};
        QTest::newRow("one row") << Rows{" |01/10/04|0100|A"} << Rows{" |01/10/04|0100|A"};
        QTest::newRow("reverse order of seven")
            << Rows{" |01/07/04|0100|7", " |01/06/04|0100|6", " |01/05/04|0100|5",
                    " |01/04/04|0100|4", " |01/03/04|0100|3", " |01/02/04|0100|2",
                    " |01/01/04|0100|1"}
            << Rows{" |01/01/04|0100|1", " |01/02/04|0100|2", " |01/03/04|0100|3",
                    " |01/04/04|0100|4", " |01/05/04|0100|5", " |01/06/04|0100|6",
                    " |01/07/04|0100|7"};
    }
    void sort() {
        QFETCH(Rows, rows);
        QFETCH(Rows, sorted);
        std::vector<WorkLine> lines = workLines(rows);
        shellSortByKey(lines);
        std::vector<WorkLine> expected = workLines(sorted);
        QCOMPARE(lines.size(), expected.size());
        for (std::size_t i = 0; i < lines.size(); ++i)
            QCOMPARE(QString::fromStdString(lines[i].line),
                     QString::fromStdString(expected[i].line));
    }

    void sortOrdersAnyTable() {
        QRandomGenerator random(20261206);
        for (int round = 0; round < 200; ++round) {
            Rows rows;
            const int n = 1 + random.bounded(40);
            for (int i = 0; i < n; ++i)
                rows << QStringLiteral(" |%1/%2/%3|%4%5|%6")
                            .arg(1 + random.bounded(12), 2, 10, QChar(u'0'))
                            .arg(1 + random.bounded(28), 2, 10, QChar(u'0'))
                            .arg(random.bounded(100), 2, 10, QChar(u'0'))
                            .arg(random.bounded(24), 2, 10, QChar(u'0'))
                            .arg(random.bounded(2) * 30, 2, 10, QChar(u'0'))
                            .arg(i);
            std::vector<WorkLine> lines = workLines(rows);
            shellSortByKey(lines);
            QCOMPARE(lines.size(), std::size_t(n));
            QVERIFY(
                std::is_sorted(lines.begin(), lines.end(),
                               [](const WorkLine& a, const WorkLine& b) { return a.key < b.key; }));
            // Every row is there exactly once: the message numbers them.
            QList<int> seen;
            for (const WorkLine& line : lines)
                seen << QString::fromStdString(line.line).section(u' ', -1).toInt();
            std::sort(seen.begin(), seen.end());
            for (int i = 0; i < n; ++i)
                QCOMPARE(seen[i], i);
        }
    }

    void gather_data() {
        QTest::addColumn<Rows>("rows"); // slots from 0; "" is an empty row
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("count");
        const int ok = int(GatherStatus::Ok);
        QTest::newRow("empty table") << Rows{} << int(GatherStatus::NothingToSort) << -1 << 0;
        QTest::newRow("first row has a time only")
            << Rows{" ||0100|x", " |01/10/04|0100|"} << int(GatherStatus::NothingToSort) << -1 << 0;
        QTest::newRow("stops at the first empty row")
            << Rows{" |01/10/04|0100|", " |01/11/04|0100|", " |01/12/04|0100|", "",
                    " |01/13/04|0100|", " |01/14/04|0100|"}
            << ok << -1 << 3;
        QTest::newRow("a blank date is empty")
            << Rows{" |01/10/04|0100|", " |   |0100|x"} << ok << -1 << 1;
        QTest::newRow("sked 5 has no time")
            << Rows{" |01/10/04|0100|", " |01/11/04|0100|", " |01/12/04|0100|", " |01/13/04|0100|",
                    " |01/14/04|  |x"}
            << int(GatherStatus::MissingTime) << 4 << 0;
        QTest::newRow("missing time below a gap is not looked at")
            << Rows{" |01/10/04|0100|", "", " |01/14/04||x"} << ok << -1 << 1;
        QTest::newRow("sked 2 has month 13")
            << Rows{" |01/10/04|0100|", " |13/10/04|0100|", " |01/12/04||"}
            << int(GatherStatus::Malformed) << 1 << 0;
        QTest::newRow("missing time before a malformed row")
            << Rows{" |01/10/04||", " |13/10/04|0100|"} << int(GatherStatus::MissingTime) << 0 << 0;
        QTest::newRow("sked 1 has hour 25")
            << Rows{" |01/10/04|2500|"} << int(GatherStatus::Malformed) << 0 << 0;
        QTest::newRow("all 40 rows") << Rows(40, " |01/10/04|0100|") << ok << -1 << 40;
    }
    void gather() {
        QFETCH(Rows, rows);
        QFETCH(int, status);
        QFETCH(int, slot);
        QFETCH(int, count);
        SkedTable table;
        fillRows(table, rows);
        const Gathered gathered = gatherForReorder(table);
        QCOMPARE(int(gathered.status), status);
        QCOMPARE(gathered.slot, slot);
        QCOMPARE(int(gathered.lines.size()), count);
        for (int i = 0; i < count; ++i)
            QCOMPARE(gathered.lines[std::size_t(i)].line, reorderRowLine(table.row(i)));
    }

    void reorderWritesAndReloads_data() {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<int>("weekly");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Rows>("table"); // slots from 0 after the re-order
        QTest::newRow("three rows, skip flags travel")
            << Rows{"S|01/05/04|0900|W1AW", " |01/03/04|1700|DL1ABC", "S|01/03/04|0830|G3XYZ"} << 1
            << QByteArray("S 01/03/04    0830  G3XYZ\r\n"
                          "  01/03/04    1700  DL1ABC\r\n"
                          "S 01/05/04    0900  W1AW\r\n"
                          "WeeklyIncr: 1\r\nend\r\n")
            << Rows{"S|01/03/04|0830|G3XYZ", " |01/03/04|1700|DL1ABC", "S|01/05/04|0900|W1AW"};
        QTest::newRow("one row is written all the same")
            << Rows{" |01/05/04|0900|  lead"} << 0
            << QByteArray("  01/05/04    0900    lead\r\nWeeklyIncr: 0\r\nend\r\n")
            << Rows{" |01/05/04|0900|lead"};
        QTest::newRow("gap at sked 4: sked 6 stays on screen, not in the file")
            << Rows{" |01/05/04|0900|c",  " |01/04/04|0900|b", " |01/03/04|0900|a", "", "",
                    " |01/01/04|0100|six"}
            << 0
            << QByteArray("  01/03/04    0900  a\r\n  01/04/04    0900  b\r\n"
                          "  01/05/04    0900  c\r\nWeeklyIncr: 0\r\nend\r\n")
            << Rows{" |01/03/04|0900|a",  " |01/04/04|0900|b", " |01/05/04|0900|c", " |||", " |||",
                    " |01/01/04|0100|six"};
        QTest::newRow("a non-ASCII message outside Windows-1252 is written as UTF-8")
            << Rows{" |01/05/04|0900|Σ net", " |01/04/04|0900|Zürich"} << 0
            << QByteArray("  01/04/04    0900  Zürich\r\n  01/05/04    0900  Σ net\r\n"
                          "WeeklyIncr: 0\r\nend\r\n")
            << Rows{" |01/04/04|0900|Zürich", " |01/05/04|0900|Σ net"};
    }
    void reorderWritesAndReloads() {
        QFETCH(Rows, rows);
        QFETCH(int, weekly);
        QFETCH(QByteArray, file);
        QFETCH(Rows, table);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("skeds.dat"));
        writeBytes(path, "old contents\r\n");
        SkedTable skeds;
        fillRows(skeds, rows);
        skeds.setWeekly(weekly);
        const ReorderResult result = reorderSkeds(skeds, path.toStdString());
        QCOMPARE(int(result.status), int(ReorderResult::Status::Reordered));
        QCOMPARE(readBytes(path), file);
        QCOMPARE(describeRows(skeds, int(table.size())), table);
        QCOMPARE(skeds.weekly(), weekly);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"skeds.dat"});
    }

    void fortyRowsLeaveTheWeeklySwitch() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("skeds.dat"));
        SkedTable skeds;
        Rows rows;
        for (int i = 0; i < 40; ++i) {
            const int k = 40 - i; // sked 1 is the latest: 02/20/04
            rows << QStringLiteral(" |%1/%2/04|1200|sked %3")
                        .arg(k <= 20 ? 1 : 2, 2, 10, QChar(u'0'))
                        .arg(k <= 20 ? k : k - 20, 2, 10, QChar(u'0'))
                        .arg(i + 1);
        }
        fillRows(skeds, rows);
        skeds.setWeekly(1);
        QCOMPARE(int(reorderSkeds(skeds, path.toStdString()).status),
                 int(ReorderResult::Status::Reordered));
        const QList<QByteArray> lines = readBytes(path).split('\n');
        QCOMPARE(lines.size(), 43); // 42 lines and the empty rest after the last line end
        QCOMPARE(lines[40], QByteArray("WeeklyIncr: 1\r"));
        QCOMPARE(lines[41], QByteArray("end\r"));
        QCOMPARE(skeds.weekly(), 1);
        QCOMPARE(describe(skeds.row(0)), QStringLiteral(" |01/01/04|1200|sked 40"));
        QCOMPARE(describe(skeds.row(39)), QStringLiteral(" |02/20/04|1200|sked 1"));
    }

    void failedWriteChangesNothing_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("missing folder") << "no/such/skeds.dat";
        QTest::newRow("a folder in the way") << "folder";
    }
    void failedWriteChangesNothing() {
        QFETCH(QString, target);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        const QString path = dir.filePath(target);
        SkedTable skeds;
        const Rows rows{" |01/05/04|0900|a", " |01/04/04|0900|b"};
        fillRows(skeds, rows);
        const ReorderResult result = reorderSkeds(skeds, path.toStdString());
        QCOMPARE(int(result.status), int(ReorderResult::Status::WriteFailed));
        QVERIFY(!result.error.empty());
        QCOMPARE(describeRows(skeds, 2), rows);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{});
    }
};

QTEST_APPLESS_MAIN(TestReorder)
#include "tst_reorder.moc"
