#include "FakeSettings.h"
#include "Resizer.h"

#include <QLabel>
#include <QTest>

class TestResizer : public QObject {
    Q_OBJECT

private slots:
    void scaledGeometry_data() {
        QTest::addColumn<QRect>("designed");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QRect>("expected");
        const QRect field(45, 60, 73, 19);
        QTest::newRow("designed size") << field << QSize(517, 464) << field;
        QTest::newRow("twice the size") << field << QSize(1034, 928) << QRect(90, 120, 146, 38);
        QTest::newRow("half the size") << field << QSize(258, 232) << QRect(22, 30, 37, 10);
        QTest::newRow("only wider") << field << QSize(1034, 464) << QRect(90, 60, 146, 19);
        QTest::newRow("never below one pixel") << field << QSize(5, 5) << QRect(0, 1, 1, 1);
    }
    void scaledGeometry() {
        QFETCH(QRect, designed);
        QFETCH(QSize, client);
        QFETCH(QRect, expected);
        QCOMPARE(Resizer::scaled(designed, QSize(517, 464), client), expected);
    }

    void neighboursStillTouch() {
        // Edges are scaled, not sizes, so rounding opens no gap between adjacent controls.
        for (int width = 300; width < 1200; width += 7) {
            const QSize client(width, width);
            const QRect left = Resizer::scaled(QRect(0, 0, 73, 19), QSize(517, 464), client);
            const QRect right = Resizer::scaled(QRect(73, 0, 49, 19), QSize(517, 464), client);
            QCOMPARE(left.right() + 1, right.left());
        }
    }

    void fontFollowsTheSmallerScale() {
        QCOMPARE(Resizer::scaledPointSize(8, QSize(100, 100), QSize(200, 150)), 12.0);
        QCOMPARE(Resizer::scaledPointSize(8, QSize(100, 100), QSize(50, 300)), 4.0);
        QCOMPARE(Resizer::scaledPointSize(8, QSize(100, 100), QSize(1, 1)), 1.0);
    }

    void childrenFollowTheClientArea() {
        FakeSettings settings;
        QWidget window;
        window.setObjectName(QStringLiteral("frmAlarm"));
        window.resize(200, 100);
        auto* label = new QLabel(QStringLiteral("Alarm"), &window);
        label->setGeometry(10, 20, 50, 30);
        QFont font = label->font();
        font.setPointSize(12);
        label->setFont(font);
        Resizer resizer(&window, &window, QSize(200, 100), settings);
        resizer.captureDesign();
        window.show();
        window.resize(400, 300);
        QTRY_COMPARE(label->geometry(), QRect(20, 60, 100, 90));
        QCOMPARE(label->font().pointSizeF(), 24.0);
        window.resize(200, 100);
        QTRY_COMPARE(label->geometry(), QRect(10, 20, 50, 30));
        QCOMPARE(label->font().pointSizeF(), 12.0);
    }

    void storeAndRestoreRoundTrip() {
        FakeSettings settings;
        {
            QWidget window;
            window.setObjectName(QStringLiteral("frmSkeds"));
            Resizer resizer(&window, &window, QSize(100, 100), settings);
            window.resize(640, 480);
            window.move(30, 45);
            resizer.storeLayout(QStringLiteral("Tockmere"));
        }
        QCOMPARE(settings.values.value(QStringLiteral("Tockmere/frmSkeds/Width")),
                 QStringLiteral("9600"));
        QCOMPARE(settings.values.value(QStringLiteral("Tockmere/frmSkeds/Left")),
                 QStringLiteral("450"));
        QWidget window;
        window.setObjectName(QStringLiteral("frmSkeds"));
        Resizer resizer(&window, &window, QSize(100, 100), settings);
        resizer.restoreLayout(QStringLiteral("Tockmere"));
        QCOMPARE(window.size(), QSize(640, 480));
        QCOMPARE(window.pos(), QPoint(30, 45));
    }

    void junkOrPartialLayoutIsIgnored_data() {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::newRow("nothing stored") << ""
                                        << "";
        QTest::newRow("height missing") << "9600"
                                        << "";
        QTest::newRow("text") << "wide"
                              << "7200";
        QTest::newRow("zero") << "0"
                              << "7200";
        QTest::newRow("negative") << "-9600"
                                  << "7200";
        QTest::newRow("absurd") << "99999999"
                                << "7200";
    }
    void junkOrPartialLayoutIsIgnored() {
        QFETCH(QString, width);
        QFETCH(QString, height);
        FakeSettings settings;
        auto put = [&](const char* key, const QString& text) {
            if (!text.isEmpty())
                settings.values.insert(QStringLiteral("Tockmere/frmAlarm/") + QLatin1String(key),
                                       text);
        };
        put("Left", QStringLiteral("150"));
        put("Top", QStringLiteral("150"));
        put("Width", width);
        put("Height", height);
        QWidget window;
        window.setObjectName(QStringLiteral("frmAlarm"));
        window.resize(255, 132);
        Resizer resizer(&window, &window, QSize(255, 132), settings);
        resizer.restoreLayout(QStringLiteral("Tockmere"));
        QCOMPARE(window.size(), QSize(255, 132));
    }
};

QTEST_MAIN(TestResizer)
#include "tst_resizer.moc"
