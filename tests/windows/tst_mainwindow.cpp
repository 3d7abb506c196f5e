// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "CommandLine.h"
#include "ProgramRig.h"
#include "Twips.h"
#include "AboutWindow.h"
#include "AlarmWindow.h"
#include "ClockLabel.h"
#include "MainCaption.h"
#include "StopwatchWindow.h"
#include "WallClockTimer.h"
#include "Numbers.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QMenu>
#include <QTimer>

#include <functional>
#include <map>
#include <utility>

namespace {

// What the user sees of the alarm engine: the armed slot, the skipped slots, the main window's
// caption and message, the alarm window's title and text, and the sounds asked for so far.
QString engineSeen(ProgramRig& rig) {
    QStringList skipped;
    for (int slot = 0; slot < SkedTable::kRows; ++slot) {
        if (rig.table().row(slot).skip)
            skipped << QString::number(slot);
    }
    QString alarm = QStringLiteral("-");
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* shown = qobject_cast<AlarmWindow*>(window); shown && shown->isVisible())
            alarm = shown->windowTitle() + shown->findChild<QLabel*>("messageLabel")->text();
    }
    QString sounds;
    for (const FakeSound::Played& played : rig.sound.played)
        sounds += QFileInfo(played.path).baseName().left(1) + QString::number(int(played.mode));
    return QStringLiteral("%1 [%2] %3|%4|%5|%6%7")
        .arg(rig.engine().armedRow())
        .arg(skipped.join(u','), rig.form().windowTitle(),
             rig.main<QLabel>("nextSkedMessage")->text(), alarm, sounds,
             rig.main("stopButton")->isVisibleTo(&rig.form()) ? QStringLiteral(" Stop")
                                                              : QString());
}

QString rowsThen(int rows, const QString& after) {
    QString bytes;
    for (int i = 1; i <= rows; ++i)
        bytes += "  12/06/26    0930  row " + QString::number(i) + "\r\n";
    return bytes + after;
}

// Which switches are on: Silent, Minimize, PopUp, Close button, UTC, Looping.
QString switchesOn(ProgramRig& rig) {
    QString on;
    for (const char* name : {"silentAlarm", "alarmSetMinimized", "alarmPopUp", "alarmCloseButton",
                             "utcTime", "continuousAlarm"})
        on += rig.main<QAction>(name)->isChecked() ? QStringLiteral("SMPCUL")[on.size()]
                                                   : QChar(u'-');
    return on;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    // Flows through the program as a user meets them, one step after another, and what was
    // seen at each look. Steps: "set K=V" a stored option; "store SECTION/K=V" a stored layout;
    // "rows R;R;..." the schedule file
    // ("flag|date|time|message", an empty one a blank line), "bytes B" or "folder" in its
    // place; "zone H" local time as UTC+H; "start"; "tick T" the clock at
    // T (hh:mm:ss of 5 December 2026, or yyyy-MM-ddThh:mm:ss) and one tick; "timer3" a
    // countdown tick a second after the last, with the clock's text seen; "menu NAME"; "prompt
    // TEXT" and "say yes|no|cancel" the answers to come; "click NAME" a button of the main
    // window; "disk" another program writing the file; "readonly"; "health R,S,MAX,EST" the
    // kernel's reading; "failsaves"; "signal"; "open" the table window; "move X,Y";
    // "minimise"; "key K" to the main window; "menukey" the keyboard's menu request; "press B
    // [CONTROL]" a mouse button on the window or a control; "load NAME" a file chosen by Load;
    // "about" the About window's title and place; "closealarm" the alarm window's close box;
    // "forward" another start's request; "notice stop|open" a notification's action; "login
    // removed|failing" the start entry; "menuopen"; "retime SLOT T" a committed time; "hold" the
    // boxes that do not wait stay open; "nosound P" the sound's problem; "watch B" a stopwatch
    // button, "seconds N" its ticks; "done" the table window's Done; "close" the main window. Also
    // "see notes" (notifications), "see login", "see watch". Looks: "see start-up"
    // (AlarmIndex|message|read at start|switches on|time-base label|UtcOffset|place in twips), "see
    // engine" (AlarmIndex [skipped] caption|message|alarm window|sounds[ Stop]), "see clock"
    // (text|caption|the running timer), "see tips", "see labels", "see stored", "see boxes"
    // (titles), "see texts" (of the boxes), "see file" (its rows), "see menu" (shown or not), "see
    // alarm" and "see table" (the window's place and size), "see window" (minimised or shown, and
    // its caption), "see closed" (ended, stored top and left, schedule path, windows whose layout
    // was stored).
    // clang-format off
    void flows_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("seen");
        using L = QStringList;
        const QString engine = "see engine", set = "Alarm Set   skeds.dat", up = "see start-up";
        const QString two = "rows S|12/01/26|0800|done; |12/06/26|0930|DL1ABC";
        QTest::newRow("first run")           << L{"start", "see boxes", up, "tick 09:00:01", up} << L{" Initial use", "0|0|0|S-PCU-|UTC Time|0|1200,300", "40|Done|0|S-PCU-|UTC Time|0|1200,300"};
        QTest::newRow("first pending armed") << L{two, "start", "see boxes", up} << L{"", "1|DL1ABC|1|S-PCU-|UTC Time|0|1200,300"};
        QTest::newRow("stored switches")     << L{"set Silent=True", "set Minimize=TRUE", "set AlarmPopUp=FALSE", "set AlarmCloseButton=FALSE", "set Use UTC=FALSE", "set Continuous=TRUE", "set UTC Label=EST", two, "start", up} << L{"1|DL1ABC|1|-M---L|Local Time|0|1200,300"};
        QTest::newRow("offset differs")      << L{"set UTC offset=-5", two, "start", "see boxes", up} << L{" Check UTC offset,", "1|DL1ABC|1|S-PCU-|UTC Time|-5|1200,300"};
        QTest::newRow("UTC+5:30, UTC at once") << L{"set UTC offset=-5.5", "zone 5.5", two, "start", "see boxes", "see clock", "tick 08:40:00", "see clock"} << L{"", "09:00:00|Alarm Set   skeds.dat|T1", "08:40:00|Alarm Set   skeds.dat|T1"};
        QTest::newRow("junk offset reads 0") << L{"set UTC offset=99", two, "start", "see boxes", up} << L{"", "1|DL1ABC|1|S-PCU-|UTC Time|0|1200,300"};
        QTest::newRow("place kept")          << L{"set PositionTop=13000", "set PositionLeft=0", two, "start", up} << L{"1|DL1ABC|1|S-PCU-|UTC Time|0|0,13005"};
        QTest::newRow("place out of range")  << L{"set PositionTop=13001", "set PositionLeft=-1", two, "start", up} << L{"1|DL1ABC|1|S-PCU-|UTC Time|0|1200,300"};
        QTest::newRow("junk place reads 0")  << L{"set PositionTop=abc", "set PositionLeft=3e3", two, "start", up} << L{"1|DL1ABC|1|S-PCU-|UTC Time|0|0,0"};
        QTest::newRow("no end line: the done sked stays done") << L{"bytes S 12/01/26    0800  old, done\r\n  12/31/29    2359  far ahead\r\n", "start", "see boxes", up, "tick 09:00:01", engine} << L{"", "1|far ahead|1|S-PCU-|UTC Time|0|1200,300", "1 [0] " + set + "|far ahead|-|"};
        QTest::newRow("bad weekly line")     << L{"bytes S" + rowsThen(3, "WeeklyIncr: 7\r\n  x\r\nend\r\n").mid(1), "start", "see boxes", up, "tick 09:00:01", engine} << L{" Schedule not read whole", "1|row 2|1|S-PCU-|UTC Time|0|1200,300", "1 [0] " + set + "|row 2|-|"};
        QTest::newRow("a folder in its place") << L{"folder", "start", "see boxes", up} << L{" Schedule not read", "0|0|0|S-PCU-|UTC Time|0|1200,300"};
        QTest::newRow("due on its minute") << L{"rows  |12/05/26|1430|net", "start", "tick 14:29:59", engine, "tick 14:30:00", engine, "tick 14:30:01", engine, "see file"} << L{"0 [] " + set + "|net|-|", "40 [0] " + set + "|| Alarm at 14:30:00\nnet|", "40 [0]  Tockmere  by Ovix|Done| Alarm at 14:30:00\nnet|", "S|12/05/26|1430|net"};
        QTest::newRow("table order, not time") << L{"set AlarmPopUp=FALSE", "rows  |12/05/26|1500|a; |12/05/26|1400|b", "start", "tick 14:00:00", engine, "tick 15:00:00", engine, "tick 15:00:01", engine} << L{"0 [] " + set + "|a|-|", "1 [0] " + set + "|b|-|", "40 [0,1] " + set + "||-|"};
        QTest::newRow("missed ones, a second apart") << L{"set Silent=FALSE", "rows S|12/01/26|0800|old; |12/04/26|2300|x; |12/05/26|0859|y; |12/05/26|0901|z", "start", "tick 09:00:00", engine, "tick 09:00:01", engine, "tick 09:00:02", engine, "tick 09:00:03", engine, "see file"} << L{"1 [0] " + set + "|x|-|", "2 [0,1] " + set + "|y| Alarm at 09:00:01\nx\nDue 23:00 UTC, 10 h 0 min late|a0", "3 [0,1,2] " + set + "|z| Alarm at 09:00:02\ny\nDue 08:59 UTC, 1 min late\n\nAlarm at 09:00:01\nx\nDue 23:00 UTC, 10 h 0 min late|a0a0", "3 [0,1,2] " + set + "|z| Alarm at 09:00:02\ny\nDue 08:59 UTC, 1 min late\n\nAlarm at 09:00:01\nx\nDue 23:00 UTC, 10 h 0 min late|a0a0", "S|12/01/26|0800|old;S|12/04/26|2300|x;S|12/05/26|0859|y; |12/05/26|0901|z"};
        QTest::newRow("alarms in a row, each its own notice") << L{"rows  |12/04/26|2300|x; |12/05/26|0859|y; |12/05/26|0900|<b>z</b>; |12/05/26|0902|w", "start", "tick 09:00:01", "tick 09:00:02", "tick 09:00:03", engine, "see notes", "click alarm closeButton", "tick 09:02:00", engine} << L{"3 [0,1,2] " + set + "|w| Alarm at 09:00:03\n<b>z</b>\n\nAlarm at 09:00:02\ny\nDue 08:59 UTC, 1 min late\n\nAlarm at 09:00:01\nx\nDue 23:00 UTC, 10 h 0 min late|", "Alarm at 09:00:01|x\nDue 23:00 UTC, 10 h 0 min late;Alarm at 09:00:02|y\nDue 08:59 UTC, 1 min late;Alarm at 09:00:03|<b>z</b>", "40 [0,1,2,3] " + set + "|| Alarm at 09:02:00\nw|"};
        QTest::newRow("a row below a gap fires") << L{"set AlarmPopUp=FALSE", "rows  |12/05/26|1000|a;; |12/05/26|1100|c", "start", "tick 10:00:00", engine, "tick 10:59:59", "tick 11:00:00", engine, "see file"} << L{"2 [0] " + set + "|c|-|", "40 [0,2] " + set + "||-|", "S|12/05/26|1000|a;S|12/05/26|1100|c"};
        QTest::newRow("nothing pending") << L{"rows S|12/01/26|0800|old", "start", "tick 10:00:00", engine} << L{"40 [0]  Tockmere  by Ovix|Done|-|"};
        QTest::newRow("skeds that cannot ring are passed over") << L{"set AlarmPopUp=FALSE", "rows  |31/12/26|1000|eu; |12/05/26||no time; |12/05/26|0900|rings", "start", "tick 09:00:01", engine} << L{"40 [2] " + set + "||-|"};
        QTest::newRow("looping until Stop") << L{"set Silent=FALSE", "set Continuous=TRUE", "set AlarmPopUp=FALSE", "rows  |12/05/26|0930|x", "start", "tick 09:30:00", engine, "see notes", "click stopButton", "menu testAlarm", engine, "see notes"} << L{"40 [0] " + set + "||-|a1 Stop", "Alarm at 09:30:00|x [Stop]", "40 [0] " + set + "||-|a1s0a0", "Alarm at 09:30:00|x"};
        QTest::newRow("Stop on the notice") << L{"set Silent=FALSE", "set Continuous=TRUE", "set AlarmPopUp=FALSE", "rows  |12/05/26|0930|x", "start", "tick 09:30:00", "notice stop", engine, "see notes"} << L{"40 [0] " + set + "||-|a1s0", "Alarm at 09:30:00|x"};
        QTest::newRow("UTC mode past midnight") << L{"set UTC offset=5", "set AlarmPopUp=FALSE", "rows  |12/06/26|0315|dx", "start", "tick 22:14:59", engine, "tick 22:15:00", engine} << L{"0 [] " + set + "|dx|-|", "40 [0] " + set + "||-|"};
        QTest::newRow("local mode ignores the offset") << L{"set UTC offset=5", "set Use UTC=FALSE", "set AlarmPopUp=FALSE", "rows  |12/06/26|0315|dx", "start", "tick 22:15:00", engine, "tick 2026-12-06T03:15:00", engine} << L{"0 [] " + set + "|dx|-|", "40 [0] " + set + "||-|"};
        QTest::newRow("another program's file kept") << L{"set AlarmPopUp=FALSE", "rows  |12/05/26|0900|a; |12/05/26|0901|b", "start", "disk", "tick 09:01:00", "tick 09:01:01", "see boxes", "see file", "see clock"} << L{" Replace the schedule file?", "S|12/20/26|0800|x", "09:01:01|" + set + "|T1"};
        QTest::newRow("read-only file told once") << L{"set AlarmPopUp=FALSE", "rows  |12/05/26|0900|a; |12/05/26|0901|b", "start", "readonly", "tick 09:01:00", "tick 09:01:01", "see boxes", "see file", engine} << L{" Schedule not saved", " |12/05/26|0900|a; |12/05/26|0901|b", "40 [0,1] " + set + "||-|"};
        QTest::newRow("countdown, sound once") << L{"set Silent=FALSE", "start", "prompt 3", "menu countdown", "see clock", "timer3", "timer3", "timer3", "timer3", "timer3", "see clock", engine} << L{"00:03| Count Down Timer|T1T3", "00:03", "00:02", "00:01", "00:00", "00:03", "00:03| Tockmere  by Ovix|T1", "0 []  Tockmere  by Ovix|0|-|a0"};
        QTest::newRow("countdown, looping") << L{"set Silent=FALSE", "set Continuous=TRUE", "start", "prompt 2", "menu countdown", "timer3", "timer3", "timer3", "timer3", engine} << L{"00:02", "00:01", "00:00", "00:02", "0 []  Tockmere  by Ovix|0|-|a1 Stop"};
        QTest::newRow("countdown, silent") << L{"start", "prompt 1.5", "menu countdown", "timer3", "timer3", "timer3", "timer3", "see texts"} << L{"00:02", "00:01", "00:00", "00:02", " Initial use: Do right-mouse click on TOCKMERE to view options/HELP", "Count Down Timer: Enter <SECONDS> to count down from.\r\n\r\nex: <60 = 1min.>\r\n\r\nEnter 0 to clear.", " Timer: Done countdown..."};
        QTest::newRow("a sked rings during a countdown and its box") << L{"set AlarmPopUp=FALSE", "rows  |12/05/26|0901|due meanwhile; |12/05/26|0902|due under the box", "start", "prompt 62", "menu countdown", "tick 09:01:00", "see clock", engine, "hold", "tick 09:01:03", "timer3", "tick 09:02:00", engine, "see clock", "see boxes"} << L{"01:02| Count Down Timer|T1T3", "1 [0]  Count Down Timer|due under the box|-|", "01:02", "40 [0,1] " + set + "||-|", "09:02:00|" + set + "|T1", "Count Down Timer, Timer"};
        QTest::newRow("countdown as m:ss; junk refused, the count goes on") << L{"start", "prompt 1:30", "menu countdown", "prompt abc", "menu countdown", "see clock", "see boxes"} << L{"01:30| Count Down Timer|T1T3", " Initial use,Count Down Timer,Count Down Timer,Count Down Timer"};
        QTest::newRow("0 with no countdown changes nothing") << L{"rows  |12/06/26|0930|DL1ABC", "start", "prompt 0", "menu countdown", "see clock", engine} << L{"09:00:00|Alarm Set   skeds.dat|T1", "0 [] Alarm Set   skeds.dat|DL1ABC|-|"};
        QTest::newRow("countdown cleared") << L{"start", "prompt 90", "menu countdown", "prompt 0", "menu countdown", "see clock"} << L{"01:30|Alarm Set   skeds.dat|T1"};
        QTest::newRow("the countdown keeps the clock while Done arms") << L{two, "start", "prompt 90", "menu countdown", "open", "done", "see clock", engine, "prompt 0", "menu countdown", "see clock"} << L{"01:30| Count Down Timer|T1T3", "1 [0]  Count Down Timer|DL1ABC|-|", "01:30|" + set + "|T1"};
        QTest::newRow("switches stored at once") << L{"menu silentAlarm", "menu alarmSetMinimized", "menu alarmPopUp", "menu alarmCloseButton", "menu continuousAlarm", "menu utcTime", "see stored", "see labels", "menu silentAlarm", "menu alarmPopUp", "menu alarmCloseButton", "menu utcTime", "see stored", "see labels"} << L{"AlarmCloseButton=FALSE AlarmPopUp=FALSE Continuous=TRUE Minimize=TRUE Silent=FALSE Use UTC=FALSE", "Local Time|0|Local Date|No Alarm Msg PopUp|No Alarm Close Button", "AlarmCloseButton=TRUE AlarmPopUp=TRUE Continuous=TRUE Minimize=TRUE Silent=TRUE Use UTC=TRUE", "UTC Time|0|UTC Date|Alarm Msg PopUp|Alarm Close Button"};
        QTest::newRow("date help: Los Angeles 23:03 is tomorrow in UTC") << L{"set UTC offset=8", "zone -8", "start", "tick 2026-12-08T07:03:00", "open", "datehelp", "set Use UTC=FALSE", "start", "datehelp"} << L{"12/08/26", "12/07/26"};
        QTest::newRow("date help: Tokyo 07:30 is yesterday in UTC") << L{"set UTC offset=-9", "zone 9", "start", "tick 2026-12-07T22:30:00", "open", "datehelp", "set Use UTC=FALSE", "start", "datehelp"} << L{"12/07/26", "12/08/26"};
        QTest::newRow("offsets as people write them") << L{"prompt -5:30", "menu setUtcOffset", "see labels", "prompt 5,75", "menu setUtcOffset", "see labels", "prompt UTC+2", "menu setUtcOffset", "see labels", "see texts"} << L{"UTC Time|-5.5|UTC Date|Alarm Msg PopUp|Alarm Close Button", "UTC Time|5.75|UTC Date|Alarm Msg PopUp|Alarm Close Button", "UTC Time|5.75|UTC Date|Alarm Msg PopUp|Alarm Close Button", ": Enter the UTC hour offset", ": Enter the UTC hour offset", ": Enter the UTC hour offset", " Set UTC offset: \"UTC+2\" is not a UTC offset; the offset is kept at 5.75 hours.\r\n\r\nThe offset is the hours added to local time to get UTC: 5 at UTC-5, -5.5 or -5:30 at UTC+5:30."};
        QTest::newRow("a sound that cannot play is told") << L{"set Silent=FALSE", "rows  |12/05/26|0930|x", "start", "nosound 1", "tick 09:30:00", engine, "see notes", "nosound 2", "menu testAlarm", "see texts"} << L{"40 [0] " + set + "|| Alarm at 09:30:00\nx\nNo sound: no audio output|a0", "Alarm at 09:30:00|x\nNo sound: no audio output", " Test Alarm: No sound: alarm.wav could not be read"};
        QTest::newRow("a looping sound that cannot play offers no Stop") << L{"set Silent=FALSE", "set Continuous=TRUE", "set AlarmPopUp=FALSE", "rows  |12/05/26|0930|x", "start", "nosound 2", "tick 09:30:00", engine} << L{"40 [0] " + set + "||-|a1"};
        QTest::newRow("offset prompts") << L{"prompt 5.625", "menu setUtcOffset", "see labels", "prompt -24", "menu setUtcOffset", "prompt 25", "menu setUtcOffset", "prompt", "menu setUtcOffset", "prompt abc", "menu setUtcOffset", "see labels", "see stored"} << L{"UTC Time|5.5|UTC Date|Alarm Msg PopUp|Alarm Close Button", "UTC Time|-24|UTC Date|Alarm Msg PopUp|Alarm Close Button", "UTC offset=-24"};
        QTest::newRow("label prompt and help") << L{"prompt EST", "menu changeTimeLabel", "prompt", "menu changeTimeLabel", "see labels", "see stored", "prompt -3", "menu setUtcOffset", "menu utcTime", "menu help", "see texts"} << L{"EST|0|UTC Date|Alarm Msg PopUp|Alarm Close Button", "UTC Label=EST", "Time label...: Enter text for time offset: UTC PST etc.", "Time label...: Enter text for time offset: UTC PST etc.", ": Enter the UTC hour offset", " Tockmere Quick Help: You have a -3 hour offset selected.|Select UTC in the menu to use this offset."};
        QTest::newRow("one hour, and none, counted in words") << L{"zone -1", "start", "see texts"} << L{" Check UTC offset: System UTC offset 1 hour does not \r\nmatch the setting in Tockmere 0 hours.", ": <Enter> or <OK> selects the 1 hr. system UTC offset.\r\n\r\nOr enter a new UTC hour offset.", " Initial use: Do right-mouse click on TOCKMERE to view options/HELP"};
        QTest::newRow("offset check at start") << L{"zone 5.5", "prompt -5.5", "start", "see texts", "see stored"} << L{" Check UTC offset: System UTC offset -5.5 hours does not \r\nmatch the setting in Tockmere 0 hours.", ": <Enter> or <OK> selects the -5.5 hr. system UTC offset.\r\n\r\nOr enter a new UTC hour offset.", " Initial use: Do right-mouse click on TOCKMERE to view options/HELP", "UTC offset=-5.5"};
        QTest::newRow("the offset follows daylight saving") << L{"zone -6", "set UTC offset=6", "set AlarmPopUp=FALSE", "rows  |03/14/27|0800|spring; |11/07/27|0700|fall", "start", "tick 2027-03-14T07:59:59", engine, "zone -5", "tick 2027-03-14T08:00:00", "see clock", engine, "tick 2027-11-07T06:59:59", "zone -6", "tick 2027-11-07T07:00:00", engine, "see stored", "see boxes"} << L{"0 [] " + set + "|spring|-|", "08:00:00|" + set + "|T1", "1 [0] " + set + "|fall|-|", "40 [0,1] " + set + "||-|", "AlarmPopUp=FALSE UTC offset=6", ""};
        QTest::newRow("another zone's offset kept, asked once") << L{"zone -6", "set UTC offset=8", two, "start", "see boxes", "zone -5", "tick 09:00:00", "tick 09:00:01", "see texts", "see stored", "tick 09:00:02", "zone -6", "tick 09:00:03", "see boxes"} << L{" Check UTC offset,", " Check UTC offset: System UTC offset 5 hours does not \r\nmatch the setting in Tockmere 8 hours.", ": <Enter> or <OK> selects the 5 hr. system UTC offset.\r\n\r\nOr enter a new UTC hour offset.", "UTC offset=8", " Check UTC offset,"};
        QTest::newRow("the system clock's word") << L{"rows  |12/06/26|0930|a message longer than the thirty characters shown", "start", "health 0,0,2400000,3000", "tick 09:00:01", "tick 09:00:59", "tick 09:01:00", "tick 09:01:30", "see tips", "prompt 99999999", "menu countdown", "see tips", "prompt 0", "menu countdown", "see tips"} << L{"System clock may be off by up to 2.4 s|System clock may be off by up to 2.4 s|a message longer than the thirty characters shown|2|a message longer t…|a message longer than the thirty characters shown", "1666666:39|System clock may be off by up to 2.4 s|a message longer than the thirty characters shown|2|a message longer t…|a message longer than the thirty characters shown", "System clock may be off by up to 2.4 s|System clock may be off by up to 2.4 s|a message longer than the thirty characters shown|2|a message longer t…|a message longer than the thirty characters shown"};
        QTest::newRow("settings not stored: told once") << L{"failsaves", "menu silentAlarm", "menu alarmSetMinimized", "see boxes"} << L{" Settings not saved"};
        QTest::newRow("not told on a signal") << L{"failsaves", "start", "see boxes", "signal", "see boxes"} << L{" Settings not saved, Initial use", ""};
        QTest::newRow("the session's end and a signal store") << L{"rows  |12/06/26|0930|a", "start", "move 100,40", "session", "see closed", "move 200,40", "signal", "see closed"} << L{"0 600 1500 skeds.dat ", "1 600 3000 skeds.dat "};
        QTest::newRow("closing, table shown") << L{"rows  |12/06/26|0930|a", "start", "open", "move 100,40", "load moved.dat", "close", "see closed"} << L{"1 600 1500 moved.dat frmSkeds"};
        QTest::newRow("closing at the edge") << L{"rows  |12/06/26|0930|a", "start", "move 0,867", "close", "see closed"} << L{"1 300 300 skeds.dat "};
        QTest::newRow("closing minimised") << L{"rows  |12/06/26|0930|a", "start", "move 100,40", "minimise", "close", "see closed"} << L{"1 600 1500 skeds.dat "};
        QTest::newRow("the alarm window's close box") << L{"rows  |12/04/26|0930|a", "start", "tick 09:00:01", "closealarm", "see closed"} << L{"0   skeds.dat frmAlarm"};
        QTest::newRow("the table window's stored layout") << L{"store frmSkeds/Left=1500", "store frmSkeds/Top=1950", "store frmSkeds/Width=9000", "store frmSkeds/Height=7500", "start", "open", "see table"} << L{"102,132 600x500"};
        QTest::newRow("the alarm window's stored layout") << L{"store frmAlarm/Left=1500", "store frmAlarm/Top=750", "store frmAlarm/Width=4500", "store frmAlarm/Height=3000", "rows  |12/04/26|0930|a", "start", "tick 09:00:01", "see alarm"} << L{"102,52 300x200"};
        QTest::newRow("brought forward") << L{"start", "minimise", "forward", "see window", "minimise", "notice open", "see window"} << L{"shown Alarm Set   skeds.dat", "shown Alarm Set   skeds.dat"};
        QTest::newRow("the stopwatch") << L{"menu stopwatch", "see watch", "watch startButton", "seconds 61", "menu stopwatch", "see watch", "watch startButton", "see watch", "watch startButton", "see watch", "watch exitButton", "see watch"} << L{"00:00:00 Start1 216x91", "00:01:01 Stop1 216x91", "00:01:01 Start1 216x91", "00:00:00 Stop1 216x91", "00:00:00 Start0 216x91"};
        QTest::newRow("start at login") << L{"start", "menu startAtLogin", "see login", "login removed", "menuopen", "see login", "login failing", "menu startAtLogin", "see login", "see texts"} << L{"1 1", "0 0", "0 0", " Initial use: Do right-mouse click on TOCKMERE to view options/HELP", " Start at Login: Tockmere could not write its entry for the start of your session:\r\n/fake/autostart/org.tockmere.Tockmere.desktop\r\n\r\n(refused)"};
        QTest::newRow("Done looks the table over") << L{"rows  |12/31/29|2359|far; |12/20/26|1400|near; |12/06/26||no time", "start", "open", "say yes", "say no", "done", "see texts"} << L{" Skeds that will not ring: These skeds will not ring:\r\n\r\nSked 3: the time is missing", " Skeds out of order: Sked 2 (12/20/26 1400) will ring only after sked 1. Re-order now?"};
        QTest::newRow("the armed sked retimed: shown, rung, kept at the close") << L{"set AlarmPopUp=FALSE", "rows  |12/05/26|1000|a; |12/05/26|1100|b", "start", "retime 0 0930", "see next", "tick 09:30:00", "retime 1 1015", "see next", "close", "see file"} << L{"09:30", "10:15", "S|12/05/26|0930|a; |12/05/26|1015|b"};
        QTest::newRow("Done arms and names the file") << L{"rows S|12/01/26|0800|old", "start", "tick 10:00:00", "see window", "open", "done", "see window"} << L{"shown  Tockmere  by Ovix", "shown Alarm Set   skeds.dat"};
        QTest::newRow("the menu: mouse and keyboard") << L{"start", "press left", "see menu", "press right", "see menu", "press right clockLabel", "see menu", "press right timeBaseLabel", "see menu", "press right nextSkedMessage", "see menu", "key Shift+F10", "see menu", "menukey", "see menu", "menukey mouse", "see menu", "key F10", "see menu", "key Shift+A", "see menu", "about"} << L{"0", "1", "1", "1", "0", "1", "1", "0", "0", "0", " About Tockmere 249,100"};
    }
    // clang-format on
    void flows() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, seen);
        ProgramRig rig;
        MainWindow& form = rig.form();
        auto* clock = rig.main<ClockLabel>("clockLabel");
        auto* menu = rig.main<QMenu>("optionsMenu");
        auto label = [&rig](const char* name) {
            return rig.main<QLabel>(name);
        };
        QStringList saw;
        auto after = [](const QString& step) {
            return step.section(u' ', 1);
        };
        // clang-format off
        auto placeOf = [](const QWidget& window) { const QRect r = window.geometry(); return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); };
        const std::map<QString, std::function<void(const QString&)>> doing = {
            {"set",    [&](const QString& s) { rig.setOptions({after(s)}); }},
            {"store",  [&](const QString& s) { rig.settings.values["Tockmere/" + after(s).section(u'=', 0, 0)] = after(s).section(u'=', 1); }},
            {"rows",   [&](const QString& s) { rig.writeSchedule(after(s).split(u';')); }},
            {"zone",   [&](const QString& s) { rig.clock.setLocalOffsetMinutes(qRound(after(s).toDouble() * 60)); }},
            {"bytes",  [&](const QString& s) { writeBytes(rig.path(), after(s).toUtf8()); rig.setOptions({"Plannex file=" + rig.path()}); }},
            {"folder", [&](const QString&) { QDir(rig.dir.path()).mkdir("skeds.dat"); rig.setOptions({"Plannex file=" + rig.path()}); }},
            {"start",  [&](const QString&) { rig.program.start(); QCoreApplication::processEvents(); }},
            {"tick",   [&](const QString& s) { rig.tickAt(after(s)); }},
            {"timer3", [&](const QString&) { rig.engine().countdownTick(); rig.clock.advanceSeconds(1); saw << clock->text(); }},
            {"menu",   [&](const QString& s) { rig.main<QAction>(after(s))->trigger(); }},
            {"prompt", [&](const QString& s) { rig.dialogs.promptAnswers << after(s); }},
            {"say",    [&](const QString& s) { rig.dialogs.answerWith(after(s)); }},
            {"click",  [&](const QString& s) { if (after(s).startsWith(u"alarm ")) rig.program.alarmWindow().findChild<QPushButton*>(s.section(u' ', 2))->click(); else rig.main<QPushButton>(after(s))->click(); }},
            {"disk",   [&](const QString&) { writeBytes(rig.path(), "S 12/20/26    0800  x\r\nWeeklyIncr: 0\r\nend\r\n"); }},
            {"readonly", [&](const QString&) { QFile::setPermissions(rig.path(), QFile::ReadOwner); }},
            {"health", [&](const QString& s) { const QStringList v = after(s).split(u','); rig.clockHealth.reading = {v[0].toInt(), v[1].toInt(), v[2].toLong(), v[3].toLong()}; }},
            {"failsaves", [&](const QString&) { rig.settings.failSaves = true; }},
            {"signal", [&](const QString&) { rig.program.endOnSignal(); QVERIFY(rig.program.ended()); }},
            {"session", [&](const QString&) { rig.program.storeForSessionEnd(); }},
            {"open",   [&](const QString&) { rig.open(); }},
            {"datehelp", [&](const QString&) { rig.table().setDate(0, ""); rig.inTable("date_0")->setFocus(Qt::TabFocusReason); saw << QString::fromStdString(rig.table().row(0).date); rig.inTable("doneButton")->setFocus(); }},
            {"move",   [&](const QString& s) { form.move(after(s).section(u',', 0, 0).toInt(), after(s).section(u',', 1).toInt()); }},
            {"minimise", [&](const QString&) { form.showMinimized(); }},
            {"key",    [&](const QString& s) { menu->hide(); QTest::keySequence(&form, QKeySequence(after(s))); }},
            {"press",  [&](const QString& s) { menu->hide(); QWidget* on = s.count(u' ') > 1 ? rig.main(s.section(u' ', 2)) : &form; QTest::mousePress(on, after(s).startsWith(u"right") ? Qt::RightButton : Qt::LeftButton, {}, {5, 5}); }},
            {"menukey", [&](const QString& s) { menu->hide(); QContextMenuEvent event(after(s) == u"mouse" ? QContextMenuEvent::Mouse : QContextMenuEvent::Keyboard, {}, {}, {}); QApplication::sendEvent(&form, &event); }},
            {"load",   [&](const QString& s) { rig.dialogs.fileAnswers << rig.path(after(s)); rig.inTable<QAction>("loadAction")->trigger(); }},
            {"about",  [&](const QString&) { QTimer::singleShot(0, [&saw] { QWidget* about = QApplication::activeModalWidget(); saw << about->windowTitle() + QStringLiteral(" %1,%2").arg(about->x()).arg(about->y()); about->close(); }); rig.main<QAction>("about")->trigger(); }},
            {"closealarm", [&](const QString&) { rig.program.alarmWindow().close(); }},
            {"forward", [&](const QString&) { rig.program.bringForward(); }},
            {"watch",  [&](const QString& s) { ProgramRig::in<QPushButton>(rig.program.stopwatchWindow(), after(s))->click(); QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }},
            {"seconds", [&](const QString& s) { for (int n = after(s).toInt(); n > 0; --n) rig.program.stopwatchWindow().countSecond(); }},
            {"hold",   [&](const QString&) { rig.dialogs.holdAsked = true; }},
            {"nosound", [&](const QString& s) { rig.sound.problem = Sound::Problem(after(s).toInt()); }},
            {"notice", [&](const QString& s) { if (after(s) == u"stop") emit rig.notifier.stopAsked(); else emit rig.notifier.openAsked(); }},
            {"login",  [&](const QString& s) { if (after(s) == u"removed") rig.autostart.enabled = false; else rig.autostart.failure = "refused"; }},
            {"menuopen", [&](const QString&) { menu->popup({0, 0}); menu->hide(); }},
            {"retime", [&](const QString& s) { rig.table().setTime(after(s).section(u' ', 0, 0).toInt(), after(s).section(u' ', 1).toStdString()); }},
            {"done",   [&](const QString&) { rig.inTable<QPushButton>("doneButton")->click(); }},
            {"close",  [&](const QString&) { QTimer::singleShot(0, &form, &QWidget::close); QTimer giveUp; giveUp.callOnTimeout([] { QCoreApplication::exit(1); }); giveUp.start(5000); QCOMPARE(QCoreApplication::exec(), 0); }},
        };
        const std::map<QString, std::function<QString()>> looks = {
            {"engine", [&] { return engineSeen(rig); }},
            {"clock",  [&] { return clock->text() + u'|' + form.windowTitle() + u'|' + (rig.engine().findChild<WallClockTimer*>("tickTimer")->isActive() ? "T1" : "") + (rig.engine().countdownRunning() ? "T3" : ""); }},
            {"tips",   [&] { return clock->toolTip() + u'|' + clock->accessibleDescription() + u'|' + label("nextSkedMessage")->toolTip() + u'|' + QString::number(rig.clockHealth.reads) + u'|' + label("nextSkedMessage")->text() + u'|' + label("nextSkedMessage")->accessibleName(); }},
            {"labels", [&] { return label("timeBaseLabel")->text() + u'|' + QString::fromStdString(offsetText(rig.program.options().utcOffsetMinutes())) + u'|' + rig.inTable<QLabel>("dateHeading")->text() + u'|' + rig.main<QAction>("alarmPopUp")->text() + u'|' + rig.main<QAction>("alarmCloseButton")->text(); }},
            {"stored", [&] { return rig.settings.stored().join(u' '); }},
            {"start-up", [&] { return QStringLiteral("%1|%2|%3|%4|%5|%6|%7,%8").arg(rig.engine().armedRow()).arg(label("nextSkedMessage")->text()).arg(int(rig.schedule().loadedAtStart())).arg(switchesOn(rig), label("timeBaseLabel")->text(), QString::fromStdString(offsetText(rig.program.options().utcOffsetMinutes()))).arg(pixelsToTwips(form.x())).arg(pixelsToTwips(form.y())); }},
            {"menu",   [&] { return QString::number(menu->isVisible()); }},
            {"next",   [&] { return label("nextSkedTime")->text(); }},
            {"alarm",  [&] { return placeOf(rig.program.alarmWindow()); }},
            {"table",  [&] { return placeOf(rig.skeds()); }},
            {"window", [&] { return QString(form.isMinimized() ? "minimised " : "shown ") + form.windowTitle(); }},
            {"closed", [&] { return QString::number(rig.program.ended()) + u' ' + rig.settings.option("PositionTop") + u' ' + rig.settings.option("PositionLeft") + u' ' + QFileInfo(rig.settings.option("Plannex file")).fileName() + u' ' + (rig.settings.hasOption("Width", "frmSkeds") ? "frmSkeds" : "") + (rig.settings.hasOption("Width", "frmAlarm") ? "frmAlarm" : ""); }},
            {"boxes",  [&] { return rig.shownTitles().join(u','); }},
            {"watch",  [&] { QWidget& w = rig.program.stopwatchWindow(); auto text = [&w](const char* name) { return ProgramRig::in<QLabel>(w, name)->text(); }; return text("hours") + u':' + text("minutes") + u':' + text("seconds") + u' ' + ProgramRig::in<QPushButton>(w, "startButton")->text() + QString::number(w.isVisible()) + QStringLiteral(" %1x%2").arg(w.width()).arg(w.height()); }},
            {"notes",  [&] { return rig.notifier.shown.join(u';'); }},
            {"login",  [&] { return QString::number(rig.main<QAction>("startAtLogin")->isChecked()) + u' ' + QString::number(rig.autostart.enabled); }},
            {"file",   [&] { SkedTable onDisk; readSkedFile(rig.path().toStdString(), onDisk); QStringList rows; for (int i = 0; !onDisk.isEmpty(i); ++i) rows << describe(onDisk.row(i)); return rows.join(u';'); }},
        };
        // clang-format on
        for (const QString& step : steps) {
            if (step == u"see texts")
                for (const FakeDialogs::Shown& box : std::exchange(rig.dialogs.shown, {}))
                    // The quick help's fixed lines are the rule table's; here only the lines
                    // that follow the offset and the time base.
                    saw << box.title + ": " +
                               (box.title == u" Tockmere Quick Help"
                                    ? box.text.split("\r\n").mid(5, 2).join(u'|')
                                    : box.text);
            else if (step.startsWith(u"see "))
                saw << looks.at(after(step))();
            else
                doing.at(step.section(u' ', 0, 0))(step);
        }
        QCOMPARE(saw, seen);
    }

    // The caption's rules: events in turn ("set NAME", "idle", "count 1|0", "cleared", "min
    // TEXT"), and the caption after them.
    // clang-format off
    void caption_data() {
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("caption");
        using L = QStringList;
        QTest::newRow("at first")                        << L{}                                                  << " Tockmere  by Ovix";
        QTest::newRow("a countdown ends by itself")      << L{"set a.dat", "count 1", "count 0"}                 << " Tockmere  by Ovix";
        QTest::newRow("cleared: what it said before")    << L{"set a.dat", "count 1", "count 0", "cleared"}      << "Alarm Set   a.dat";
        QTest::newRow("armed meanwhile, then cleared")   << L{"idle", "count 1", "set b.dat", "count 0", "cleared"} << "Alarm Set   b.dat";
        QTest::newRow("counting")                        << L{"set a.dat", "count 1", "set b.dat"}               << " Count Down Timer";
        QTest::newRow("minimised over the countdown")    << L{"count 1", "min 14:30"}                            << "14:30";
        QTest::newRow("a second countdown cleared")      << L{"set a.dat", "count 1", "set b.dat", "count 0", "count 1", "count 0", "cleared"} << "Alarm Set   b.dat";
        QTest::newRow("no countdown ends")               << L{"set a.dat", "count 0"} << "Alarm Set   a.dat";
        QTest::newRow("restored")                        << L{"set a.dat", "min done", "min "}                   << "Alarm Set   a.dat";
    }
    // clang-format on
    void caption() {
        QFETCH(QStringList, events);
        QFETCH(QString, caption);
        MainCaption rules;
        for (const QString& event : events) {
            const QString word = event.section(u' ', 0, 0), rest = event.section(u' ', 1);
            if (word == u"set")
                rules.setAlarmSet(rest);
            else if (word == u"idle")
                rules.setIdle();
            else if (word == u"count")
                rules.setCountdown(rest == u"1");
            else if (word == u"cleared")
                rules.countdownCleared();
            else
                rules.setMinimised(rest);
        }
        QCOMPARE(rules.text(), caption);
    }

    // The command line: what ends at once (status, the output's first line, the error) and the
    // schedule file to start with.
    // clang-format off
    void commandLine_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("asked");
        QTest::newRow("help")      << "-h"      << "0|Usage: tockmere [options] [FILE]||";
        QTest::newRow("version")   << "--version" << "0|tockmere 9.9||";
        QTest::newRow("wrong")     << "--bogus" << "2||tockmere: Unknown option 'bogus'. (try tockmere --help)|";
        QTest::newRow("two files") << "a b"     << "2||tockmere: only one schedule file can be given (try tockmere --help)|";
        QTest::newRow("a file")    << "x.dat"   << "-|||" + QDir::current().filePath("x.dat");
        QTest::newRow("nothing")   << ""        << "-|||";
    }
    // clang-format on
    void commandLine() {
        QFETCH(QString, arguments);
        QFETCH(QString, asked);
        const CommandLine line = readCommandLine(
            QStringList{"tockmere"} + arguments.split(u' ', Qt::SkipEmptyParts), "9.9");
        QCOMPARE(QStringLiteral("%1|%2|%3|%4")
                     .arg(line.exitStatus ? QString::number(*line.exitStatus) : "-",
                          line.output.section(u'\n', 0, 0), line.error, line.skedFile),
                 asked);
    }

    // Every fixed text fits the box it was designed for, at the default font; CTest runs this
    // once more at twice the scale, and at both scales in each language Tockmere ships.
    // clang-format off
    void fixedTextsFit() {
        ProgramRig rig;
        rig.program.start();
        rig.skeds().ensureControls();
        AboutWindow about(0, 1024);
        // What shows values rather than fixed texts, and the controls kept out of sight on purpose.
        const QStringList data{"clockLabel", "nextSkedDate", "nextSkedTime", "nextSkedMessage", "fileLabel", "messageLabel", "hours", "minutes", "seconds", "optionsButton", "skip_40"};
        QStringList over;
        for (QWidget* window : std::initializer_list<QWidget*>{&rig.form(), &rig.skeds(), &rig.program.alarmWindow(), &rig.program.stopwatchWindow(), &about}) {
            for (QWidget* control : window->findChildren<QWidget*>()) {
                auto* label = qobject_cast<QLabel*>(control);
                auto* button = qobject_cast<QAbstractButton*>(control);
                const QString text = label ? label->text() : button ? button->text() : QString();
                if (text.isEmpty() || data.contains(control->objectName()))
                    continue;
                // The room for the text: a label's own, a button's or a check box's contents.
                QStyleOptionButton option;
                option.initFrom(control);
                option.text = text;
                const QRect room = label ? control->rect() : control->style()->subElementRect(qobject_cast<QCheckBox*>(control) ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, control);
                // A label of one line needs room for its ink; a wrapped one for its lines.
                const QFontMetrics metrics = control->fontMetrics();
                const QSize needed = label && !label->wordWrap() ? metrics.tightBoundingRect(text).size() : metrics.boundingRect(QRect(QPoint(), room.size()), label ? Qt::TextWordWrap : 0, text).size();
                if (needed.width() > room.width() || needed.height() > room.height())
                    over << QStringLiteral("%1 needs %2x%3 in %4x%5").arg(control->objectName()).arg(needed.width()).arg(needed.height()).arg(room.width()).arg(room.height());
            }
        }
        QCOMPARE(over.join(QStringLiteral("; ")), QString());
    }
    // clang-format on

    // A screen reader announces frames and alerts as they appear, not fillers.
    void windowRoles() {
        ProgramRig rig;
        QStringList roles;
        for (QWidget* window : std::initializer_list<QWidget*>{
                 &rig.form(), &rig.skeds(), &rig.program.alarmWindow(),
                 &rig.program.stopwatchWindow(), rig.main("nextSkedMessage")})
            roles << QString::number(QAccessible::queryAccessibleInterface(window)->role(), 16);
        QCOMPARE(roles, (QStringList{"9", "9", "8", "9",
                                     "29"})); // Window, ..., AlertMessage, ..., StaticText
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
