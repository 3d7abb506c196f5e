#include "ClockLabel.h"

#include <QTest>

// The clock's label must draw exactly the pixels a plain label draws, background included: each
// case paints a window holding a plain label and one holding the clock's label, set up alike, and
// compares the two pictures.
class TestClockLabel : public QObject {
    Q_OBJECT

    static QFont clockFont() {
        QFont font;
        font.setPointSize(18);
        font.setBold(true);
        return font;
    }

    template <typename Label>
    static QImage picture(const QString& text, const std::function<void(QLabel&)>& setUp,
                          const QPalette& windowPalette) {
        QWidget window;
        window.setPalette(windowPalette);
        window.resize(330, 80);
        Label label(text, &window);
        label.setGeometry(190, 24, 122, 25);
        label.setFont(clockFont());
        setUp(label);
        return window.grab().toImage();
    }

    static void compareWithPlainLabel(
        const QString& text, const std::function<void(QLabel&)>& setUp = [](QLabel&) {},
        const QPalette& windowPalette = QPalette()) {
        const QImage plain = picture<QLabel>(text, setUp, windowPalette);
        const QImage clock = picture<ClockLabel>(text, setUp, windowPalette);
        QVERIFY2(plain == clock, qPrintable(QStringLiteral("differs for \"%1\"").arg(text)));
    }

private slots:
    void drawsClockTextsAsAPlainLabel_data() {
        QTest::addColumn<QString>("text");
        for (const char* text : {"00:00:00", "12:34:56", "23:59:59", "19:07:41", "01:27", "00:00",
                                 "0", "Done", "", "12:3a:56", "-1:00"})
            QTest::newRow(text) << QString::fromLatin1(text);
    }

    void drawsClockTextsAsAPlainLabel() {
        QFETCH(QString, text);
        compareWithPlainLabel(text);
    }

    // Characters side by side stand where a whole layout would put them only if no pair of them
    // is kerned or joined.
    void everyPairOfClockCharactersStandsAsInAPlainLabel() {
        const QString characters = QStringLiteral("0123456789:");
        for (const QChar first : characters)
            for (const QChar second : characters)
                compareWithPlainLabel(QString(first) + second + QStringLiteral("0"));
    }

    void labelSetUpOtherwiseIsDrawnThePlainWay_data() {
        QTest::addColumn<int>("setUp");
        QTest::newRow("centred") << 0;
        QTest::newRow("margin") << 1;
        QTest::newRow("disabled") << 2;
        QTest::newRow("framed") << 3;
        QTest::newRow("blue text") << 4;
        QTest::newRow("smaller font") << 5;
    }

    void labelSetUpOtherwiseIsDrawnThePlainWay() {
        QFETCH(int, setUp);
        compareWithPlainLabel(QStringLiteral("12:34:56"), [setUp](QLabel& label) {
            switch (setUp) {
            case 0:
                label.setAlignment(Qt::AlignCenter);
                break;
            case 1:
                label.setMargin(3);
                break;
            case 2:
                label.setEnabled(false);
                break;
            case 3:
                label.setFrameStyle(QFrame::Box);
                break;
            case 4: {
                QPalette blue = label.palette();
                blue.setColor(QPalette::WindowText, Qt::blue);
                label.setPalette(blue);
                break;
            }
            default: {
                QFont font = label.font();
                font.setPointSize(10);
                label.setFont(font);
            }
            }
        });
    }

    void backgroundIsTheWindowsOwn() {
        QPalette green;
        green.setColor(QPalette::Window, QColor(0xc0, 0xff, 0xc0));
        compareWithPlainLabel(
            QStringLiteral("08:15:00"), [](QLabel&) {}, green);
    }

    // Characters laid out in one font must not be drawn in it after a change of font.
    void newFontIsLaidOutAfresh() {
        QWidget window;
        window.resize(330, 80);
        ClockLabel clock(QStringLiteral("10:20:30"), &window);
        clock.setGeometry(190, 24, 122, 25);
        clock.setFont(clockFont());
        window.grab();
        QFont small = clock.font();
        small.setPointSize(9);
        clock.setFont(small);
        const QImage after = window.grab().toImage();
        const auto smallFont = [&small](QLabel& label) {
            label.setFont(small);
        };
        QCOMPARE(after, picture<QLabel>(QStringLiteral("10:20:30"), smallFont, QPalette()));
    }
};

QTEST_MAIN(TestClockLabel)
#include "tst_clocklabel.moc"
