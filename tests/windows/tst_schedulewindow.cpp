// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "ProgramRig.h"
#include "AlarmWindow.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>

#include <functional>
#include <map>

namespace {

// The current row's value in the column `name` of a data table, as QFETCH reads it.
template <typename T> const T& column(const char* name) {
    return *static_cast<const T*>(QTest::qData(name, qMetaTypeId<T>()));
}

const QStringList kThree = {"S|12/01/26|0800|done", " |12/06/26|0930|b", " |12/07/26|1000|c"};
const QByteArray kOther =
    "S 12/20/26    0800  x\r\n  12/21/26    0900  y\r\nWeeklyIncr: 0\r\nend\r\n";
const QByteArray kBad =
    "  12/06/26    0930  b\r\nWeeklyIncr: 7\r\n  12/07/26    1000  c\r\nend\r\n";

// A program started on `file` (three rows unless given), with the table window open.
struct Rig : ProgramRig {
    explicit Rig(const QByteArray& file = {}) {
        writeSchedule(kThree);
        if (!file.isEmpty())
            writeBytes(path(), file);
        writeBytes(path(QStringLiteral("other.dat")), kOther);
        writeBytes(path(QStringLiteral("bad.dat")), kBad);
        program.start();
        shownTitles();
        open();
    }
};

} // namespace

class TestScheduleWindow : public QObject {
    Q_OBJECT

private slots:
    // The table window's commands as the user drives them (the words of `doing` below), the
    // boxes they meet, the rows of the current file afterwards ("same": not a byte changed), and
    // what the program shows then: the armed row, the current file, whether the table window is
    // still open, its filled rows, the weekly switch, whether page 2 shows, whether an alarm
    // shows.
    // clang-format off
    void fileCommands_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("armedRow");
        QTest::addColumn<QString>("currentFile");
        QTest::addColumn<bool>("windowOpen");
        QTest::addColumn<int>("filledRows");
        QTest::addColumn<int>("weekly");
        QTest::addColumn<bool>("secondPage");
        QTest::addColumn<bool>("alarmShown");
        const QByteArray three;
        const QStringList same = {"same"}, none;
        const QString replace = " Replace the schedule file?";
        // Files the program did not write: each is kept from a firing, Done, Save over it and
        // Re-order unless the user says Yes.
        const QByteArray noEnd = "S 12/01/26    0800  done\r\n  12/04/26    0930  missed\r\n  12/31/29    2359  far\r\n";
        QByteArray random(4096, 0);
        QRandomGenerator(5).fillRange(reinterpret_cast<quint32*>(random.data()), random.size() / 4);
        const QStringList asked{"tick", "done", "save skeds.dat", "reorder"};
        const QStringList unsorted{" |12/31/29|2359|far", " |12/06/26|0930|b", " |12/07/26|1000|c"};
        // Each row: file, actions, boxes, rows on disk, then armed row, current file, window open, filled rows, weekly, page 2, alarm shown.
        QTest::newRow("Done closes a gap, arms")      << three << QStringList{"row 1 ", "done"} << none << QStringList{"S|12/01/26|0800|done", " |12/07/26|1000|c"} << 2 << "skeds.dat" << false << 2 << 0 << false << false;
        QTest::newRow("Done keeps another's version") << three << QStringList{"disk", "done"} << QStringList{replace} << QStringList{"S|12/20/26|0800|x", " |12/21/26|0900|y"} << 1 << "skeds.dat" << true << 3 << 0 << false << false;
        QTest::newRow("... unless told to replace it") << three << QStringList{"disk", "answer yes", "done"} << QStringList{replace} << kThree << 1 << "skeds.dat" << false << 3 << 0 << false << false;
        QTest::newRow("Done on a file not read whole") << kBad << QStringList{"done"} << QStringList{replace} << same << 0 << "skeds.dat" << true << 1 << 0 << false << false;
        QTest::newRow("... replaced when told")       << kBad << QStringList{"answer yes", "done"} << QStringList{replace} << QStringList{" |12/06/26|0930|b"} << 0 << "skeds.dat" << false << 1 << 0 << false << false;
        QTest::newRow("Load of a folder is refused")  << three << QStringList{"mkdir d.dat", "load d.dat"} << QStringList{" Schedule not loaded"} << same << 1 << "skeds.dat" << true << 3 << 0 << false << false;
        QTest::newRow("Load of no file, then Done")   << three << QStringList{"load new.dat", "done"} << none << none << 40 << "new.dat" << false << 0 << 0 << false << false;
        QTest::newRow("Load of a file not read whole") << three << QStringList{"load bad.dat", "done"} << QStringList{" Schedule not read whole", replace} << QStringList{" |12/06/26|0930|b"} << 0 << "bad.dat" << true << 1 << 0 << false << false;
        QTest::newRow("Save as a new file")           << three << QStringList{"save new.dat", "done"} << none << kThree << 1 << "new.dat" << false << 3 << 0 << false << false;
        QTest::newRow("Save over a file: No")         << three << QStringList{"answer no", "save other.dat"} << QStringList{" File exists..."} << same << 1 << "skeds.dat" << true << 3 << 0 << false << false;
        QTest::newRow("Save over a file: Yes")        << three << QStringList{"answer yes", "save other.dat"} << QStringList{" File exists..."} << kThree << 1 << "other.dat" << true << 3 << 0 << false << false;
        QTest::newRow("Save to a bare extension")     << three << QStringList{"save .DAT"} << none << same << 1 << "skeds.dat" << true << 3 << 0 << false << false;
        QTest::newRow("read-only: Done")              << three << QStringList{"readonly skeds.dat", "done"} << QStringList{" Schedule not saved"} << same << 1 << "skeds.dat" << true << 3 << 0 << false << false;
        QTest::newRow("read-only: Re-order")          << three << QStringList{"readonly skeds.dat", "reorder"} << QStringList{" Re-order failed"} << same << 1 << "skeds.dat" << true << 3 << 0 << false << false;
        QTest::newRow("read-only: Save")              << three << QStringList{"readonly other.dat", "answer yes", "save other.dat"} << QStringList{" File exists...", " Schedule not saved"} << same << 1 << "skeds.dat" << true << 3 << 0 << false << false;
        QTest::newRow("Re-order sorts and saves")     << three << QStringList{"row 0  |12/31/26|2300|late", "reorder"} << none << QStringList{" |12/06/26|0930|b", " |12/07/26|1000|c", " |12/31/26|2300|late"} << 1 << "skeds.dat" << true << 3 << 0 << false << false;
        QTest::newRow("Re-order: a date, no time")    << three << QStringList{"row 2 S|12/09/26||x", "reorder"} << QStringList{""} << same << 1 << "skeds.dat" << true << 3 << 0 << false << false;
        QTest::newRow("Clear Table: Cancel")          << three << QStringList{"weekly", "answer cancel", "clear"} << QStringList{" Erase all the sked information?"} << same << 1 << "skeds.dat" << true << 3 << 1 << false << false;
        QTest::newRow("Clear Table: OK")              << three << QStringList{"weekly", "clear"} << QStringList{" Erase all the sked information?", " Auto date fill"} << same << 40 << "skeds.dat" << true << 0 << 1 << false << false;
        QTest::newRow("close box arms, stays open")   << three << QStringList{"row 1 S|12/06/26|0930|b", "close"} << none << same << 2 << "skeds.dat" << true << 3 << 0 << false << false;
        QTest::newRow("minimising arms")              << three << QStringList{"row 1 S|12/06/26|0930|b", "row 2 S|12/07/26|1000|c", "minimise"} << none << same << 40 << "skeds.dat" << false << 3 << 0 << false << false;
        QTest::newRow("Set Alarm restores it")        << three << QStringList{"minimise", "setalarm"} << none << same << 1 << "skeds.dat" << true << 3 << 0 << false << false;
        QTest::newRow("Save shows page 1")            << three << QStringList{"page2", "save new.dat"} << none << kThree << 1 << "new.dat" << true << 3 << 0 << false << false;
        QTest::newRow("Load after an edit: No keeps it") << three << QStringList{"row 1  |12/06/26|0930|edited", "load other.dat"} << QStringList{" Load Sked file"} << same << 1 << "skeds.dat" << true << 3 << 0 << false << false;
        QTest::newRow("... Yes loads")                << three << QStringList{"row 1  |12/06/26|0930|edited", "answer yes", "load other.dat"} << QStringList{" Load Sked file"} << QStringList{"S|12/20/26|0800|x", " |12/21/26|0900|y"} << 1 << "other.dat" << true << 2 << 0 << false << false;
        QTest::newRow("an armed edit outlives SIGTERM") << three << QStringList{"row 1  |12/06/26|0930|edited", "close", "signal"} << none << QStringList{"S|12/01/26|0800|done", " |12/06/26|0930|edited", " |12/07/26|1000|c"} << 1 << "skeds.dat" << false << 3 << 0 << false << false;
        QTest::newRow("... and one still in its field") << three << QStringList{"type message_1 typed", "signal"} << none << QStringList{"S|12/01/26|0800|done", " |12/06/26|0930|typed", " |12/07/26|1000|c"} << 1 << "skeds.dat" << false << 3 << 0 << false << false;
        QTest::newRow("Load shows page 1")            << three << QStringList{"page2", "load other.dat"} << none << QStringList{"S|12/20/26|0800|x", " |12/21/26|0900|y"} << 1 << "other.dat" << true << 2 << 0 << false << false;
        QTest::newRow("Re-order keeps the page")      << three << QStringList{"page2", "reorder"} << none << kThree << 1 << "skeds.dat" << true << 3 << 0 << true << false;
        QTest::newRow("Re-order: not a date")         << three << QStringList{"row 2  |12.09.26|1000|x", "reorder"} << QStringList{""} << same << 1 << "skeds.dat" << true << 3 << 0 << false << false;
        QTest::newRow("Re-order keeps another's version") << three << QStringList{"disk", "reorder"} << QStringList{replace} << QStringList{"S|12/20/26|0800|x", " |12/21/26|0900|y"} << 1 << "skeds.dat" << true << 3 << 0 << false << false;
        QTest::newRow("a done sked re-ordered into the armed row") << three << QStringList{"row 2 S|11/01/26|0800|older", "reorder", "tick"} << none << QStringList{"S|11/01/26|0800|older", "S|12/01/26|0800|done", " |12/06/26|0930|b"} << 2 << "skeds.dat" << true << 3 << 0 << false << false;
        QTest::newRow("no end line: asked every time") << noEnd << asked << QStringList{replace, replace, replace, replace} << same << 2 << "skeds.dat" << true << 3 << 0 << false << true;
        QTest::newRow("... and Yes writes")           << noEnd << QStringList{"answer yes", "done"} << QStringList{replace} << QStringList{"S|12/01/26|0800|done", " |12/04/26|0930|missed", " |12/31/29|2359|far"} << 1 << "skeds.dat" << false << 3 << 0 << false << false;
        QTest::newRow("random bytes: nothing rings")  << random << asked << QStringList{replace, replace, ""} << same << 40 << "skeds.dat" << true << 35 << 0 << false << false;
        QTest::newRow("one long line")                << QByteArray(100000, 'x') << asked << QStringList{replace, replace, ""} << same << 40 << "skeds.dat" << true << 1 << 0 << false << false;
        QTest::newRow("a text that is no schedule")   << QByteArray("Dear op,\nthe net moves to 14.047.\n") << asked << QStringList{replace, replace, ""} << same << 40 << "skeds.dat" << true << 2 << 0 << false << false;
        QTest::newRow("Done names skeds that cannot ring") << three << QStringList{"row 1  |12/06/26||b", "done"} << QStringList{" Skeds that will not ring"} << QStringList{"S|12/01/26|0800|done", " |12/06/26||b", " |12/07/26|1000|c"} << 2 << "skeds.dat" << false << 3 << 0 << false << false;
        QTest::newRow("out of order: No keeps it")    << three << QStringList{"row 0  |12/31/29|2359|far", "answer no", "done"} << QStringList{" Skeds out of order"} << unsorted << 0 << "skeds.dat" << false << 3 << 0 << false << false;
        QTest::newRow("out of order: Yes, but Re-order cannot") << three << QStringList{"row 0  |12/31/29|2359|far", "row 2  |31/12/26|1000|eu", "answer cancel", "answer yes", "done"} << QStringList{" Skeds that will not ring", " Skeds out of order", ""} << QStringList{" |12/31/29|2359|far", " |12/06/26|0930|b", " |31/12/26|1000|eu"} << 1 << "skeds.dat" << true << 3 << 0 << false << false;
        QTest::newRow("out of order: Yes on Save")    << three << QStringList{"row 0  |12/31/29|2359|far", "answer yes", "save new.dat"} << QStringList{" Skeds out of order"} << QStringList{" |12/06/26|0930|b", " |12/07/26|1000|c", " |12/31/29|2359|far"} << 1 << "new.dat" << true << 3 << 0 << false << false;
        QTest::newRow("Done lasts till the table is handed back") << three << QStringList{"row 1 S|12/06/26|0930|b", "row 2 S|12/07/26|1000|c", "tick", "row 1  |12/06/26|0930|b", "tick 09:00:02"} << none << same << 40 << "skeds.dat" << true << 3 << 0 << false << false;
        QTest::newRow("a half-typed time rings nothing") << three << QStringList{"type time_1 0", "tick 2026-12-06T09:00:00", "tick 2026-12-06T09:00:01"} << none << same << 1 << "skeds.dat" << true << 3 << 0 << false << false;
        QTest::newRow("... the time left rings")     << three << QStringList{"type time_1 0915", "leave", "tick 2026-12-06T09:15:00"} << none << QStringList{"S|12/01/26|0800|done", "S|12/06/26|0915|b", " |12/07/26|1000|c"} << 2 << "skeds.dat" << true << 3 << 0 << false << true;
        QTest::newRow("Clear Table, then a tick")     << three << QStringList{"clear", "tick"} << QStringList{" Erase all the sked information?", " Auto date fill"} << same << 40 << "skeds.dat" << true << 0 << 0 << false << false;
    }
    // clang-format on
    void fileCommands() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, actions);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, rows);
        Rig rig(file);
        const QByteArray before = readBytes(rig.path());
        ScheduleWindow& skeds = rig.skeds();
        // clang-format off
        const std::map<QString, std::function<void(const QString&)>> doing = {
            {"row",      [&](const QString& a) { rig.table().setRow(a.left(1).toInt(), entryFrom(a.mid(2))); }},
            {"type",     [&](const QString& a) { auto* f = rig.inTable<QLineEdit>(a.section(u' ', 0, 0)); f->setFocus(Qt::OtherFocusReason); f->selectAll(); QTest::keyClicks(f, a.section(u' ', 1)); }},
            {"leave",    [&](const QString&) { rig.inTable("doneButton")->setFocus(Qt::TabFocusReason); }},
            {"disk",     [&](const QString&) { writeBytes(rig.path(), kOther); }},
            {"mkdir",    [&](const QString& a) { QDir(rig.dir.path()).mkdir(a); }},
            {"readonly", [&](const QString& a) { QFile::setPermissions(rig.path(a), QFile::ReadOwner); }},
            {"answer",   [&](const QString& a) { rig.dialogs.answerWith(a); }},
            {"weekly",   [&](const QString&) { rig.inTable<QAbstractButton>("weeklyCheck")->click(); }},
            {"page2",    [&](const QString&) { rig.inTable<QAbstractButton>("pageSwitch")->click(); }},
            {"setalarm", [&](const QString&) { rig.main<QPushButton>("setAlarmButton")->click(); }},
            {"clear",    [&](const QString&) { rig.inTable<QAbstractButton>("clearButton")->click(); }},
            {"close",    [&](const QString&) { skeds.close(); }},
            {"minimise", [&](const QString&) { skeds.showMinimized(); }},
            {"done",     [&](const QString&) { rig.inTable<QAbstractButton>("doneButton")->click(); }},
            {"tick",     [&](const QString& a) { rig.tickAt(a.isEmpty() ? QStringLiteral("09:00:01") : a); }},
            {"reorder",  [&](const QString&) { rig.inTable<QAbstractButton>("reorderButton")->click(); }},
            {"signal",   [&](const QString&) { rig.program.endOnSignal(); }},
            {"load",     [&](const QString& a) { rig.dialogs.fileAnswers << rig.path(a); rig.inTable<QAction>("loadAction")->trigger(); }},
            {"save",     [&](const QString& a) { rig.dialogs.fileAnswers << rig.path(a); rig.inTable<QAction>("saveAction")->trigger(); }},
        };
        // clang-format on
        for (const QString& action : actions)
            doing.at(action.section(u' ', 0, 0))(action.section(u' ', 1));
        QCOMPARE(rig.shownTitles(), boxes);
        if (rows == QStringList{QStringLiteral("same")}) {
            QCOMPARE(readBytes(rig.path()), before);
        } else {
            SkedTable onDisk;
            QVERIFY(readSkedFile(rig.schedule().path().toStdString(), onDisk).status !=
                    ReadStatus::CannotOpen);
            rows << QStringLiteral(" |||");
            QCOMPARE(describeRows(onDisk, int(rows.size())), rows);
        }
        int filled = 0;
        for (int slot = 0; slot < SkedTable::kSlots; ++slot)
            filled += rig.table().isEmpty(slot) ? 0 : 1;
        QCOMPARE(rig.engine().armedRow(), column<int>("armedRow"));
        QCOMPARE(QFileInfo(rig.schedule().path()).fileName(), column<QString>("currentFile"));
        QCOMPARE(skeds.isVisible() && !skeds.isMinimized(), column<bool>("windowOpen"));
        QCOMPARE(filled, column<int>("filledRows"));
        QCOMPARE(rig.table().weekly(), column<int>("weekly"));
        QCOMPARE(rig.inTable<QCheckBox>("pageSwitch")->isChecked(), column<bool>("secondPage"));
        QCOMPARE(rig.program.alarmWindow().isVisible(), column<bool>("alarmShown"));
        QCOMPARE(rig.inTable<QLabel>("fileLabel")->text(), rig.schedule().path());
    }

    // Which page shows (the four controls of slots 0, 19, 20, 39 and the spare 40) and its
    // captions: at first, ticked, and after Set Alarm.
    void pages() {
        Rig rig;
        auto field = [&rig](const char* name, int slot) {
            return rig.inTable(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(slot));
        };
        auto pageSwitch = rig.inTable<QCheckBox>("pageSwitch");
        auto seen = [&] {
            QString shown;
            for (int slot : {0, 19, 20, 39, 40})
                shown += QString::number(
                    field("skip", slot)->isVisible() + field("date", slot)->isVisible() +
                    field("time", slot)->isVisible() + field("message", slot)->isVisible());
            return shown + u' ' + qobject_cast<QLineEdit*>(field("date", 0))->text() +
                   pageSwitch->text() + rig.skeds().windowTitle() +
                   qobject_cast<QCheckBox*>(field("skip", 40))->text() +
                   field("date", 20)->palette().base().color().name();
        };
        rig.table().setWeekly(2); // from a file: off, but kept
        rig.tickAt("09:00:05");
        QStringList saw{seen() +
                        QString::number(rig.inTable<QCheckBox>("weeklyCheck")->checkState()) +
                        rig.inTable<QLabel>("clockLabel")->text()};
        pageSwitch->click();
        saw << seen() << (rig.main<QPushButton>("setAlarmButton")->click(), seen());
        QCOMPARE(saw,
                 (QStringList{"44000 12/01/26Skeds 1 to 20   Schedules Page1dummy#e0e0e0109:00:05",
                              "00440 12/01/26Skeds 21 to 40   Schedules page 2dummy#e0e0e0",
                              "44000 12/01/26Skeds 1 to 20   Schedules page 1dummy#e0e0e0"}));
    }

    // The date helps run for focus the user gives and for clicks; focus that comes back with
    // the window leaves an emptied date empty.
    void dateEntry() {
        Rig rig;
        auto date = [&rig](int slot) {
            return rig.inTable<QLineEdit>(QStringLiteral("date_%1").arg(slot));
        };
        auto skip = [&rig](int slot) {
            return rig.inTable<QCheckBox>(QStringLiteral("skip_%1").arg(slot));
        };
        rig.table().blank(0, 39);
        date(0)->setFocus(Qt::TabFocusReason);      // today
        QTest::mouseClick(date(1), Qt::LeftButton); // the date above
        rig.table().setTime(1, "0930");
        rig.inTable<QCheckBox>("weeklyCheck")->click();
        QTest::mouseClick(date(2), Qt::LeftButton); // a week on, with the time above
        auto* message = rig.inTable<QLineEdit>("message_2");
        message->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(message, QStringLiteral("typed"));
        skip(2)->click();
        skip(1)->click();
        // Typing stays in the field until it is left.
        QCOMPARE(describe(rig.table().row(2)), "S|12/12/26|0930|");
        date(1)->setFocus(Qt::OtherFocusReason);
        date(1)->selectAll();
        QTest::keyClick(date(1), Qt::Key_Space);        // a blank date clears the skip
        date(3)->setFocus(Qt::BacktabFocusReason);      // the date above
        date(4)->setFocus(Qt::ShortcutFocusReason);     // and again
        date(5)->setFocus(Qt::ActiveWindowFocusReason); // nothing
        date(6)->setFocus(Qt::OtherFocusReason);        // nothing
        QCOMPARE(describeRows(rig.table(), 7),
                 (QStringList{" |12/05/26||", " ||0930|", "S|12/12/26|0930|typed", " |12/12/26||",
                              " |12/12/26||", " |||", " |||"}));
    }

    // The schedule is the same file wherever the program is started from: the default name is
    // taken from the folder of the first start and stored whole at once.
    void sameScheduleFromAnotherFolder() {
        const QString home = QDir::currentPath();
        QTemporaryDir first, second;
        FakeSettings kept;
        QStringList paths;
        for (const QTemporaryDir* folder : {&first, &second}) {
            QDir::setCurrent(folder->path());
            ProgramRig rig;
            rig.settings.values = kept.values;
            rig.program.start();
            kept.values = rig.settings.values;
            paths << rig.schedule().path() << kept.option("Plannex file");
        }
        // A file named on the command line is stored only at the close, as before.
        ProgramRig named;
        named.settings.values = kept.values;
        named.program.start(QStringLiteral("named.dat"));
        QDir::setCurrent(home);
        paths << named.settings.option("Plannex file");
        QCOMPARE(paths, QStringList(5, QDir(first.path()).filePath("skeds.dat")));
    }

    // At the end of a session a file another program changed is left as it is: the table goes
    // beside the settings, and the next start says where.
    void keptAtSessionEnd() {
        Rig rig;
        rig.settings.folder = rig.dir.path();
        writeBytes(rig.path(), kOther);
        rig.table().setMessage(1, "edited");
        rig.program.storeForSessionEnd();
        const QString kept = rig.path("kept-skeds.dat");
        ProgramRig next;
        next.settings.values = rig.settings.values;
        next.program.start();
        QCOMPARE(readBytes(rig.path()) + readBytes(kept).mid(26, 26) +
                     next.shownTitles().join(u','),
                 kOther + "  12/06/26    0930  edited Schedule kept");
    }

    // Printing asks first; a printer that fails offers the same listing as a PDF file.
    void printout() {
        Rig rig;
        rig.dialogs.answers << Dialogs::Answer::Cancel << Dialogs::Answer::Ok
                            << Dialogs::Answer::Yes;
        rig.inTable<QPushButton>("printButton")->click();
        QVERIFY(rig.printer.printed.isEmpty());
        rig.printer.printResult = {false, QStringLiteral("no printer")};
        rig.dialogs.fileAnswers << rig.path(QStringLiteral("list.pdf"));
        rig.inTable<QPushButton>("printButton")->click();
        const QStringList paper = FakePrinter::paper(rig.printer.pdfs.value(0).lines);
        QCOMPARE(paper.value(1) + paper.value(3) + paper.value(5),
                 "         Scheduled Alarms   File: " + rig.path() +
                     " Dates and Times are UTC 12/01/26    0800    done");
        rig.inTable<QAction>("helpAction")->trigger();
        QCOMPARE(rig.dialogs.shown[3].defaultText + rig.printer.pdfs.value(0).path +
                     rig.help.shown.value(0),
                 rig.path("skeds.pdf") + rig.path("list.pdf") + rig.path("Tockmere.HLP"));
    }
};

QTEST_MAIN(TestScheduleWindow)
#include "tst_schedulewindow.moc"
