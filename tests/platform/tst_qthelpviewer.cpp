#include "SkedRows.h"
#include "QtHelpViewer.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {

void writeDocument(const QString& path, const QString& body) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(
        ("<html><head><title>Test Help</title></head><body>" + body + "</body></html>").toUtf8());
}

QString installedDocument() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Tockmere.HLP");
}

} // namespace

class TestQtHelpViewer : public QObject {
    Q_OBJECT

private slots:
    void showsTheDocumentWithoutBlocking() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Test.HLP"));
        writeDocument(path, QStringLiteral("<h1>Contents</h1><p>first page</p>"));
        // Stands in for the table window, which must go on taking input.
        QLineEdit table;
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));

        QtHelpViewer viewer;
        QVERIFY(viewer.showContents(path));
        QTextBrowser* browser = viewer.browser();
        QVERIFY(browser);
        QVERIFY(QTest::qWaitForWindowExposed(browser));
        QVERIFY(browser->isWindow());
        QCOMPARE(browser->windowModality(), Qt::NonModal);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(browser->windowTitle(), QStringLiteral(" Tockmere Help"));
        // An HTML document although its name ends in .HLP.
        QCOMPARE(browser->documentTitle(), QStringLiteral("Test Help"));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("first page")));
        QVERIFY(!browser->toPlainText().contains(QStringLiteral("<h1>")));

        QApplication::setActiveWindow(&table);
        table.setFocus();
        QTest::keyClicks(&table, "1430");
        QCOMPARE(table.text(), QStringLiteral("1430"));
        QVERIFY(browser->isVisible());
    }

    void showingAgainOpensTheSameWindowAtTheTop() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Test.HLP"));
        QString body;
        for (int i = 0; i < 200; ++i)
            body += QStringLiteral("<p>line %1</p>").arg(i);
        writeDocument(path, body);
        QtHelpViewer viewer;
        QVERIFY(viewer.showContents(path));
        QTextBrowser* first = viewer.browser();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        first->verticalScrollBar()->setValue(first->verticalScrollBar()->maximum());
        QVERIFY(first->verticalScrollBar()->value() > 0);
        first->close();

        writeDocument(path, body + QStringLiteral("<p>added later</p>"));
        QVERIFY(viewer.showContents(path));
        QCOMPARE(viewer.browser(), first);
        QVERIFY(first->isVisible());
        QCOMPARE(first->verticalScrollBar()->value(), 0);
        QVERIFY(first->toPlainText().contains(QStringLiteral("added later")));
    }

    void aMissingDocumentIsNotShown_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("a folder") << "folder";
    }
    void aMissingDocumentIsNotShown() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tockmere.HLP"));
        if (kind == u"folder")
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Tockmere.HLP")));
        QtHelpViewer viewer;
        QVERIFY(!viewer.showContents(path));
        QCOMPARE(viewer.browser(), nullptr);
    }

    void theProgramsDocumentLiesBesideIt() {
        QVERIFY2(QFile::exists(installedDocument()), qPrintable(installedDocument()));
        QtHelpViewer viewer;
        QVERIFY(viewer.showContents(installedDocument()));
        QCOMPARE(viewer.browser()->documentTitle(), QStringLiteral("Tockmere Help"));
    }

    void theDocumentCoversEveryCommand_data() {
        QTest::addColumn<QString>("topic");
        for (const char* topic : {"Set Alarm",
                                  "Stop",
                                  "UTC time",
                                  "Set UTC offset",
                                  "Change Offset Label",
                                  "Silent Alarm",
                                  "Alarm Set Minimized",
                                  "Alarm Msg PopUp",
                                  "Alarm Close Button",
                                  "Test Alarm",
                                  "Count Down Timer",
                                  "Stop Watch Timer",
                                  "Continuous Alarm",
                                  "About",
                                  "Weekly Increment",
                                  "Skeds 1 to 20",
                                  "Done",
                                  "Re-order",
                                  "Printout",
                                  "Clear Table",
                                  "Save Sked file",
                                  "Load Sked file",
                                  "Entering a weekly series",
                                  "WeeklyIncr: ",
                                  "alarm.wav",
                                  "stop.wav",
                                  "skeds.dat",
                                  "Tockmere.HLP",
                                  "mm/dd/yy",
                                  "hhmm"})
            QTest::newRow(topic) << QString::fromLatin1(topic);
    }
    void theDocumentCoversEveryCommand() {
        QFETCH(QString, topic);
        QTextDocument document;
        document.setHtml(QString::fromUtf8(readBytes(installedDocument())));
        QVERIFY(document.toPlainText().contains(topic));
    }

    void everyLinkOfTheDocumentLeadsSomewhere() {
        const QString html = QString::fromUtf8(readBytes(installedDocument()));
        QSet<QString> anchors;
        for (const auto& match :
             QRegularExpression(QStringLiteral("name=\"([^\"]+)\"")).globalMatch(html))
            anchors.insert(match.captured(1));
        int links = 0;
        for (const auto& match :
             QRegularExpression(QStringLiteral("href=\"#([^\"]+)\"")).globalMatch(html)) {
            QVERIFY2(anchors.contains(match.captured(1)), qPrintable(match.captured(1)));
            ++links;
        }
        QVERIFY(links >= 13);
    }
};

QTEST_MAIN(TestQtHelpViewer)
#include "tst_qthelpviewer.moc"
