// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "AtomicFile.h"
#include "DateEntry.h"
#include "FakePrinter.h"
#include "Printout.h"
#include "Reorder.h"
#include "SkedFile.h"
#include "SkedRows.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <filesystem>
#include <functional>
#include <map>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using Rows = QStringList;

namespace {

// Every slot that holds anything, as "slot:flag|date|time|message", then the weekly switch.
QStringList stateOf(const SkedTable& table) {
    QStringList state;
    for (int i = 0; i < SkedTable::kSlots; ++i)
        if (!(table.row(i) == SkedEntry{}))
            state << QString::number(i) + u':' + describe(table.row(i));
    return state << QStringLiteral("weekly %1").arg(table.weekly());
}

// "whole", "missing", or why not, then ": " the line's text.
QString outcomeOf(const ReadResult& r) {
    const QString why = QString::fromStdString(notWholeReason(r));
    return (r.status == ReadStatus::Missing ? "missing"
            : why.isEmpty()                 ? "whole"
                                            : why) +
           (r.text.empty() ? "" : ": " + QString::fromStdString(r.text));
}

} // namespace

class TestSkedFile : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;

    // The folder: "name mode[ uid:gid]: bytes", "name -> target" or "name/", in name order.
    QStringList folder() const {
        QStringList entries;
        for (const auto& entry : std::filesystem::directory_iterator(".")) {
            struct stat st {};
            ::lstat(entry.path().c_str(), &st);
            const QString name = QString::fromStdString(entry.path().filename());
            const QString owner = st.st_uid == ::getuid() && st.st_gid == ::getgid()
                                      ? QString()
                                      : QStringLiteral(" %1:%2").arg(st.st_uid).arg(st.st_gid);
            entries << (S_ISLNK(st.st_mode)
                            ? name + " -> " +
                                  QString::fromStdString(std::filesystem::read_symlink(entry))
                        : S_ISDIR(st.st_mode)
                            ? name + '/'
                            : name + QStringLiteral(" %1").arg(st.st_mode & 07777, 0, 8) + owner +
                                  ": " + readBytes(name));
        }
        entries.sort();
        return entries;
    }

private slots:
    // Saves name their file relative to the temporary folder, as a bare name would be.
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(dir->path()));
    }
    void cleanup() {
        QDir::setCurrent(QStringLiteral("/"));
        dir.reset();
    }

    // Scripts of steps ("what text") on a fresh table, where "rows" fills slots from 0 with rows
    // separated by ";". What the steps gave comes first (the listener's reports once it listens,
    // the answers of firstPendingRow, the paper, how a load or a re-order of skeds.dat went), then
    // the whole table. Today is 12/05/26.
    // clang-format off
    void scripts_data() {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("after");
        const QString title = QStringLiteral("paper 1:         Scheduled Alarms   File: f");
        const QStringList held = {"rows  |01/05/04|0900|new;;;S|12/04/26|0800|four", "weekly 2", "listen"}; // before a load
        const QStringList untouched = {"put untouched", "weekly 1"}; // before a re-order
        QTest::newRow("cut in characters")        << Rows{"row 0  |12/05/2026xx|14305|" + QString(59, u'a') + "éé"} << Rows{"0: |12/05/2026|1430|" + QString(59, u'a') + "é", "weekly 0"};
        QTest::newRow("no line breaks")           << Rows{"row 3  |a\nb|1\r2|one\r\ntwo"} << Rows{"3: |a b|1 2|one  two", "weekly 0"};
        QTest::newRow("only changes heard")       << Rows{"listen", "row 2 S|x|1|m", "row 2 S|x|1|m", "row 2 S|x|2|m", "weekly 1", "weekly 1"} << Rows{"changed 2", "changed 2", "changed 2", "changed 2", "changed 2", "changed -1", "2:S|x|2|m", "weekly 1"};
        QTest::newRow("a row sets all four")      << Rows{"row 3 S|12/05/26|1430|m", "listen", "row 3  |12/06/26||"} << Rows{"changed 3", "changed 3", "changed 3", "changed 3", "3: |12/06/26||", "weekly 0"};
        QTest::newRow("blank date drops skip")    << Rows{"row 5 S|12/05/26||", "row 6 S|12/05/26||", "date 5   ", "date 6 12/06/26"} << Rows{"6:S|12/06/26||", "weekly 0"};
        QTest::newRow("blank a range")            << Rows{"rows ; |b||; |c||; |d||", "listen", "blank 0 2"} << Rows{"changed 1", "changed 2", "3: |d||", "weekly 0"};
        QTest::newRow("pending: filled, no skip, can ring") << Rows{"rows S|12/05/26|1430|a; ||1430|m; |12/05/26||t; |02/30/26|1430|d; |12/05/26|2460|h; |12/05/26|930|ok", "first -1", "first 5", "first 6"} << Rows{"first from -1: 5", "first from 5: 5", "first from 6: -1", "0:S|12/05/26|1430|a", "1: ||1430|m", "2: |12/05/26||t", "3: |02/30/26|1430|d", "4: |12/05/26|2460|h", "5: |12/05/26|930|ok", "weekly 0"};
        QTest::newRow("pending: up to sked 40")   << Rows{"row 39  |12/05/26|1200|y", "first 39", "row 39 S|12/05/26|1200|y", "row 40  |12/05/26|1200|z", "first 0"} << Rows{"first from 39: 39", "first from 0: -1", "39:S|12/05/26|1200|y", "40: |12/05/26|1200|z", "weekly 0"};
        QTest::newRow("focus on sked 1: today")   << Rows{"focus 0"} << Rows{"0: |12/05/26||", "weekly 0"};
        QTest::newRow("so does a click, weekly")  << Rows{"weekly 1", "click 0"} << Rows{"0: |12/05/26||", "weekly 1"};
        QTest::newRow("a filled sked 1 stays")    << Rows{"rows  |01/01/27||", "weekly 1", "focus 0", "click 0"} << Rows{"0: |01/01/27||", "weekly 1"};
        QTest::newRow("focus: the date above")    << Rows{"rows  |01/28/04|0930|", "weekly 1", "focus 1"} << Rows{"0: |01/28/04|0930|", "1: |01/28/04||", "weekly 1"};
        QTest::newRow("click: the date above")    << Rows{"rows  |03/02/04|0800|; |03/10/04|1200|", "click 1"} << Rows{"0: |03/02/04|0800|", "1: |03/02/04|1200|", "weekly 0"};
        QTest::newRow("weekly click: a week on")  << Rows{"rows  |01/28/04|0930|;S|05/05/05|1111|m", "weekly 1", "click 1"} << Rows{"0: |01/28/04|0930|", "1:S|02/04/04|0930|m", "weekly 1"};
        QTest::newRow("weekly, under a date as it rings") << Rows{"rows  |1/28/04|0930|; |05/05/05|1111|", "weekly 1", "click 1"} << Rows{"0: |1/28/04|0930|", "1: |02/04/04|0930|", "weekly 1"};
        QTest::newRow("weekly 2 is off")          << Rows{"rows  |01/28/04|0930|", "weekly 2", "click 1"} << Rows{"0: |01/28/04|0930|", "1: |01/28/04||", "weekly 2"};
        QTest::newRow("empty date above: no skip") << Rows{"rows  |01/28/04||;;S|07/07/07||", "click 2"} << Rows{"0: |01/28/04||", "weekly 0"};
        QTest::newRow("print columns, 40 skeds")  << Rows{"rows S|12/05/26|1430|W1AW net; |2026-12-05|930|; | 12/05/26|14 0|  two", "print utc"} << Rows{title, "paper 3: Dates and Times are UTC", "paper 5: 12/05/26    1430    W1AW net", "paper 7: 2026-12-05  930", "paper 9: 12/05/26    14 0    two", "paper: 85 lines", "0:S|12/05/26|1430|W1AW net", "1: |2026-12-05|930|", "2: |12/05/26|14 0|two", "weekly 0"};
        QTest::newRow("print up to Done")         << Rows{"rows  |12/01/26|0100|a; |Done||", "print local"} << Rows{title, "paper 3: Dates and Times are Local", "paper 5: 12/01/26    0100    a", "paper: 7 lines", "0: |12/01/26|0100|a", "1: |Done||", "weekly 0"};
        QTest::newRow("print: only Done is Done") << Rows{"rows  |done||; |DONE||", "print utc"} << Rows{title, "paper 3: Dates and Times are UTC", "paper 5: done", "paper 7: DONE", "paper: 85 lines", "0: |done||", "1: |DONE||", "weekly 0"};
        QTest::newRow("print: Done in sked 1")    << Rows{"rows  |Done||; |12/02/26||", "print utc"} << Rows{title, "paper 3: Dates and Times are UTC", "paper: 5 lines", "0: |Done||", "1: |12/02/26||", "weekly 0"};
        QTest::newRow("load a file")              << held + Rows{"put   01/05/04    0900  new\r\nWeeklyIncr: 1\r\nend\r\n", "load"} << Rows{"changed 3", "changed -1", "load: whole, holds data", "0: |01/05/04|0900|new", "weekly 1"};
        QTest::newRow("load one byte")            << held + Rows{"put x", "load"} << Rows{"changed 0", "changed 3", "load: has no end line, holds data", "weekly 2"};
        QTest::newRow("load an empty file")       << held + Rows{"put", "load"} << Rows{"changed 0", "changed 3", "load: whole", "weekly 2"};
        QTest::newRow("load a missing file")      << held + Rows{"load"} << Rows{"changed 0", "changed 3", "load: missing", "weekly 2"};
        QTest::newRow("load a folder")            << held + Rows{"folder", "load"} << Rows{"load: could not be read (it is a folder)", "0: |01/05/04|0900|new", "3:S|12/04/26|0800|four", "weekly 2"};
        QTest::newRow("load a named pipe")        << held + Rows{"fifo", "load"} << Rows{"load: could not be read (it is not a plain file)", "0: |01/05/04|0900|new", "3:S|12/04/26|0800|four", "weekly 2"};
        QTest::newRow("load a link loop")         << held + Rows{"loop", "load"} << Rows{"load: could not be read (Too many levels of symbolic links)", "0: |01/05/04|0900|new", "3:S|12/04/26|0800|four", "weekly 2"};
        QTest::newRow("reorder: flags travel")    << untouched + Rows{"rows  |01/05/04|0900|a;S|01/03/04|1700|b; |01/03/04|0830|c", "listen", "reorder"} << Rows{"changed 0", "changed 2", "reorder: Reordered", "file: written", "0: |01/03/04|0830|c", "1:S|01/03/04|1700|b", "2: |01/05/04|0900|a", "weekly 1"};
        QTest::newRow("reorder: year end")        << untouched + Rows{"rows  |01/02/04|0100|a; |12/30/03|2300|b; |01/01/00|0000|c; |12/31/99|2359|d", "reorder"} << Rows{"reorder: Reordered", "file: written", "0: |12/31/99|2359|d", "1: |01/01/00|0000|c", "2: |12/30/03|2300|b", "3: |01/02/04|0100|a", "weekly 1"};
        QTest::newRow("reorder: equal keys moved past each other") << untouched + Rows{"rows  |01/10/04|0500|; |01/10/04|0100|A; |01/10/04|0100|B; |01/10/04|0600|; |01/10/04|0700|", "reorder"} << Rows{"reorder: Reordered", "file: written", "0: |01/10/04|0100|B", "1: |01/10/04|0100|A", "2: |01/10/04|0500|", "3: |01/10/04|0600|", "4: |01/10/04|0700|", "weekly 1"};
        QTest::newRow("reorder: two equal keys stay") << untouched + Rows{"rows  |01/10/04|0100|A; |01/10/04|0100|B", "reorder"} << Rows{"reorder: Reordered", "file: written", "0: |01/10/04|0100|A", "1: |01/10/04|0100|B", "weekly 1"};
        QTest::newRow("reorder: gaps close, spare stays") << untouched + Rows{"rows  |01/05/04|0900|a;; |01/03/04|0830|b; | |1200|x; |01/04/04|0000|c", "row 40  |01/01/04|0000|spare", "reorder"} << Rows{"reorder: Reordered", "file: written", "0: |01/03/04|0830|b", "1: |01/04/04|0000|c", "2: |01/05/04|0900|a", "40: |01/01/04|0000|spare", "weekly 1"};
        QTest::newRow("reorder: blanks go")       << untouched + Rows{"rows  |01/05/04|0900|  a  ", "reorder"} << Rows{"reorder: Reordered", "file: written", "0: |01/05/04|0900|a", "weekly 1"};
        QTest::newRow("reorder: nothing filled")  << untouched + Rows{"rows ; | |1200|x", "reorder"} << Rows{"reorder: NothingToSort", "file: untouched", "1: ||1200|x", "weekly 1"};
        QTest::newRow("reorder: no time")         << untouched + Rows{"rows  |01/05/04|0900|a;;S|01/03/04| |b", "reorder"} << Rows{"reorder: MissingTime at 2", "file: untouched", "0: |01/05/04|0900|a", "2:S|01/03/04||b", "weekly 1"};
        QTest::newRow("reorder: month 13")        << untouched + Rows{"rows  |01/05/04|0900|a; |13/03/04|0900|b", "reorder"} << Rows{"reorder: Malformed at 1", "file: untouched", "0: |01/05/04|0900|a", "1: |13/03/04|0900|b", "weekly 1"};
        QTest::newRow("reorder: read-only file")  << Rows{"put untouched", "read-only", "weekly 1", "rows  |01/05/04|0900|a; |01/03/04|0830|b", "reorder"} << Rows{"reorder: WriteFailed: the file is read-only", "file: untouched", "0: |01/05/04|0900|a", "1: |01/03/04|0830|b", "weekly 1"};
    }
    // clang-format on
    void scripts() {
        QFETCH(QStringList, script);
        QFETCH(QStringList, after);
        SkedTable table;
        QStringList said;
        const std::string file = "skeds.dat";
        // clang-format off
        auto slot = [](const QString& text) { return text.section(u' ', 0, 0).toInt(); };
        auto rest = [](const QString& text) { return text.section(u' ', 1); };
        const std::map<QString, std::function<void(const QString&)>> steps = {
            {"row",     [&](const QString& text) { table.setRow(slot(text), entryFrom(rest(text))); }},
            {"rows",    [&](const QString& text) { fillRows(table, text.split(u';')); }},
            {"date",    [&](const QString& text) { table.setDate(slot(text), rest(text).toStdString()); }},
            {"weekly",  [&](const QString& text) { table.setWeekly(text.toInt()); }},
            {"blank",   [&](const QString& text) { table.blank(slot(text), rest(text).toInt()); }},
            {"listen",  [&](const QString&) { table.setListener([&said](int changed) { said << QStringLiteral("changed %1").arg(changed); }); }},
            {"first",   [&](const QString& text) { said << QStringLiteral("first from %1: %2").arg(text).arg(table.firstPendingRow(2026, text.toInt()).value_or(-1)); }},
            {"focus",   [&](const QString& text) { dateFocusRule(table, text.toInt(), {2026, 12, 5}); }},
            {"click",   [&](const QString& text) { dateClickRule(table, text.toInt(), {2026, 12, 5}); }},
            {"print",   [&](const QString& text) { const QStringList paper = FakePrinter::paper(toPrinterLines(printoutLines(table, "f", text == u"utc")));
                                                   for (int i = 0; i < paper.size(); ++i) if (!paper[i].isEmpty()) said << QStringLiteral("paper %1:%2").arg(i).arg(paper[i]);
                                                   said << QStringLiteral("paper: %1 lines").arg(paper.size()); }},
            {"put",       [&](const QString& text) { writeBytes("skeds.dat", text.toUtf8()); }},
            {"read-only", [&](const QString&) { QVERIFY(QFile::setPermissions("skeds.dat", QFile::ReadOwner)); }},
            {"folder",    [&](const QString&) { QVERIFY(QDir().mkdir("skeds.dat")); }},
            {"fifo",      [&](const QString&) { QCOMPARE(::mkfifo(file.c_str(), 0600), 0); }},
            {"loop",      [&](const QString&) { QVERIFY(QFile::link("skeds.dat", "skeds.dat")); }},
            {"load",    [&](const QString&) { said << "load: " + outcomeOf(loadSkedFile(file, table)) + (holdsData(file) ? ", holds data" : ""); }},
            {"reorder", [&](const QString&) { static const char* const names[] = {"Reordered", "NothingToSort", "MissingTime", "Malformed", "WriteFailed", "ReadBackFailed"};
                                              const ReorderResult r = reorderSkeds(table, file, 2026);
                                              said << "reorder: " + (names[int(r.status)] + (r.slot < 0 ? "" : " at " + QString::number(r.slot)) + (r.error.empty() ? "" : ": " + QString::fromStdString(r.error)));
                                              // The table after a re-order is what it read back from the file.
                                              said << (readBytes("skeds.dat") == "untouched" ? "file: untouched" : "file: written"); }},
        };
        // clang-format on
        for (const QString& step : script)
            steps.at(step.section(u' ', 0, 0))(rest(step));
        QCOMPARE(said + stateOf(table), after);
    }

    // The bytes of a file, how reading them went, the table they give, and what writing that
    // table gives (nothing: the same bytes).
    // clang-format off
    void file_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QStringList>("state");
        QTest::addColumn<QByteArray>("written");
        auto crlf = [](const QByteArrayList& lines) { return lines.join("\r\n") + "\r\n"; };
        QByteArrayList forty;
        QStringList fortyRows;
        for (int i = 0; i < SkedTable::kRows; ++i) {
            forty << "  12/05/26    1200  sked " + QByteArray::number(i);
            fortyRows << QStringLiteral("%1: |12/05/26|1200|sked %1").arg(i);
        }
        const QByteArray full = crlf(forty + QByteArrayList{"WeeklyIncr: 0", "end"});
        const QString ok = QStringLiteral("whole");
        QTest::newRow("skip, short time, long date") << crlf({"S 12/05/26    1430  W1AW net", "  12/06/26    930   DL1ABC", "  12/07/2026  2200  ", "WeeklyIncr: 1", "end"}) << ok << Rows{"0:S|12/05/26|1430|W1AW net", "1: |12/06/26|930|DL1ABC", "2: |12/07/2026|2200|", "weekly 1"} << QByteArray();
        QTest::newRow("Windows-1252 when it fits")   << crlf({"  12/05/26    1430  caf\xE9 \x80 \x81", "WeeklyIncr: 0", "end"}) << ok << Rows{"0: |12/05/26|1430|café € \xC2\x81", "weekly 0"} << QByteArray();
        QTest::newRow("UTF-8 when it does not")      << crlf({"  éé/05/26xx  1430  日本 😀 QSO", "WeeklyIncr: 0", "end"}) << "whole" << Rows{"0: |éé/05/26xx|1430|日本 😀 QSO", "weekly 0"} << QByteArray();
        QTest::newRow("UTF-8 when 1252 looks UTF-8") << crlf({"  12/05/26    1430  \xC3\x83\xC2\xA9", "WeeklyIncr: 0", "end"}) << ok << Rows{"0: |12/05/26|1430|Ã©", "weekly 0"} << QByteArray();
        QTest::newRow("bad UTF-8 lead: 1252")        << crlf({"  12/05/26    1430  \xF5\xFF", "end"}) << ok << Rows{"0: |12/05/26|1430|õÿ", "weekly 0"} << crlf({"  12/05/26    1430  \xF5\xFF", "WeeklyIncr: 0", "end"});
        QTest::newRow("LF, blank line: empty row")   << QByteArray("  12/05/26    1430  A\n\n  12/06/26    1430  B\nWeeklyIncr: 1\nend\n") << ok << Rows{"0: |12/05/26|1430|A", "2: |12/06/26|1430|B", "weekly 1"} << crlf({"  12/05/26    1430  A", "  12/06/26    1430  B", "WeeklyIncr: 1", "end"});
        QTest::newRow("lone CR, no line end at end") << QByteArray("  12/05/26    1430  A\r\rWeeklyIncr: 1\rend") << ok << Rows{"0: |12/05/26|1430|A", "weekly 1"} << crlf({"  12/05/26    1430  A", "WeeklyIncr: 1", "end"});
        QTest::newRow("BOM, WEEK and END any case")  << QByteArray("\xEF\xBB\xBFwEEKLYiNCR: 2\r\n  12/05/26    1430  A\r\nEnDless\r\n  12/06/26    1430  B\r\n") << ok << Rows{"1: |12/05/26|1430|A", "weekly 2"} << crlf({"  12/05/26    1430  A", "WeeklyIncr: 2", "end"});
        QTest::newRow("flags s and x")               << crlf({"s 12/05/26    1430  A", "x 12/05/26    1430  B", "end"}) << ok << Rows{"0:S|12/05/26|1430|A", "1: |12/05/26|1430|B", "weekly 0"} << crlf({"S 12/05/26    1430  A", "  12/05/26    1430  B", "WeeklyIncr: 0", "end"});
        QTest::newRow("columns trimmed, cut, short") << crlf({"   5/1/26      930    hello  ", "  1234567890XY1234XY" + QByteArray(60, 'm') + QByteArray(20, 'x'), "S 12/05/26", "end"}) << "line 2 is not a sked:   1234567890XY1234XY" + QString(60, u'm') << Rows{"0: |5/1/26|930|hello", "1: |1234567890|1234|" + QString(60, u'm'), "2:S|12/05/26||", "weekly 0"} << crlf({"  5/1/26      930   hello", "  1234567890  1234  " + QByteArray(60, 'm'), "S 12/05/26          ", "WeeklyIncr: 0", "end"});
        QTest::newRow("weekly digit 3")              << crlf({"  12/05/26    1430  A", "WeeklyIncr: 3", "end"}) << "line 2 is a weekly line with a switch other than 0, 1 or 2: WeeklyIncr: 3" << Rows{"0: |12/05/26|1430|A", "weekly 0"} << crlf({"  12/05/26    1430  A", "WeeklyIncr: 0", "end"});
        QTest::newRow("no end line, rows kept")      << crlf({"  12/05/26    1430  A", "  12/06/26    1430  B"}) << "has no end line" << Rows{"0: |12/05/26|1430|A", "1: |12/06/26|1430|B", "weekly 0"} << crlf({"  12/05/26    1430  A", "  12/06/26    1430  B", "WeeklyIncr: 0", "end"});
        QTest::newRow("empty file")                  << QByteArray() << ok << Rows{"weekly 0"} << crlf({"WeeklyIncr: 0", "end"});
        QTest::newRow("40 rows, weekly read back")   << crlf(forty + QByteArrayList{"WeeklyIncr: 1", "end"}) << ok << fortyRows + Rows{"weekly 1"} << QByteArray();
        QTest::newRow("40 rows, then a sked line")   << crlf(forty + QByteArrayList{"", "WeeklyIncr: 2", "  12/05/26    1430  lost", "end"}) << "holds more than 40 skeds (line 43):   12/05/26    1430  lost" << fortyRows + Rows{"weekly 2"} << crlf(forty + QByteArrayList{"WeeklyIncr: 2", "end"});
        QTest::newRow("40 rows, end, then a sked")   << crlf(forty + QByteArrayList{"end", "  12/05/26    1430  lost"}) << ok << fortyRows + Rows{"weekly 0"} << full;
    }
    // clang-format on
    void file() {
        QFETCH(QByteArray, file);
        QFETCH(QString, outcome);
        QFETCH(QStringList, state);
        QFETCH(QByteArray, written);
        SkedTable table;
        QCOMPARE(outcomeOf(readSked(file.toStdString(), table)), outcome);
        QCOMPARE(stateOf(table), state);
        QCOMPARE(QByteArray::fromStdString(encodeSkedFile(skedFileText(table))),
                 written.isEmpty() ? file : written);
    }

    // What "whole" says of files the program did not write: only a file it could have written,
    // to its end line, is whole.
    // clang-format off
    void whole_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("why");
        const QByteArray sked = "  12/05/26    1430  ";
        QTest::newRow("80 characters")       << sked + QByteArray(60, 'm') + "\nend\n" << QString();
        QTest::newRow("81 characters")       << sked + QByteArray(61, 'm') + "\nend\n" << "line 1 is not a sked";
        QTest::newRow("fields are the user's")  << QByteArray("\n  12/05/26    14h0  x\n  31/12/26    1400  x\nS Done        1200  not printed\nend\n") << QString();
        QTest::newRow("a control character") << QByteArray("  12/05/26    1400  x\x01\nend\n") << "line 1 is not a sked";
        QTest::newRow("empty fields")        << QByteArray("S             1400  x\n  12/05/26          \n              \nend\n") << QString();
    }
    // clang-format on
    void whole() {
        QFETCH(QByteArray, file);
        QFETCH(QString, why);
        SkedTable table;
        QCOMPARE(QString::fromStdString(notWholeReason(readSked(file.toStdString(), table))), why);
    }

    // Every table the fields can hold is written and read back whole and the same: random texts
    // of each field's length (printable, from several scripts, "Done" among dates), empty
    // fields, skip marks, the weekly switch.
    void everyTableReadsBack() {
        QRandomGenerator random(20261208);
        const QString pool = QStringLiteral(" 0123456789/:.-aZ\"'|Sé€ÿ日本😀\u00A0");
        auto text = [&](int limit) {
            QString out;
            for (int n = random.bounded(limit + 1); n > 0; --n)
                out += pool.mid(random.bounded(pool.size()), 1);
            return out.toStdString();
        };
        for (int run = 0; run < 300; ++run) {
            SkedTable table;
            for (int slot = 0; slot < SkedTable::kRows; ++slot)
                table.setRow(slot, {random.bounded(8) ? text(10) : "Done", text(4), text(60),
                                    random.bounded(2) == 1});
            table.setWeekly(random.bounded(3));
            const std::string written = encodeSkedFile(skedFileText(table));
            SkedTable again;
            QCOMPARE(outcomeOf(readSked(written, again)), QStringLiteral("whole"));
            QCOMPARE(skedFileText(again), skedFileText(table));
        }
    }

    // A save of "new" after the set-up steps: its error, and the folder afterwards.
    // clang-format off
    void save_data() {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("error"); // or "saved"
        QTest::addColumn<QStringList>("after");
        const QString loop = QStringLiteral("cannot follow its symbolic link: Too many levels of symbolic links");
        QTest::newRow("new file: umask")       << Rows{"umask 027"} << "skeds.dat" << "saved" << Rows{"skeds.dat 640: new"};
        QTest::newRow("mode kept")             << Rows{"file skeds.dat 604 old"} << "skeds.dat" << "saved" << Rows{"skeds.dat 604: new"};
        QTest::newRow("owner and group kept")  << Rows{"file skeds.dat 640 old", "own skeds.dat 1234:5678"} << "skeds.dat" << "saved" << Rows{"skeds.dat 640 1234:5678: new"};
        QTest::newRow("read-only refused")     << Rows{"file skeds.dat 444 old"} << "skeds.dat" << "the file is read-only" << Rows{"skeds.dat 444: old"};
        QTest::newRow("through a link")        << Rows{"file real.dat 640 old", "link skeds.dat real.dat"} << "skeds.dat" << "saved" << Rows{"real.dat 640: new", "skeds.dat -> real.dat"};
        QTest::newRow("dangling link")         << Rows{"link skeds.dat real.dat"} << "skeds.dat" << "saved" << Rows{"real.dat 644: new", "skeds.dat -> real.dat"};
        QTest::newRow("link from its folder")  << Rows{"dir sub", "link sub/skeds.dat ../real.dat"} << "sub/skeds.dat" << "saved" << Rows{"real.dat 644: new", "sub/"};
        QTest::newRow("39 links followed")     << Rows{"chain 39"} << "chain/l0" << "saved" << Rows{"chain/", "real.dat 644: new"};
        QTest::newRow("40 links are too many") << Rows{"chain 40"} << "chain/l0" << loop << Rows{"chain/"};
        QTest::newRow("a loop of links")       << Rows{"link skeds.dat loop.dat", "link loop.dat skeds.dat"} << "skeds.dat" << loop << Rows{"loop.dat -> skeds.dat", "skeds.dat -> loop.dat"};
        QTest::newRow("write fails")           << Rows{"file skeds.dat 640 old", "limit 2"} << "skeds.dat" << "cannot write the file: File too large" << Rows{"skeds.dat 640: old"};
        QTest::newRow("rename fails")          << Rows{"dir skeds.dat"} << "skeds.dat" << "cannot replace the old file: Is a directory" << Rows{"skeds.dat/"};
        QTest::newRow("no folder")             << Rows{} << "no/skeds.dat" << "cannot create a new file in its folder: No such file or directory" << Rows{};
        QTest::newRow("leftovers removed")     << Rows{"file skeds.dat 640 old", "file .skeds.dat.tockmere-ABCDEF 600 x", "file .skeds.dat.tockmere-ABCDEFG 600 x", "file .notes.dat.tockmere-ABCDEF 600 x", "file skeds.dat.bak 640 bak", "locked .skeds.dat.tockmere-GHIJKL"} << "skeds.dat" << "saved" << Rows{".notes.dat.tockmere-ABCDEF 600: x", ".skeds.dat.tockmere-ABCDEFG 600: x", ".skeds.dat.tockmere-GHIJKL 600: ", "skeds.dat 640: new", "skeds.dat.bak 640: bak"};
    }
    // clang-format on
    void save() {
        QFETCH(QStringList, setup);
        QFETCH(QString, target);
        QFETCH(QString, error);
        QFETCH(QStringList, after);
        const mode_t userMask = ::umask(022);
        mode_t mask = 022;
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        int locked = -1;
        // clang-format off
        const std::map<QString, std::function<bool(const QStringList&)>> steps = {
            {"file",   [&](const QStringList& w) { writeBytes(w[1], w[3].toUtf8()); return ::chmod(w[1].toUtf8().constData(), w[2].toUInt(nullptr, 8)) == 0; }},
            {"own",    [&](const QStringList& w) { return ::chown(w[1].toUtf8().constData(), w[2].section(u':', 0, 0).toUInt(), w[2].section(u':', 1).toUInt()) == 0; }},
            {"link",   [&](const QStringList& w) { return ::symlink(w[2].toUtf8().constData(), w[1].toUtf8().constData()) == 0; }},
            {"dir",    [&](const QStringList& w) { return QDir().mkdir(w[1]); }},
            {"umask",  [&](const QStringList& w) { ::umask(mask = w[1].toUInt(nullptr, 8)); return true; }},
            {"locked", [&](const QStringList& w) { locked = ::open(w[1].toUtf8().constData(), O_CREAT | O_RDWR | O_CLOEXEC, 0600); return ::flock(locked, LOCK_EX) == 0; }},
            {"limit",  [&](const QStringList& w) { std::signal(SIGXFSZ, SIG_IGN); const rlimit small{w[1].toULong(), limit.rlim_max}; return ::setrlimit(RLIMIT_FSIZE, &small) == 0; }},
            {"chain",  [&](const QStringList& w) { // chain/l0 -> l1 -> ... -> ../real.dat
                 bool made = QDir().mkdir(QStringLiteral("chain"));
                 for (int i = 0, n = w[1].toInt(); i < n; ++i)
                     made = made && ::symlink(i + 1 < n ? ("l" + std::to_string(i + 1)).c_str() : "../real.dat", ("chain/l" + std::to_string(i)).c_str()) == 0;
                 return made; }},
        };
        // clang-format on
        for (const QString& step : setup) {
            if (step.startsWith(u"own ") && ::geteuid() != 0)
                QSKIP("only the superuser can give a file to another owner");
            QVERIFY2(steps.at(step.section(u' ', 0, 0))(step.split(u' ')), qPrintable(step));
        }
        const uint descriptors = QDir(QStringLiteral("/proc/self/fd")).count();
        const WriteResult result = writeFileAtomically(target.toStdString(), "new");
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_DFL);
        QCOMPARE(::umask(userMask), mask); // the save left the umask as it found it
        QCOMPARE(QDir(QStringLiteral("/proc/self/fd")).count(), descriptors); // and no file open
        ::close(locked);
        QCOMPARE(result.ok ? QStringLiteral("saved") : QString::fromStdString(result.error), error);
        QCOMPARE(folder(), after);
    }
};

QTEST_GUILESS_MAIN(TestSkedFile)
#include "tst_skedfile.moc"
