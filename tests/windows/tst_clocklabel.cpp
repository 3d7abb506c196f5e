// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "ClockLabel.h"

#include <QAccessible>
#include <QLabel>
#include <QPaintEvent>
#include <QTest>

namespace {

QFont clockFont(int pointSize = 18) {
    QFont font;
    font.setPointSize(pointSize);
    font.setBold(true);
    return font;
}

// A window like the main one with one label at the clock's place, set up as a row says:
// "disabled", "small", "coloured", "new font" or nothing.
template <typename Label> QImage picture(const QString& text, const QString& setUp) {
    QWidget window;
    window.resize(330, 80);
    Label label(text, &window);
    label.setGeometry(190, 24, 122, 25);
    label.setFont(clockFont(setUp == u"small" ? 10 : 18));
    label.setEnabled(setUp != u"disabled");
    if (setUp == u"new font") { // drawn once in the old font first
        window.grab();
        label.setFont(clockFont(9));
    }
    if (setUp == u"coloured") {
        QPalette colours = label.palette();
        colours.setColor(QPalette::WindowText, Qt::blue);
        label.setPalette(colours);
        colours.setColor(QPalette::Window, Qt::green);
        window.setPalette(colours);
    }
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
        QTest::addColumn<QString>("setUp");
        for (const char* text : {"12:34:56", "01:27", "Done", "", "12:3a:56", " 9:05", "a\tb"})
            QTest::newRow(text) << QString::fromLatin1(text) << QString();
        // Characters drawn side by side stand as in a whole layout only if no pair is kerned.
        const QString characters = QStringLiteral("0123456789:");
        for (const QChar first : characters) {
            QString pairs;
            for (const QChar second : characters)
                pairs += QString(first) + second;
            QTest::addRow("pairs with %c", first.toLatin1()) << pairs << QString();
        }
        for (const char* setUp : {"disabled", "small", "coloured", "new font"})
            QTest::newRow(setUp) << QStringLiteral("08:15:00") << QString::fromLatin1(setUp);
    }
    void drawsAsAPlainLabel() {
        QFETCH(QString, text);
        QFETCH(QString, setUp);
        QCOMPARE(picture<ClockLabel>(text, setUp), picture<QLabel>(text, setUp));
    }

    // A new text is drawn at once, only from its first changed character on, and what is drawn
    // there turns the old picture into the new one; a text that changes from its first character
    // draws the whole label once, the same text draws nothing.
    // clang-format off
    void newTextRepaintsEnoughAtOnce_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("paints"); // 2: the whole label
        QTest::newRow("next second") << "12:34:56" << "12:34:57" << 1;
        QTest::newRow("a narrow 1") << "08:08:08" << "08:08:11" << 1;
        QTest::newRow("midnight") << "23:59:59" << "00:00:00" << 2;
        QTest::newRow("to Done") << "12:00:00" << "Done" << 2;
        QTest::newRow("the same") << "12:00:00" << "12:00:00" << 0;
    }
    // clang-format on
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
        // A screen reader hears what the label shows.
        QCOMPARE(QAccessible::queryAccessibleInterface(&clock)->text(QAccessible::Name), after);
        QCOMPARE(areas.areas.size(), paints > 0 ? 1 : 0);
        const QRegion area = areas.areas.value(0);
        QCOMPARE(area == QRegion(clock.rect()), paints == 2);
        // Only a part drawn over the old picture says anything of the drawing itself; a whole
        // label drawn afresh is what drawsAsAPlainLabel checks.
        if (paints != 1)
            return;
        clock.render(&shown, area.boundingRect().topLeft(), area);
        QImage fresh(clock.size(), QImage::Format_ARGB32_Premultiplied);
        clock.render(&fresh);
        QCOMPARE(shown, fresh);
    }
};

QTEST_MAIN(TestClockLabel)
#include "tst_clocklabel.moc"
