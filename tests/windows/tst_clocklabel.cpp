#include "ClockLabel.h"

#include <QLabel>
#include <QPaintEvent>
#include <QTest>

#include <functional>

namespace {

using SetUp = std::function<void(QWidget&)>;

QFont clockFont(int pointSize = 18) {
    QFont font;
    font.setPointSize(pointSize);
    font.setBold(true);
    return font;
}

// A picture of a window like the main one holding one label at the clock's place.
template <typename Label> QImage picture(const QString& text, const SetUp& setUp) {
    QWidget window;
    window.resize(330, 80);
    Label label(text, &window);
    label.setGeometry(190, 24, 122, 25);
    label.setFont(clockFont());
    setUp(label);
    return window.grab().toImage();
}

// Notes the area of each paint of a widget.
struct PaintAreas : QObject {
    explicit PaintAreas(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            areas << static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QList<QRegion> areas;
};

} // namespace

// The clock's label must draw exactly the pixels a plain label draws, background included.
class TestClockLabel : public QObject {
    Q_OBJECT

private slots:
    void drawsAsAPlainLabel_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<SetUp>("setUp");
        const SetUp plain = [](QWidget&) {
        };
        for (const char* text : {"12:34:56", "01:27", "Done", "", "12:3a:56", " 9:05", "a\tb"})
            QTest::newRow(text) << QString::fromLatin1(text) << plain;
        // Characters drawn side by side stand as in a whole layout only if no pair is kerned.
        const QString characters = QStringLiteral("0123456789:");
        for (const QChar first : characters) {
            QString pairs; // first then each character, and each character then first
            for (const QChar second : characters)
                pairs += QString(first) + second;
            QTest::addRow("pairs with %c", first.toLatin1()) << pairs << plain;
        }
        QTest::newRow("disabled") << "12:34:56" << SetUp([](QWidget& l) { l.setEnabled(false); });
        QTest::newRow("smaller font")
            << "12:34:56" << SetUp([](QWidget& l) { l.setFont(clockFont(10)); });
        QTest::newRow("coloured") << "08:15:00" << SetUp([](QWidget& l) {
            QPalette colours = l.palette();
            colours.setColor(QPalette::WindowText, Qt::blue);
            l.setPalette(colours);
            colours.setColor(QPalette::Window, Qt::green);
            l.parentWidget()->setPalette(colours);
        });
    }
    void drawsAsAPlainLabel() {
        QFETCH(QString, text);
        QFETCH(SetUp, setUp);
        QCOMPARE(picture<ClockLabel>(text, setUp), picture<QLabel>(text, setUp));
    }

    // A new text is drawn at once, only from its first changed character on, and what is drawn
    // there turns the old picture into the new one; the same text draws nothing.
    void newTextRepaintsEnoughAtOnce_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("paints"); // 2: the whole label
        QTest::newRow("next second") << "12:34:56"
                                     << "12:34:57" << 1;
        QTest::newRow("a narrow 1") << "08:08:08"
                                    << "08:08:11" << 1;
        QTest::newRow("midnight") << "23:59:59"
                                  << "00:00:00" << 2;
        QTest::newRow("to Done") << "12:00:00"
                                 << "Done" << 2;
        QTest::newRow("the same") << "12:00:00"
                                  << "12:00:00" << 0;
    }
    void newTextRepaintsEnoughAtOnce() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, paints);
        QWidget window;
        ClockLabel clock(before, &window);
        clock.setGeometry(10, 10, 122, 25);
        clock.setFont(clockFont());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QImage shown(clock.size(), QImage::Format_ARGB32_Premultiplied);
        clock.render(&shown);
        PaintAreas areas(&clock);
        clock.setText(after);
        QCOMPARE(areas.areas.size(), paints > 0 ? 1 : 0);
        const QRegion area = areas.areas.value(0);
        QCOMPARE(area == QRegion(clock.rect()), paints == 2);
        clock.render(&shown, area.boundingRect().topLeft(), area);
        QImage fresh(clock.size(), QImage::Format_ARGB32_Premultiplied);
        clock.render(&fresh);
        QCOMPARE(shown, fresh);
    }
};

QTEST_MAIN(TestClockLabel)
#include "tst_clocklabel.moc"
