#include "ClockLabel.h"

#include <QAccessible>
#include <QLabel>
#include <QPaintEvent>
#include <QTest>

#include <functional>

namespace {

QFont clockFont(int pointSize = 18) {
    QFont font;
    font.setPointSize(pointSize);
    font.setBold(true);
    return font;
}

using SetUp = std::function<void(QWidget&)>;

// A window like the main one holding one label at the clock's place.
template <typename Label> struct OnWindow {
    QWidget window;
    Label label;

    explicit OnWindow(const QString& text, const QPalette& windowPalette = QPalette())
        : label(text, &window) {
        window.setPalette(windowPalette);
        window.resize(330, 80);
        label.setGeometry(190, 24, 122, 25);
        label.setFont(clockFont());
    }
    bool shown() {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
};

template <typename Label>
QImage picture(
    const QString& text, const SetUp& setUp = [](QWidget&) {},
    const QPalette& windowPalette = QPalette()) {
    OnWindow<Label> on(text, windowPalette);
    setUp(on.label);
    return on.window.grab().toImage();
}

// Notes the area of each paint of a widget.
class PaintAreas : public QObject {
public:
    explicit PaintAreas(QWidget* widget) { widget->installEventFilter(this); }
    QList<QRegion> areas;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            areas << static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

} // namespace

// The clock's label must draw exactly the pixels a plain label draws, background included: each
// case paints a window holding a plain label and one holding the clock's label, set up alike, and
// compares the two pictures.
class TestClockLabel : public QObject {
    Q_OBJECT

    static void compareWithPlainLabel(
        const QString& text, const SetUp& setUp = [](QWidget&) {},
        const QPalette& windowPalette = QPalette()) {
        const QImage plain = picture<QLabel>(text, setUp, windowPalette);
        const QImage clock = picture<ClockLabel>(text, setUp, windowPalette);
        QVERIFY2(plain == clock, qPrintable(QStringLiteral("differs for \"%1\"").arg(text)));
    }

private slots:
    void drawsTextsAsAPlainLabel_data() {
        QTest::addColumn<QString>("text");
        for (const char* text : {"00:00:00", "12:34:56", "23:59:59", "19:07:41", "01:27", "00:00",
                                 "0", "Done", "", "12:3a:56", "-1:00", " 9:05", "a\tb"})
            QTest::newRow(text) << QString::fromLatin1(text);
    }

    void drawsTextsAsAPlainLabel() {
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

    void followsTheLabelsSetUp_data() {
        QTest::addColumn<SetUp>("setUp");
        QTest::newRow("disabled") << SetUp([](QWidget& label) { label.setEnabled(false); });
        QTest::newRow("blue text") << SetUp([](QWidget& label) {
            QPalette blue = label.palette();
            blue.setColor(QPalette::WindowText, Qt::blue);
            label.setPalette(blue);
        });
        QTest::newRow("smaller font")
            << SetUp([](QWidget& label) { label.setFont(clockFont(10)); });
        QTest::newRow("taller") << SetUp([](QWidget& label) { label.resize(122, 40); });
    }

    void followsTheLabelsSetUp() {
        QFETCH(SetUp, setUp);
        compareWithPlainLabel(QStringLiteral("12:34:56"), setUp);
    }

    void backgroundIsTheWindowsOwn() {
        QPalette green;
        green.setColor(QPalette::Window, QColor(0xc0, 0xff, 0xc0));
        compareWithPlainLabel(
            QStringLiteral("08:15:00"), [](QWidget&) {}, green);
    }

    // Characters laid out in one font must not be drawn in it after a change of font.
    void newFontIsLaidOutAfresh() {
        OnWindow<ClockLabel> on(QStringLiteral("10:20:30"));
        on.window.grab();
        on.label.setFont(clockFont(9));
        const SetUp smallFont = [](QWidget& label) {
            label.setFont(clockFont(9));
        };
        QCOMPARE(on.window.grab().toImage(),
                 picture<QLabel>(QStringLiteral("10:20:30"), smallFont));
    }

    // A new text is drawn at once, and only from its first changed character on; what is drawn
    // there must complete the old picture into the new one.
    void newTextRepaintsEnoughAtOnce_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("whole");
        const auto row = [](const char* name, const char* before, const char* after, bool whole) {
            QTest::newRow(name) << QString::fromLatin1(before) << QString::fromLatin1(after)
                                << whole;
        };
        row("next second", "12:34:56", "12:34:57", false);
        row("next minute", "12:34:59", "12:35:00", false);
        row("a 1 after a wide digit", "08:08:08", "08:08:11", false);
        row("midnight", "23:59:59", "00:00:00", true);
        row("countdown to time", "00:01", "12:00:01", true);
        row("time to Done", "12:00:00", "Done", true);
    }

    void newTextRepaintsEnoughAtOnce() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, whole);
        OnWindow<ClockLabel> on(before);
        QVERIFY(on.shown());
        ClockLabel& clock = on.label;
        QImage shown(clock.size(), QImage::Format_ARGB32_Premultiplied);
        clock.render(&shown);
        PaintAreas paints(&clock);

        clock.setText(after);
        QCOMPARE(paints.areas.size(), 1);
        const QRegion area = paints.areas.front();
        QCOMPARE(area == QRegion(clock.rect()), whole);
        clock.render(&shown, area.boundingRect().topLeft(), area);
        QImage fresh(clock.size(), QImage::Format_ARGB32_Premultiplied);
        clock.render(&fresh);
        QCOMPARE(shown, fresh);
    }

    void sameTextDrawsNothing() {
        OnWindow<ClockLabel> on(QStringLiteral("12:00:00"));
        QVERIFY(on.shown());
        PaintAreas paints(&on.label);
        on.label.setText(QStringLiteral("12:00:00"));
        QVERIFY(paints.areas.isEmpty());
    }

    void screenReaderHearsALabel() {
        QWidget window;
        ClockLabel clock(QStringLiteral("12:00:00"), &window);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&clock);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::StaticText);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("12:00:00"));
        clock.setAccessibleName(QStringLiteral("Clock"));
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Clock"));
    }
};

QTEST_MAIN(TestClockLabel)
#include "tst_clocklabel.moc"
