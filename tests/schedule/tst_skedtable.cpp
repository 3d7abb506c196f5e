#include "SkedTable.h"

#include <QTest>

#include <vector>

class TestSkedTable : public QObject {
    Q_OBJECT

private slots:
    void fieldsAreCutToTheirLimitsInCharacters() {
        SkedTable table;
        table.setDate(0, "12/05/2026xx");
        table.setTime(0, "14305");
        table.setMessage(0, std::string(59, 'a') + "\xC3\xA9\xC3\xA9"); // 59 + "éé"
        QCOMPARE(table.row(0).date, std::string("12/05/2026"));
        QCOMPARE(table.row(0).time, std::string("1430"));
        QCOMPARE(table.row(0).message, std::string(59, 'a') + "\xC3\xA9");
    }

    void lineBreaksCannotEnterAField() {
        SkedTable table;
        table.setMessage(3, "one\r\ntwo\nthree");
        QCOMPARE(table.row(3).message, std::string("one  two three"));
    }

    void dateBecomingBlankClearsSkip_data() {
        QTest::addColumn<QString>("newDate");
        QTest::addColumn<bool>("skip");
        QTest::newRow("emptied") << "" << false;
        QTest::newRow("only blanks") << "   " << false;
        QTest::newRow("another date") << "12/06/26" << true;
    }
    void dateBecomingBlankClearsSkip() {
        QFETCH(QString, newDate);
        QFETCH(bool, skip);
        SkedTable table;
        table.setDate(5, "12/05/26");
        table.setSkip(5, true);
        table.setDate(5, newDate.toStdString());
        QCOMPARE(table.row(5).skip, skip);
    }

    void spareSlotFollowsTheDateRuleToo() {
        SkedTable table;
        table.setDate(SkedTable::kSpare, "x");
        table.setSkip(SkedTable::kSpare, true);
        table.setDate(SkedTable::kSpare, "");
        QVERIFY(!table.row(SkedTable::kSpare).skip);
    }

    void emptyRowIsABlankDate() {
        SkedTable table;
        table.setTime(0, "1430");
        table.setMessage(0, "W1AW");
        QVERIFY(table.isEmpty(0));
        table.setDate(0, "  ");
        QVERIFY(table.isEmpty(0));
        table.setDate(0, " 1");
        QVERIFY(!table.isEmpty(0));
    }

    void blankRange() {
        SkedTable table;
        for (int i = 0; i < SkedTable::kSlots; ++i) {
            table.setDate(i, "d" + std::to_string(i));
            table.setTime(i, "1200");
            table.setMessage(i, "m");
            table.setSkip(i, true);
        }
        table.setWeekly(1);
        table.blank(0, 39);
        for (int i = 0; i < 40; ++i)
            QCOMPARE(table.row(i), SkedEntry{});
        QCOMPARE(table.row(40).date, std::string("d40"));
        QCOMPARE(table.weekly(), 1);
    }

    void listenerHearsEachRealChange() {
        SkedTable table;
        std::vector<int> heard;
        table.setListener([&](int slot) { heard.push_back(slot); });
        table.setDate(2, "12/05/26");
        table.setDate(2, "12/05/26"); // unchanged: silent
        table.setSkip(2, true);
        table.setWeekly(1);
        table.setWeekly(1);
        table.blank(0, 40); // only slot 2 held anything
        QCOMPARE(heard, (std::vector<int>{2, 2, SkedTable::kWeeklyChanged, 2}));
    }
};

QTEST_APPLESS_MAIN(TestSkedTable)
#include "tst_skedtable.moc"
