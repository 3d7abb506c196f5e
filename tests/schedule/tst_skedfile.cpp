#include "SkedFile.h"
#include "SkedName.h"
#include "SkedRows.h"
#include "Text.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

std::string rowLine(int n) {
    return "  12/" + std::string(n < 9 ? "0" : "") + std::to_string(n + 1) + "/26    1200  sked " +
           std::to_string(n + 1) + "\r\n";
}

} // namespace

class TestSkedFile : public QObject {
    Q_OBJECT

private slots:
    void reader_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("failLine");
        QTest::addColumn<int>("weekly");
        QTest::addColumn<QStringList>("rows"); // the first slots; every later slot stays empty

        const auto ok = static_cast<int>(ReadStatus::Ok);
        const auto early = static_cast<int>(ReadStatus::EndedEarly);
        const auto badWeekly = static_cast<int>(ReadStatus::BadWeeklyLine);

        QTest::newRow("three rows, first skipped")
            << QByteArray("S 12/05/26    1430  W1AW net\r\n"
                          "  12/06/26    0930  DL1ABC\r\n"
                          "  12/07/26    2200  \r\n"
                          "WeeklyIncr: 1\r\nend\r\n")
            << ok << 0 << 1
            << QStringList{"S|12/05/26|1430|W1AW net", " |12/06/26|0930|DL1ABC",
                           " |12/07/26|2200|"};
        QTest::newRow("weekly line first uses slot 0")
            << QByteArray("wEEKLYiNCR: 1\r\n  12/05/26    1430  A\r\nend\r\n") << ok << 0 << 1
            << QStringList{" |||", " |12/05/26|1430|A"};
        QTest::newRow("end in mixed case") << QByteArray("  12/05/26    1430  A\r\nEnD\r\n  "
                                                         "12/06/26    1430  B\r\n")
                                           << ok << 0 << 0 << QStringList{" |12/05/26|1430|A"};
        QTest::newRow("any line starting with end stops")
            << QByteArray("  12/05/26    1430  A\r\nendless\r\n") << ok << 0 << 0
            << QStringList{" |12/05/26|1430|A"};
        QTest::newRow("blank line takes a slot")
            << QByteArray("  12/05/26    1430  A\r\n\r\n  12/06/26    1430  B\r\nend\r\n") << ok
            << 0 << 0 << QStringList{" |12/05/26|1430|A", " |||", " |12/06/26|1430|B"};
        QTest::newRow("long line cut at column 80")
            << QByteArray("  12/05/26    1430  " + QByteArray(60, 'm') + QByteArray(20, 'x') +
                          "\r\nend\r\n")
            << ok << 0 << 0 << QStringList{" |12/05/26|1430|" + QString(60, u'm')};
        QTest::newRow("lower-case s skips") << QByteArray("s 12/05/26    1430  A\r\nend\r\n") << ok
                                            << 0 << 0 << QStringList{"S|12/05/26|1430|A"};
        QTest::newRow("any other flag is active")
            << QByteArray("x 12/05/26    1430  A\r\nend\r\n") << ok << 0 << 0
            << QStringList{" |12/05/26|1430|A"};
        QTest::newRow("fields trimmed, short time kept")
            << QByteArray("   5/1/26      930    hello  \r\nend\r\n") << ok << 0 << 0
            << QStringList{" |5/1/26|930|hello"};
        QTest::newRow("columns past the line end are empty")
            << QByteArray("S 12/05/26\r\nend\r\n") << ok << 0 << 0 << QStringList{"S|12/05/26||"};
        QTest::newRow("columns 13, 14, 19, 20 ignored")
            << QByteArray("  1234567890XY1234XYmsg\r\nend\r\n") << ok << 0 << 0
            << QStringList{" |1234567890|1234|msg"};
        QTest::newRow("weekly 2 is stored")
            << QByteArray("WeeklyIncr: 2\r\nend\r\n") << ok << 0 << 2 << QStringList{};
        QTest::newRow("weekly 3 fails, rows kept")
            << QByteArray("  12/05/26    1430  A\r\nWeeklyIncr: 3\r\nend\r\n") << badWeekly << 2
            << 0 << QStringList{" |12/05/26|1430|A"};
        QTest::newRow("weekly ending in a blank fails")
            << QByteArray("WeeklyIncr: 1 \r\nend\r\n") << badWeekly << 1 << 0 << QStringList{};
        QTest::newRow("no end line before 40 fails, rows kept")
            << QByteArray("  12/05/26    1430  A\r\n  12/06/26    1430  B\r\n") << early << 3 << 0
            << QStringList{" |12/05/26|1430|A", " |12/06/26|1430|B"};
        QTest::newRow("empty file fails") << QByteArray() << early << 1 << 0 << QStringList{};
        QTest::newRow("line feeds alone")
            << QByteArray("  12/05/26    1430  A\n  12/06/26    1430  B\nWeeklyIncr: 1\nend\n")
            << ok << 0 << 1 << QStringList{" |12/05/26|1430|A", " |12/06/26|1430|B"};
        QTest::newRow("carriage returns alone")
            << QByteArray("  12/05/26    1430  A\r\rend") << ok << 0 << 0
            << QStringList{" |12/05/26|1430|A", " |||"};
        QTest::newRow("last line without a line end")
            << QByteArray("  12/05/26    1430  A\r\nend") << ok << 0 << 0
            << QStringList{" |12/05/26|1430|A"};
        QTest::newRow("Windows-1252 bytes")
            << QByteArray("  12/05/26    1430  caf\xE9 \x80 5\r\nend\r\n") << ok << 0 << 0
            << QStringList{QString::fromUtf8(" |12/05/26|1430|café € 5")};
        QTest::newRow("UTF-8 counts characters")
            << QByteArray("  12/05/26    1430  \xE6\x97\xA5\xE6\x9C\xAC QSO\r\nend\r\n") << ok << 0
            << 0 << QStringList{QString::fromUtf8(" |12/05/26|1430|日本 QSO")};
        QTest::newRow("UTF-8 date columns")
            << QByteArray("  \xC3\xA9\xC3\xA9/05/26xx  1430  A\r\nend") << ok << 0 << 0
            << QStringList{QString::fromUtf8(" |éé/05/26xx|1430|A")};
        QTest::newRow("byte order mark skipped")
            << QByteArray("\xEF\xBB\xBFWeeklyIncr: 1\r\nend\r\n") << ok << 0 << 1 << QStringList{};
    }
    void reader() {
        QFETCH(QByteArray, file);
        QFETCH(int, status);
        QFETCH(int, failLine);
        QFETCH(int, weekly);
        QFETCH(QStringList, rows);
        SkedTable table;
        const ReadResult result = readSked(file.toStdString(), table);
        QCOMPARE(static_cast<int>(result.status), status);
        QCOMPARE(result.line, failLine);
        QCOMPARE(table.weekly(), weekly);
        QCOMPARE(describeRows(table, static_cast<int>(rows.size())), rows);
        for (int i = static_cast<int>(rows.size()); i < SkedTable::kSlots; ++i)
            QCOMPARE(table.row(i), SkedEntry{});
    }

    void skedName_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name"); // "-": none found, the caller keeps its name
        QTest::newRow("bare default name") << "skeds.dat"
                                           << "-";
        QTest::newRow("folder and file") << "/home/op/skeds.dat"
                                         << "skeds.dat";
        QTest::newRow("backslash folder") << "C:\\data\\net.dat"
                                          << "net.dat";
        QTest::newRow("drive root, backslash at 3") << "C:\\skeds.dat"
                                                    << "-";
        QTest::newRow("separator at position 4") << "abc/x.dat"
                                                 << "-";
        QTest::newRow("separator at position 5") << "abcd/x.dat"
                                                 << "x.dat";
        QTest::newRow("root folder") << "/skeds.dat"
                                     << "-";
        QTest::newRow("last separator wins") << "/a/b\\c/d.dat"
                                             << "d.dat";
        QTest::newRow("trailing separator") << "/home/op/"
                                            << "";
        QTest::newRow("characters, not bytes") << QString::fromUtf8("éé/x") << "-";
    }
    void skedName() {
        QFETCH(QString, path);
        QFETCH(QString, name);
        const auto found = skedNameFrom(path.toStdString());
        QCOMPARE(found ? QString::fromStdString(*found) : QStringLiteral("-"), name);
    }

    void extensionOnlyNames_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("extensionOnly");
        QTest::newRow("after a slash") << "/home/op/.dat" << true;
        QTest::newRow("after a backslash, upper case") << "C:\\data\\.DAT" << true;
        QTest::newRow("mixed case") << "/home/op/.dAt" << true;
        QTest::newRow("no separator") << ".dat" << false;
        QTest::newRow("a name before the extension") << "/home/op/x.dat" << false;
        QTest::newRow("another extension") << "/home/op/.txt" << false;
        QTest::newRow("more after the extension") << "/home/op/.data" << false;
        QTest::newRow("empty") << "" << false;
    }
    void extensionOnlyNames() {
        QFETCH(QString, path);
        QFETCH(bool, extensionOnly);
        QCOMPARE(isExtensionOnlyName(path.toStdString()), extensionOnly);
    }

    void fullTableNeverReadsItsWeeklyLine() {
        std::string file;
        for (int i = 0; i < 40; ++i)
            file += rowLine(i);
        file += "WeeklyIncr: 1\r\nend\r\n";
        SkedTable table;
        QVERIFY(readSked(file, table).ok());
        QCOMPARE(table.weekly(), 0);
        QCOMPARE(table.row(39).message, std::string("sked 40"));
        QCOMPARE(table.row(40), SkedEntry{});
    }

    void readerDoesNotBlankFirst() {
        SkedTable table;
        table.setDate(5, "keep me");
        QVERIFY(readSked("  12/05/26    1430  A\r\nend\r\n", table).ok());
        QCOMPARE(table.row(5).date, std::string("keep me"));
    }

    void writerExactBytes_data() {
        QTest::addColumn<QStringList>("rows"); // flag|date|time|message per slot from 0
        QTest::addColumn<int>("weekly");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("three rows, first skipped")
            << QStringList{"S|12/05/26|1430|W1AW net", " |12/06/26|930|DL1ABC",
                           " |12/07/2026|2200|"}
            << 1
            << QByteArray("S 12/05/26    1430  W1AW net\r\n"
                          "  12/06/26    930   DL1ABC\r\n"
                          "  12/07/2026  2200  \r\n"
                          "WeeklyIncr: 1\r\nend\r\n");
        QTest::newRow("empty table")
            << QStringList{} << 0 << QByteArray("WeeklyIncr: 0\r\nend\r\n");
        QTest::newRow("weekly 2 written back")
            << QStringList{} << 2 << QByteArray("WeeklyIncr: 2\r\nend\r\n");
        QTest::newRow("cp1252 when every character fits")
            << QStringList{QString::fromUtf8(" |12/05/26|1430|café €")} << 0
            << QByteArray("  12/05/26    1430  caf\xE9 \x80\r\nWeeklyIncr: 0\r\nend\r\n");
        QTest::newRow("UTF-8 when one does not")
            << QStringList{QString::fromUtf8(" |12/05/26|1430|café 日")} << 0
            << QByteArray(
                   "  12/05/26    1430  caf\xC3\xA9 \xE6\x97\xA5\r\nWeeklyIncr: 0\r\nend\r\n");
        QTest::newRow("UTF-8 when cp1252 bytes would read as UTF-8")
            << QStringList{QString::fromUtf8(" |12/05/26|1430|Ã©")} << 0
            << QByteArray("  12/05/26    1430  \xC3\x83\xC2\xA9\r\nWeeklyIncr: 0\r\nend\r\n");
    }
    void writerExactBytes() {
        QFETCH(QStringList, rows);
        QFETCH(int, weekly);
        QFETCH(QByteArray, bytes);
        SkedTable table;
        fillRows(table, rows);
        table.setWeekly(weekly);
        const std::string written = encodeSkedFile(skedFileText(table));
        QCOMPARE(QByteArray::fromStdString(written), bytes);

        // What was written reads back as the same rows, up to the first empty one.
        SkedTable again;
        QVERIFY(readSked(written, again).ok());
        QCOMPARE(again.weekly(), weekly);
        for (int i = 0; i < rows.size() && !table.isEmpty(i); ++i)
            QCOMPARE(describe(again.row(i)), describe(table.row(i)));
    }

    void fullTableWritesFortyTwoLines() {
        SkedTable table;
        for (int i = 0; i < 40; ++i) {
            table.setDate(i, "12/05/26");
            table.setTime(i, "1200");
        }
        const std::string text = skedFileText(table);
        QCOMPARE(QByteArray::fromStdString(text).count("\r\n"), 42);
    }

    void writeFileReplacesAndLeavesNoTemporary() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("skeds.dat"));
        writeBytes(path, "old contents that are longer than the new ones\r\n");
        QVERIFY(::chmod(path.toLocal8Bit().constData(), 0600) == 0);
        SkedTable table;
        table.setDate(0, "12/05/26");
        table.setTime(0, "1430");
        const WriteResult result = writeSkedFile(path.toStdString(), table);
        QVERIFY(result.ok);
        QCOMPARE(readBytes(path), QByteArray("  12/05/26    1430  \r\nWeeklyIncr: 0\r\nend\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"skeds.dat"});
        struct stat info {};
        QCOMPARE(::stat(path.toLocal8Bit().constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0600u);
    }

    void failedWriteKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("skeds.dat"));
        const QByteArray old("S 12/01/26    0800  old sked\r\nWeeklyIncr: 0\r\nend\r\n");
        writeBytes(path, old);
        SkedTable table;
        for (int i = 0; i < 40; ++i) {
            table.setDate(i, "12/05/26");
            table.setMessage(i, std::string(60, 'x'));
        }
        // A file-size limit makes the kernel refuse the write part-way, as a full disk would.
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 512;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const WriteResult result = writeSkedFile(path.toStdString(), table);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!result.ok);
        QVERIFY(QString::fromStdString(result.error).contains(QStringLiteral("File too large")));
        QCOMPARE(readBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"skeds.dat"});
    }

    void writeIntoMissingFolderFails() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("no/such/folder/skeds.dat"));
        const WriteResult result = writeSkedFile(path.toStdString(), SkedTable{});
        QVERIFY(!result.ok);
        QVERIFY(!result.error.empty());
    }

    void unreadablePaths_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing") << "missing" << int(ReadStatus::Missing) << "";
        QTest::newRow("a folder") << "folder" << int(ReadStatus::CannotOpen) << "it is a folder";
        QTest::newRow("a named pipe must not block")
            << "fifo" << int(ReadStatus::CannotOpen) << "it is not a plain file";
    }
    void unreadablePaths() {
        QFETCH(QString, kind);
        QFETCH(int, status);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("skeds.dat"));
        if (kind == u"folder")
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("skeds.dat")));
        if (kind == u"fifo")
            QCOMPARE(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
        SkedTable table;
        table.setMessage(3, "kept");
        const ReadResult result = readSkedFile(path.toStdString(), table);
        QCOMPARE(int(result.status), status);
        QCOMPARE(QString::fromStdString(result.error), error);
        QCOMPARE(table.row(3).message, std::string("kept"));
    }

    void loadBlanksAndFills_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("rows"); // slots 0 to 3 afterwards
        QTest::addColumn<int>("weekly");
        QTest::newRow("a file") << "file"
                                << QStringList{" |01/05/04|0900|new", " |||", " |||", " |||"} << 1;
        QTest::newRow("a file that ends early keeps what it read")
            << "early" << QStringList{" |01/05/04|0900|new", " |||", " |||", " |||"} << 2;
        QTest::newRow("missing: blank")
            << "missing" << QStringList{" |||", " |||", " |||", " |||"} << 2;
        QTest::newRow("unreadable: as it was")
            << "folder"
            << QStringList{"S|12/01/26|0800|one", " |12/02/26|0800|two", " |12/03/26|0800|three",
                           " |12/04/26|0800|four"}
            << 2;
    }
    void loadBlanksAndFills() {
        QFETCH(QString, kind);
        QFETCH(QStringList, rows);
        QFETCH(int, weekly);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("other.dat"));
        if (kind == u"file")
            writeBytes(path, "  01/05/04    0900  new\r\nWeeklyIncr: 1\r\nend\r\n");
        if (kind == u"early")
            writeBytes(path, "  01/05/04    0900  new\r\n");
        if (kind == u"folder")
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("other.dat")));
        SkedTable table;
        const char* messages[] = {"one", "two", "three", "four"};
        for (int i = 0; i < 4; ++i) {
            table.setDate(i, "12/0" + std::to_string(i + 1) + "/26");
            table.setTime(i, "0800");
            table.setMessage(i, messages[i]);
        }
        table.setSkip(0, true);
        table.setWeekly(2);
        QList<int> reported;
        table.setListener([&reported](int slot) { reported << slot; });
        loadSkedFile(path.toStdString(), table);
        QCOMPARE(describeRows(table, 4), rows);
        QCOMPARE(table.weekly(), weekly);
        // Only the slots that changed are shown anew.
        QCOMPARE(reported.contains(3), kind != u"folder");
        QVERIFY(!reported.contains(10));
    }

    void hostileFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        QByteArray random(10 * 1024 * 1024, Qt::Uninitialized);
        QRandomGenerator generator(20261206);
        for (char& c : random)
            c = static_cast<char>(generator.bounded(256));
        QTest::newRow("10 MB of random bytes") << random << -1;
        QTest::newRow("10 MB without a line end")
            << QByteArray(10 * 1024 * 1024, 'a') << static_cast<int>(ReadStatus::EndedEarly);
        QTest::newRow("invalid UTF-8 everywhere")
            << QByteArray(1024 * 1024, '\xC3') << static_cast<int>(ReadStatus::EndedEarly);
        QTest::newRow("NUL bytes") << QByteArray("  12/05/26\0\0  1430  a\0b\r\nend\r\n", 30)
                                   << static_cast<int>(ReadStatus::Ok);
    }
    void hostileFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("skeds.dat"));
        writeBytes(path, bytes);
        SkedTable table;
        const ReadResult result = readSkedFile(path.toStdString(), table);
        if (status >= 0)
            QCOMPARE(static_cast<int>(result.status), status);
        for (int i = 0; i < SkedTable::kSlots; ++i) {
            QVERIFY(codePointCount(table.row(i).date) <= SkedTable::kDateLimit);
            QVERIFY(codePointCount(table.row(i).time) <= SkedTable::kTimeLimit);
            QVERIFY(codePointCount(table.row(i).message) <= SkedTable::kMessageLimit);
            QVERIFY(isValidUtf8(table.row(i).message));
        }
    }
};

QTEST_APPLESS_MAIN(TestSkedFile)
#include "tst_skedfile.moc"
