#include "Text.h"

#include <QTest>

// Columns and limits count characters, so every helper must step over whole UTF-8 sequences.
class TestText : public QObject {
    Q_OBJECT

private slots:
    void midCodePoints_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ascii") << "abcdef" << 2 << 3 << "cde";
        QTest::newRow("past the end") << "abc" << 5 << 3 << "";
        QTest::newRow("runs off the end") << "abcd" << 2 << 10 << "cd";
        QTest::newRow("accents count once")
            << QString::fromUtf8("éèêë") << 1 << 2 << QString::fromUtf8("èê");
        QTest::newRow("four-byte characters")
            << QString::fromUtf8("a😀b😀c") << 1 << 3 << QString::fromUtf8("😀b😀");
    }
    void midCodePoints() {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, count);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(::midCodePoints(text.toStdString(),
                                                        static_cast<std::size_t>(start),
                                                        static_cast<std::size_t>(count))),
                 expected);
    }

    void padAndCount() {
        const std::string accented = "\xC3\xA9t\xC3\xA9"; // été
        QCOMPARE(codePointCount(accented), std::size_t(3));
        QCOMPARE(padRight(accented, 5), accented + "  ");
        QCOMPARE(padRight("toolong", 3), std::string("toolong"));
        QCOMPARE(trimBlanks("  a b  "), std::string("a b"));
        QCOMPARE(trimBlanks("\ta\t"), std::string("\ta\t"));
        QVERIFY(isBlank("   "));
        QVERIFY(!isBlank(" x "));
    }

    void utf8Validity_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::newRow("ascii") << QByteArray("plain") << true;
        QTest::newRow("two bytes") << QByteArray("\xC3\xA9") << true;
        QTest::newRow("euro sign") << QByteArray("\xE2\x82\xAC") << true;
        QTest::newRow("emoji") << QByteArray("\xF0\x9F\x98\x80") << true;
        QTest::newRow("lone cp1252 byte") << QByteArray("caf\xE9") << false;
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << false;
        QTest::newRow("overlong three bytes") << QByteArray("\xE0\x80\xAF") << false;
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
        QTest::newRow("truncated") << QByteArray("\xE2\x82") << false;
        QTest::newRow("stray continuation") << QByteArray("\x80") << false;
    }
    void utf8Validity() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QCOMPARE(isValidUtf8(bytes.toStdString()), valid);
    }

    void cp1252BothWays_data() {
        QTest::addColumn<QByteArray>("cp1252");
        QTest::addColumn<QString>("text");
        QTest::newRow("latin-1 range") << QByteArray("caf\xE9 \xFC") << QString::fromUtf8("café ü");
        QTest::newRow("euro and quotes")
            << QByteArray("\x80 \x93x\x94") << QString::fromUtf8("€ “x”");
        QTest::newRow("undefined byte kept") << QByteArray("\x81") << QString(QChar(0x81));
        QTest::newRow("ascii") << QByteArray("W1AW 1430") << QStringLiteral("W1AW 1430");
    }
    void cp1252BothWays() {
        QFETCH(QByteArray, cp1252);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(cp1252ToUtf8(cp1252.toStdString())), text);
        QCOMPARE(utf8ToCp1252(text.toStdString()), std::optional(cp1252.toStdString()));
    }

    void outsideCp1252HasNoEncoding() {
        QCOMPARE(utf8ToCp1252("\xE6\x97\xA5"), std::nullopt); // 日
        QCOMPARE(utf8ToCp1252("\xC4\x80"), std::nullopt);     // Ā
    }
};

QTEST_APPLESS_MAIN(TestText)
#include "tst_text.moc"
