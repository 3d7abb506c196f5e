#include "Reorder.h"
#include "SkedFile.h"
#include "SkedRows.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using Rows = QStringList;
Q_DECLARE_METATYPE(ReorderResult::Status)

class TestReorder : public QObject {
    Q_OBJECT

private slots:
    // clang-format off
    void keys_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("key"); // yyyy-mm-dd hh:mm, empty: no key
        QTest::newRow("plain")              << "12/05/26"   << "1430" << "2026-12-05 14:30";
        QTest::newRow("29 is 2029")         << "01/01/29"   << "0000" << "2029-01-01 00:00";
        QTest::newRow("30 is 1930")         << "01/01/30"   << "2359" << "1930-01-01 23:59";
        QTest::newRow("leap day 2004")      << "02/29/04"   << "1200" << "2004-02-29 12:00";
        QTest::newRow("no leap day 2003")   << "02/29/03"   << "1200" << "";
        QTest::newRow("month 13")           << "13/01/04"   << "1200" << "";
        QTest::newRow("hour 24")            << "01/01/04"   << "2400" << "";
        QTest::newRow("minute 60")          << "01/01/04"   << "1260" << "";
        QTest::newRow("three-digit time")   << "01/01/04"   << "930"  << "";
        QTest::newRow("time with a colon")  << "01/01/04"   << "9:30" << "";
        QTest::newRow("single-digit month") << "1/5/04"     << "1200" << "";
        QTest::newRow("four-digit year")    << "01/05/2004" << "1200" << "";
        QTest::newRow("dashes")             << "01-05-04"   << "1200" << "";
        QTest::newRow("trailing junk")      << "1a/05/04"   << "1200" << "";
    }
    // clang-format on
    void keys() {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, key);
        const auto found = reorderKey({date.toStdString(), time.toStdString(), "m", false});
        QCOMPARE(found ? QStringLiteral("%1-%2-%3 %4:%5")
                             .arg(found->date.year)
                             .arg(found->date.month, 2, 10, QChar(u'0'))
                             .arg(found->date.day, 2, 10, QChar(u'0'))
                             .arg(found->hour, 2, 10, QChar(u'0'))
                             .arg(found->minute, 2, 10, QChar(u'0'))
                       : QString(),
                 key);
    }

    // Each case runs the whole command on a table and a file: the status, the rows after it
    // (slots 0 to 5) and the file's row lines.
    // clang-format off
    void reorder_data() {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<ReorderResult::Status>("status");
        QTest::addColumn<Rows>("after");
        using S = ReorderResult::Status;
        QTest::newRow("by date and time, flags travel") << Rows{" |01/05/04|0900|a", "S|01/03/04|1700|b", " |01/03/04|0830|c"} << S::Reordered << Rows{" |01/03/04|0830|c", "S|01/03/04|1700|b", " |01/05/04|0900|a"};
        QTest::newRow("year end, not text order")       << Rows{" |01/02/04|0100|a", " |12/30/03|2300|b", " |01/01/00|0000|c", " |12/31/99|2359|d"} << S::Reordered << Rows{" |12/31/99|2359|d", " |01/01/00|0000|c", " |12/30/03|2300|b", " |01/02/04|0100|a"};
        QTest::newRow("equal keys moved past each other") << Rows{" |01/10/04|0500|", " |01/10/04|0100|A", " |01/10/04|0100|B", " |01/10/04|0600|", " |01/10/04|0700|"} << S::Reordered << Rows{" |01/10/04|0100|B", " |01/10/04|0100|A", " |01/10/04|0500|", " |01/10/04|0600|", " |01/10/04|0700|"};
        QTest::newRow("two equal keys keep their order") << Rows{" |01/10/04|0100|A", " |01/10/04|0100|B"} << S::Reordered << Rows{" |01/10/04|0100|A", " |01/10/04|0100|B"};
        QTest::newRow("gaps close, every filled row") << Rows{" |01/05/04|0900|a", "", " |01/03/04|0830|b", "", " |01/04/04|0000|c"} << S::Reordered << Rows{" |01/03/04|0830|b", " |01/04/04|0000|c", " |01/05/04|0900|a"};
        QTest::newRow("a time without a date is empty") << Rows{" |01/05/04|0900|a", " | |1200|x"} << S::Reordered << Rows{" |01/05/04|0900|a"};
        QTest::newRow("message blanks go on reload")  << Rows{" |01/05/04|0900|  a  "} << S::Reordered << Rows{" |01/05/04|0900|a"};
        QTest::newRow("nothing filled")               << Rows{"", " | |1200|x"} << S::NothingToSort << Rows{"", " | |1200|x"};
        QTest::newRow("sked 3 has no time")           << Rows{" |01/05/04|0900|a", "", "S|01/03/04| |b"} << S::MissingTime << Rows{" |01/05/04|0900|a", "", "S|01/03/04| |b"};
        QTest::newRow("sked 2 has month 13")          << Rows{" |01/05/04|0900|a", " |13/03/04|0900|b"} << S::Malformed << Rows{" |01/05/04|0900|a", " |13/03/04|0900|b"};
    }
    // clang-format on
    void reorder() {
        QFETCH(Rows, rows);
        QFETCH(ReorderResult::Status, status);
        QFETCH(Rows, after);
        QTemporaryDir dir;
        const QString path = dir.filePath("skeds.dat");
        writeBytes(path, "untouched");
        SkedTable table;
        table.setWeekly(1);
        fillRows(table, rows);
        const ReorderResult result = reorderSkeds(table, path.toStdString());
        QCOMPARE(result.status, status);
        while (after.size() < 6)
            after << " |||";
        for (QString& row : after)
            row = describe(entryFrom(row));
        QCOMPARE(describeRows(table, 6), after);
        if (status != ReorderResult::Status::Reordered) {
            QCOMPARE(readBytes(path), QByteArray("untouched"));
            return;
        }
        SkedTable reread;
        QVERIFY(readSkedFile(path.toStdString(), reread).ok());
        QCOMPARE(describeRows(reread), describeRows(table));
        QCOMPARE(reread.weekly(), 1);
    }

    // Any table of well-formed rows comes back as a permutation of its rows, sorted by key.
    void sortsAnyTable() {
        QRandomGenerator random(7);
        for (int round = 0; round < 200; ++round) {
            std::vector<KeyedRow> rows;
            const int n = random.bounded(1, 41);
            for (int i = 0; i < n; ++i) {
                const SkedEntry row{QStringLiteral("%1/%2/0%3")
                                        .arg(random.bounded(1, 13), 2, 10, QChar(u'0'))
                                        .arg(random.bounded(1, 29), 2, 10, QChar(u'0'))
                                        .arg(random.bounded(0, 3))
                                        .toStdString(),
                                    QStringLiteral("%1")
                                        .arg(random.bounded(0, 4) * 100, 4, 10, QChar(u'0'))
                                        .toStdString(),
                                    std::to_string(i), false};
                rows.push_back({row, *reorderKey(row)});
            }
            auto sorted = rows;
            shellSortByKey(sorted);
            QVERIFY(std::is_sorted(sorted.begin(), sorted.end(),
                                   [](const auto& a, const auto& b) { return a.key < b.key; }));
            auto message = [](const KeyedRow& row) {
                return row.row.message;
            };
            std::vector<std::string> before, after;
            std::transform(rows.begin(), rows.end(), std::back_inserter(before), message);
            std::transform(sorted.begin(), sorted.end(), std::back_inserter(after), message);
            QVERIFY(std::is_permutation(before.begin(), before.end(), after.begin()));
        }
    }

    void failedWriteChangesNothing() {
        QTemporaryDir dir;
        SkedTable table;
        fillRows(table, {" |01/05/04|0900|a", " |01/03/04|0830|b"});
        const QStringList before = describeRows(table);
        const auto result = reorderSkeds(table, dir.filePath("no/such/skeds.dat").toStdString());
        QCOMPARE(result.status, ReorderResult::Status::WriteFailed);
        QCOMPARE(describeRows(table), before);
    }
};

QTEST_GUILESS_MAIN(TestReorder)
#include "tst_reorder.moc"
