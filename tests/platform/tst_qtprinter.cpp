#include "Printout.h"
#include "QtPrinter.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The pages of a PDF file as text, one entry per page.
QStringList pdfPages(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-fixed"),
                     QString::number(QtPrinter::characterWidthPoints(), 'f', 4), path,
                     QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f');
    if (pages.last().isEmpty())
        pages.removeLast();
    return pages;
}

qsizetype lineWith(const QStringList& lines, const QString& text) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].contains(text))
            return i;
    }
    return -1;
}

} // namespace

class TestQtPrinter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext is missing: scripts/test.sh installs poppler-utils");
    }

    void withoutAPrinterItSaysSo() {
        // The test runs against a print server that is not there (CUPS_SERVER, set by CMake),
        // as on a machine without printers.
        QVERIFY(QPrinterInfo::availablePrinterNames().isEmpty());
        QtPrinter printer;
        const Printer::Result result =
            printer.print({{{2, QStringLiteral("x")}}}, QStringLiteral("Tockmere schedule"));
        QVERIFY(!result.ok);
        QCOMPARE(result.error, QStringLiteral("no printer is set up on this computer"));
    }

    void pdfColumnsLineUp() {
        SkedTable table;
        const char* rows[][3] = {{"12/05/26", "1430", "W1AW net"},
                                 {"2026-12-06", "0930", "DL1ABC on 20 m"},
                                 {"12/07/26", "2200",
                                  "a message of sixty characters, filled up to "
                                  "the end.."}};
        for (int i = 0; i < 3; ++i) {
            table.setDate(i, rows[i][0]);
            table.setTime(i, rows[i][1]);
            table.setMessage(i, rows[i][2]);
        }
        table.setSkip(0, true);
        table.setDate(39, "12/31/26");
        table.setTime(39, "2359");
        table.setMessage(39, "sked 40");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("skeds.pdf"));
        QtPrinter printer;
        const Printer::Result result =
            printer.saveAsPdf(toPrinterLines(printoutLines(table, "/home/op/skeds.dat", true)),
                              QStringLiteral("Tockmere schedule"), path);
        QVERIFY2(result.ok, qPrintable(result.error));

        const QStringList pages = pdfPages(path);
        QCOMPARE(pages.size(), 2); // 85 lines do not fit one page
        const QStringList lines = pages[0].split(u'\n');
        const qsizetype heading = lineWith(lines, QStringLiteral("Scheduled"));
        QVERIFY(heading >= 0);
        // pdftotext counts from the page's edge; column 2 of "Dates" fixes the offset.
        const qsizetype column2 = lines[heading + 2].indexOf(QStringLiteral("Dates"));
        QCOMPARE(lines[heading + 2].mid(column2), QStringLiteral("Dates and Times are UTC"));
        QCOMPARE(lines[heading].indexOf(QStringLiteral("Scheduled")), column2 + 8);
        QCOMPARE(lines[heading].mid(column2 + 8),
                 QStringLiteral("Scheduled Alarms   File: /home/op/skeds.dat"));
        for (int i = 0; i < 3; ++i) {
            const QString line = lines[heading + 4 + 2 * i];
            QCOMPARE(line.indexOf(QString::fromLatin1(rows[i][0])), column2);
            QCOMPARE(line.indexOf(QString::fromLatin1(rows[i][1])), column2 + 12);
            QCOMPARE(line.mid(column2 + 20), QString::fromLatin1(rows[i][2]));
            QCOMPARE(lines[heading + 5 + 2 * i].trimmed(), QString()); // its empty line
        }
        // Sked 40 comes out on the second page in the same columns.
        const QStringList last = pages[1].split(u'\n');
        const qsizetype sked40 = lineWith(last, QStringLiteral("sked 40"));
        QVERIFY(sked40 >= 0);
        QCOMPARE(last[sked40].indexOf(QStringLiteral("12/31/26")), column2);
        QCOMPARE(last[sked40].indexOf(QStringLiteral("2359")), column2 + 12);
        QCOMPARE(last[sked40].indexOf(QStringLiteral("sked 40")), column2 + 20);
    }

    void pdfReplacesOnlyWithACompleteFile_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("ok");
        QTest::newRow("over an old file") << "old.pdf" << true;
        QTest::newRow("into a missing folder") << "no/such/skeds.pdf" << false;
        QTest::newRow("over a folder") << "folder.pdf" << false;
    }
    void pdfReplacesOnlyWithACompleteFile() {
        QFETCH(QString, target);
        QFETCH(bool, ok);
        QTemporaryDir dir;
        QFile old(dir.filePath(QStringLiteral("old.pdf")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.pdf")));
        QtPrinter printer;
        const Printer::Result result = printer.saveAsPdf({{{2, QStringLiteral("new listing")}}},
                                                         QStringLiteral("t"), dir.filePath(target));
        QCOMPARE(result.ok, ok);
        QCOMPARE(result.error.isEmpty(), ok);
        // Nothing is left behind but the files that were there, the old one new or untouched.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.pdf"});
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder.pdf"))).isDir());
        QFile check(dir.filePath(QStringLiteral("old.pdf")));
        QVERIFY(check.open(QIODevice::ReadOnly));
        QCOMPARE(check.readAll().startsWith("%PDF"), target == u"old.pdf");
        if (target == u"old.pdf")
            QVERIFY(pdfPages(check.fileName()).value(0).contains(QStringLiteral("new listing")));
    }
};

QTEST_MAIN(TestQtPrinter)
#include "tst_qtprinter.moc"
