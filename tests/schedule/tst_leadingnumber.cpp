#include "LeadingNumber.h"

#include <QTest>

#include <limits>

class TestLeadingNumber : public QObject {
    Q_OBJECT

private slots:
    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "5" << 5.0;
        QTest::newRow("plus sign") << "+3" << 3.0;
        QTest::newRow("minus sign") << "-4" << -4.0;
        QTest::newRow("blanks around") << "  7  " << 7.0;
        QTest::newRow("decimal") << "5.5" << 5.5;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("trailing point") << "12." << 12.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("digits then letters") << "3h" << 3.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("sign then blank") << "- 5" << 0.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("blank inside stops") << "1 2" << 1.0;
        QTest::newRow("tab is not a blank") << "\t5" << 0.0;
        QTest::newRow("comma stops") << "2,5" << 2.0;
        QTest::newRow("exponent not read") << "1e3" << 1.0;
        QTest::newRow("minus then point") << "-0.5" << -0.5;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(LeadingNumber(text.toStdString()), value);
    }

    void hugeNumberDoesNotFitIntegers() {
        const std::string digits(400, '9');
        QCOMPARE(roundToInt32(LeadingNumber(digits)), std::nullopt);
        QCOMPARE(roundToInt16(LeadingNumber("-" + digits)), std::nullopt);
    }

    void roundHalfEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("2.5 down to even") << 2.5 << 2.0;
        QTest::newRow("3.5 up to even") << 3.5 << 4.0;
        QTest::newRow("4.5 down") << 4.5 << 4.0;
        QTest::newRow("5.5 up") << 5.5 << 6.0;
        QTest::newRow("-0.5 to zero") << -0.5 << 0.0;
        QTest::newRow("-1.5 to -2") << -1.5 << -2.0;
        QTest::newRow("-2.5 to -2") << -2.5 << -2.0;
        QTest::newRow("below half") << 2.49 << 2.0;
        QTest::newRow("above half") << 2.51 << 3.0;
        QTest::newRow("negative above half") << -2.51 << -3.0;
    }
    void roundHalfEven() {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(::roundHalfEven(value), rounded);
    }

    void integerRanges() {
        QCOMPARE(roundToInt16(32767.4), std::optional<std::int16_t>(32767));
        QCOMPARE(roundToInt16(32767.5), std::nullopt);
        QCOMPARE(roundToInt16(-32768.5), std::optional<std::int16_t>(-32768));
        QCOMPARE(roundToInt16(-32768.6), std::nullopt);
        QCOMPARE(roundToInt32(2147483647.0), std::optional<std::int32_t>(2147483647));
        QCOMPARE(roundToInt32(2147483648.0), std::nullopt);
        QCOMPARE(roundToInt32(std::numeric_limits<double>::infinity()), std::nullopt);
    }

    void hourOffset_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("offset"); // 99: refused
        QTest::newRow("+3") << "+3" << 3;
        QTest::newRow("-4") << "-4" << -4;
        QTest::newRow("blanks") << " 7 " << 7;
        QTest::newRow("5.5 to 6") << "5.5" << 6;
        QTest::newRow("4.5 to 4") << "4.5" << 4;
        QTest::newRow("abc to 0") << "abc" << 0;
        QTest::newRow("3h") << "3h" << 3;
        QTest::newRow("24 kept") << "24" << 24;
        QTest::newRow("-24 kept") << "-24" << -24;
        QTest::newRow("24.5 rounds to 24") << "24.5" << 24;
        QTest::newRow("25 refused") << "25" << 99;
        QTest::newRow("-25 refused") << "-25" << 99;
        QTest::newRow("beyond 16 bits refused") << "40000" << 99;
    }
    void hourOffset() {
        QFETCH(QString, text);
        QFETCH(int, offset);
        const auto result = hourOffsetFromText(text.toStdString());
        if (offset == 99)
            QCOMPARE(result, std::nullopt);
        else
            QCOMPARE(result, std::optional<std::int16_t>(offset));
    }

    void timeText_data() {
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("shown");
        QTest::newRow("four digits") << "1430"
                                     << "14:30";
        QTest::newRow("three digits padded") << "930"
                                             << "09:30";
        QTest::newRow("minutes keep two digits") << "0005"
                                                 << "00:05";
        QTest::newRow("one digit") << "5"
                                   << "00:05";
        QTest::newRow("midnight") << "0000"
                                  << "00:00";
        QTest::newRow("empty stays empty") << ""
                                           << "";
        QTest::newRow("not a number") << "ab"
                                      << "ab";
        QTest::newRow("blank inside") << "14 3"
                                      << "14 3";
        QTest::newRow("colon already") << "14:3"
                                       << "14:3";
    }
    void timeText() {
        QFETCH(QString, time);
        QFETCH(QString, shown);
        QCOMPARE(QString::fromStdString(formatTimeText(time.toStdString())), shown);
    }
};

QTEST_APPLESS_MAIN(TestLeadingNumber)
#include "tst_leadingnumber.moc"
