#include "ProgramRig.h"
#include "SkedRows.h"
#include "SkedForm.h"
#include "frmSkeds.h"

#include <QAction>
#include <QFile>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

const QByteArray kThreeRows = "S 12/01/26    0800  done\r\n"
                              "  12/05/26    1430  W1AW net\r\n"
                              "  12/06/26    0930  DL1ABC\r\n"
                              "WeeklyIncr: 0\r\nend\r\n";

struct Rig : ProgramRig {
    frmSkeds& skeds() { return program.skeds(); }
    SkedForm& form() { return program.main(); }
    SkedTable& table() { return program.skeds().table(); }

    // Starts the program on a schedule file and opens the table window with "Set Alarm".
    void open(const QByteArray& file = kThreeRows) {
        writeSchedule(file);
        program.start();
        form().Command1->click();
        QVERIFY(QTest::qWaitForWindowExposed(&skeds()));
        QApplication::setActiveWindow(&skeds());
        QVERIFY(QTest::qWaitForWindowActive(&skeds()));
    }
    void fill(int slot, const char* date, const char* time, const char* message, bool skip) {
        table().setDate(slot, date);
        table().setTime(slot, time);
        table().setMessage(slot, message);
        table().setSkip(slot, skip);
    }
};

bool rowShown(frmSkeds& skeds, int slot) {
    const bool shown = skeds.SkedDate[slot]->isVisible();
    // The four controls of a row always come and go together.
    if (skeds.Skip[slot]->isVisible() != shown || skeds.SkedTime[slot]->isVisible() != shown ||
        skeds.SkedWith[slot]->isVisible() != shown)
        return !shown; // a mismatch makes any expectation fail
    return shown;
}

} // namespace

class TestFrmSkeds : public QObject {
    Q_OBJECT

private slots:
    void designedLayout() {
        Rig rig;
        rig.open();
        frmSkeds& skeds = rig.skeds();
        // Set Alarm leaves an unticked page switch alone, so the creation caption stays.
        QCOMPARE(skeds.windowTitle(), QStringLiteral(" Schedules Page1"));
        QCOMPARE(skeds.centralWidget()->size(), QSize(517, 464));
        QStringList menu;
        for (QAction* action : skeds.menuBar()->actions())
            menu << action->text();
        QCOMPARE(menu, (QStringList{" ", "Save Sked file", "Load Sked file", "Help"}));
        QCOMPARE(skeds.WeeklyCheck->text(), QStringLiteral("Weekly Increment"));
        QCOMPARE(skeds.Check1->text(), QStringLiteral("Skeds 1 to 20  "));
        QCOMPARE(skeds.Label4->text(), QStringLiteral("Skip"));
        QCOMPARE(skeds.Label1->text(), QStringLiteral("UTC Date"));
        QCOMPARE(skeds.Label2->text(), QStringLiteral("Sked Time"));
        QCOMPARE(skeds.Label3->text(), QStringLiteral("Sked Message"));
        QCOMPARE(skeds.Label5->text(),
                 QStringLiteral(
                     "The skip checkboxes are automatically checked after the alarm sounds."));
        QCOMPARE(skeds.Label6->text(), QStringLiteral("Right-mouse click on Tockmere for options, "
                                                      "Countdown Timer, Stop Watch and Help."));
        QCOMPARE(skeds.Label7->text(), QStringLiteral("Upper Right-X    disabled"));
        QCOMPARE(skeds.reOrder->toolTip(),
                 QStringLiteral(" Click to re-order dates amd times, verify the results "));
        QStringList buttons;
        for (QPushButton* button : {skeds.cmdDone, skeds.reOrder, skeds.Command2, skeds.Command1})
            buttons << button->text();
        QCOMPARE(buttons, (QStringList{"Done", "Re-order", "Printout", "Clear Table"}));
        QVERIFY(skeds.cmdDone->x() < skeds.reOrder->x() &&
                skeds.reOrder->x() < skeds.Command2->x() &&
                skeds.Command2->x() < skeds.Command1->x());
        QCOMPARE(skeds.Label8->text(), rig.path(QStringLiteral("skeds.dat")));

        // Rows 240 twips (16 px) apart from a first top of 915 twips; page 2 overlays page 1.
        QCOMPARE(skeds.Skip[0]->geometry(), QRect(21, 61, 17, 17));
        QCOMPARE(skeds.SkedDate[0]->geometry(), QRect(45, 60, 73, 19));
        QCOMPARE(skeds.SkedTime[0]->geometry(), QRect(133, 60, 49, 19));
        QCOMPARE(skeds.SkedWith[0]->geometry(), QRect(198, 60, 305, 19));
        QCOMPARE(skeds.SkedDate[19]->geometry(), QRect(45, 364, 73, 19));
        QCOMPARE(skeds.SkedDate[39]->geometry(), skeds.SkedDate[19]->geometry());
        QCOMPARE(skeds.SkedWith[20]->geometry(), skeds.SkedWith[0]->geometry());
        QCOMPARE(skeds.SkedDate[40]->y(), 379);
        QCOMPARE(skeds.Skip[40]->text(), QStringLiteral("dummy"));
        QVERIFY(!rowShown(skeds, 40));
        QCOMPARE(skeds.SkedDate[0]->maxLength(), 10);
        QCOMPARE(skeds.SkedTime[0]->maxLength(), 4);
        QCOMPARE(skeds.SkedWith[0]->maxLength(), 60);
        for (int slot : {0, 19})
            QVERIFY(skeds.SkedDate[slot]->palette().color(QPalette::Base) != QColor(224, 224, 224));
        for (int slot : {20, 39, 40})
            QCOMPARE(skeds.SkedDate[slot]->palette().color(QPalette::Base), QColor(224, 224, 224));
        // The loaded file shows in the fields.
        QVERIFY(skeds.Skip[0]->isChecked());
        QCOMPARE(skeds.SkedWith[1]->text(), QStringLiteral("W1AW net"));
    }

    void pages_data() {
        QTest::addColumn<bool>("page2");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("title");
        QTest::newRow("page 2") << true << "Skeds 21 to 40  "
                                << " Schedules page 2";
        QTest::newRow("back to page 1") << false << "Skeds 1 to 20  "
                                        << " Schedules page 1";
    }
    void pages() {
        QFETCH(bool, page2);
        QFETCH(QString, check);
        QFETCH(QString, title);
        Rig rig;
        rig.open();
        frmSkeds& skeds = rig.skeds();
        QTest::mouseClick(skeds.Check1, Qt::LeftButton);
        if (!page2)
            QTest::mouseClick(skeds.Check1, Qt::LeftButton);
        QCOMPARE(skeds.Check1->isChecked(), page2);
        QCOMPARE(skeds.Check1->text(), check);
        QCOMPARE(skeds.windowTitle(), title);
        for (int slot = 0; slot < 40; ++slot)
            QCOMPARE(rowShown(skeds, slot), (slot >= 20) == page2);
        QVERIFY(!rowShown(skeds, 40));
    }

    void typingWritesTheTableAndTheTableShows() {
        Rig rig;
        rig.open();
        frmSkeds& skeds = rig.skeds();
        skeds.SkedWith[3]->setFocus();
        QTest::keyClicks(skeds.SkedWith[3], "K1ABC");
        QTest::keyClicks(skeds.SkedTime[3], "21005");
        QTest::mouseClick(skeds.Skip[2], Qt::LeftButton, {}, QPoint(8, 8));
        QCOMPARE(rig.table().row(3).message, std::string("K1ABC"));
        QCOMPARE(rig.table().row(3).time, std::string("2100"));
        QVERIFY(rig.table().row(2).skip);

        rig.table().setMessage(25, "from the table");
        rig.table().setSkip(25, true);
        rig.table().setWeekly(1);
        QCOMPARE(skeds.SkedWith[25]->text(), QStringLiteral("from the table"));
        QVERIFY(skeds.Skip[25]->isChecked());
        QVERIFY(skeds.WeeklyCheck->isChecked());

        skeds.SkedDate[0]->selectAll();
        QTest::keyClick(skeds.SkedDate[0], Qt::Key_Delete);
        QVERIFY(!rig.table().row(0).skip); // an emptied date unticks its skip box
        QVERIFY(!skeds.Skip[0]->isChecked());
    }

    void dateFieldsByMouseAndKeyboard_data() {
        QTest::addColumn<bool>("weekly");
        QTest::addColumn<QString>("how"); // mouse, keyboard, keyboard+mouse
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        // Sked 2 (slot 1) holds 12/05/26 1430 and sked 3 (slot 2) 12/06/26 0930.
        QTest::newRow("click empty sked 4: copy above") << false << "mouse" << 3 << "12/06/26"
                                                        << "";
        QTest::newRow("click empty sked 4, weekly: step") << true << "mouse" << 3 << "12/13/26"
                                                          << "0930";
        QTest::newRow("keyboard into sked 4, weekly: copy only")
            << true << "keyboard" << 3 << "12/06/26"
            << "";
        QTest::newRow("keyboard then click, weekly: step")
            << true << "keyboard+mouse" << 3 << "12/13/26"
            << "0930";
        QTest::newRow("click filled sked 3: overwritten") << false << "mouse" << 2 << "12/05/26"
                                                          << "0930";
        QTest::newRow("keyboard into filled sked 3: kept") << false << "keyboard" << 2 << "12/06/26"
                                                           << "0930";
    }
    void dateFieldsByMouseAndKeyboard() {
        QFETCH(bool, weekly);
        QFETCH(QString, how);
        QFETCH(int, slot);
        QFETCH(QString, date);
        QFETCH(QString, time);
        Rig rig;
        rig.open();
        frmSkeds& skeds = rig.skeds();
        if (weekly)
            QTest::mouseClick(skeds.WeeklyCheck, Qt::LeftButton, {}, QPoint(8, 8));
        QCOMPARE(rig.table().weekly(), weekly ? 1 : 0);
        if (how.startsWith(u"keyboard")) {
            skeds.Skip[slot]->setFocus();
            QTest::keyClick(skeds.Skip[slot], Qt::Key_Tab);
            QVERIFY(skeds.SkedDate[slot]->hasFocus());
        }
        if (how.endsWith(u"mouse"))
            QTest::mouseClick(skeds.SkedDate[slot], Qt::LeftButton);
        QCOMPARE(skeds.SkedDate[slot]->text(), date);
        QCOMPARE(skeds.SkedTime[slot]->text(), time);
        QCOMPARE(QString::fromStdString(rig.table().row(slot).date), date);
    }

    void firstDateFieldOffersToday() {
        Rig rig;
        rig.clock.setUtc(QDateTime(QDate(2026, 12, 5), QTime(23, 30), Qt::UTC));
        rig.clock.setLocalOffsetHours(1); // the local date is already 6 December
        rig.open("WeeklyIncr: 1\r\nend\r\n");
        frmSkeds& skeds = rig.skeds();
        QTest::mouseClick(skeds.SkedDate[0], Qt::LeftButton);
        QCOMPARE(skeds.SkedDate[0]->text(), QStringLiteral("12/06/26"));
        QTest::mouseClick(skeds.SkedDate[0], Qt::LeftButton); // filled: nothing more happens
        QCOMPARE(skeds.SkedDate[0]->text(), QStringLiteral("12/06/26"));
    }

    void sked21TakesSked20AcrossThePage() {
        Rig rig;
        rig.open();
        rig.fill(19, "02/25/04", "1200", "twenty", false);
        frmSkeds& skeds = rig.skeds();
        QTest::mouseClick(skeds.WeeklyCheck, Qt::LeftButton, {}, QPoint(8, 8));
        skeds.Check1->setChecked(true);
        QTest::mouseClick(skeds.SkedDate[20], Qt::LeftButton);
        QCOMPARE(skeds.SkedDate[20]->text(), QStringLiteral("03/03/04"));
        QCOMPARE(skeds.SkedTime[20]->text(), QStringLiteral("1200"));
    }

    void doneWritesAndArms_data() {
        QTest::addColumn<QList<int>>("skipped"); // among six filled rows; "-1": empty table
        QTest::addColumn<int>("armed");
        QTest::addColumn<QString>("lblNum");
        QTest::newRow("rows 1 and 2 skipped") << QList<int>{0, 1} << 2 << "sked 3";
        QTest::newRow("none skipped") << QList<int>{} << 0 << "sked 1";
        QTest::newRow("empty table") << QList<int>{-1} << 0 << "";
    }
    void doneWritesAndArms() {
        QFETCH(QList<int>, skipped);
        QFETCH(int, armed);
        QFETCH(QString, lblNum);
        Rig rig;
        rig.open();
        rig.table().blank(0, 39);
        QByteArray expected;
        if (skipped != QList<int>{-1}) {
            for (int i = 0; i < 6; ++i) {
                const QByteArray message = "sked " + QByteArray::number(i + 1);
                rig.table().setDate(i, "12/1" + std::to_string(i + 1) + "/26");
                rig.table().setTime(i, "1200");
                rig.table().setMessage(i, message.toStdString());
                rig.table().setSkip(i, skipped.contains(i));
                expected += (skipped.contains(i) ? "S " : "  ") + QByteArray("12/1") +
                            QByteArray::number(i + 1) + "/26    1200  " + message + "\r\n";
            }
        }
        expected += "WeeklyIncr: 0\r\nend\r\n";
        QTest::mouseClick(rig.skeds().cmdDone, Qt::LeftButton);
        QCOMPARE(rig.readFile(), expected);
        QVERIFY(rig.skeds().isHidden());
        QCOMPARE(int(rig.basic().AlarmIndex), armed);
        QCOMPARE(rig.form().lblNum->text(), lblNum);
        QCOMPARE(rig.form().windowTitle(), QStringLiteral("Alarm Set   skeds.dat"));
        QVERIFY(rig.dialogs.shown.isEmpty());
    }

    void doneWithEveryRowSkippedArmsDone() {
        Rig rig;
        rig.open();
        for (int i = 0; i < 40; ++i)
            rig.fill(i, "12/01/26", "0800", "old", true);
        rig.skeds().cmdDone_Click();
        QCOMPARE(int(rig.basic().AlarmIndex), 40);
        QCOMPARE(rig.form().lblNum->text(), QString());
        QVERIFY(rig.skeds().isHidden());
    }

    void doneThatCannotWriteTellsAndKeepsTheWindow() {
        Rig rig;
        rig.open();
        rig.basic().AlarmIndex = 2;
        const QString target = rig.path(QStringLiteral("gone/skeds.dat"));
        rig.basic().SkedFile = target;
        rig.skeds().cmdDone_Click();
        QCOMPARE(rig.dialogs.shown.size(), 1);
        const FakeDialogs::Shown& box = rig.dialogs.shown.first();
        QVERIFY(box.title.startsWith(u' '));
        QVERIFY(box.text.contains(target));
        QVERIFY(box.text.contains(QStringLiteral("No such file or directory")));
        QVERIFY(rig.skeds().isVisible());
        QCOMPARE(int(rig.basic().AlarmIndex), 2);
        QCOMPARE(rig.form().lblNum->text(), QStringLiteral("W1AW net")); // still the old arming
        QVERIFY(!QFile::exists(target));
    }

    void doneOnPage2ReopensOnPage1() {
        Rig rig;
        rig.open();
        rig.skeds().Check1->setChecked(true);
        rig.skeds().cmdDone_Click();
        QCOMPARE(rig.skeds().windowTitle(), QStringLiteral(" Schedules page 2"));
        rig.form().Command1->click();
        QVERIFY(rig.skeds().isVisible());
        QVERIFY(!rig.skeds().Check1->isChecked());
        QVERIFY(rowShown(rig.skeds(), 0));
    }

    void closeRequest_data() {
        QTest::addColumn<bool>("loadedAtStart");
        QTest::newRow("after a successful start-up load") << true;
        QTest::newRow("after the initial-use start") << false;
    }
    void closeRequest() {
        QFETCH(bool, loadedAtStart);
        Rig rig;
        rig.open();
        rig.basic().SkedLoadedAtStart = loadedAtStart;
        frmSkeds* before = &rig.skeds();
        rig.fill(0, "12/07/26", "1100", "typed", false);
        rig.basic().AlarmIndex = 5;
        QVERIFY(!rig.skeds().close());
        QCOMPARE(rig.skeds().isVisible(), loadedAtStart);
        QCOMPARE(&rig.skeds(), before); // never destroyed: the typed skeds stay
        QCOMPARE(rig.table().row(0).message, std::string("typed"));
        QCOMPARE(int(rig.basic().AlarmIndex), 0);
        QCOMPARE(rig.form().lblNum->text(), QStringLiteral("typed"));
        QVERIFY(rig.readFile().startsWith("S 12/01/26")); // nothing saved
    }

    void minimisingArms() {
        Rig rig;
        rig.open();
        rig.table().setSkip(1, true);
        rig.basic().AlarmIndex = 0;
        rig.skeds().showMinimized();
        QTRY_COMPARE(int(rig.basic().AlarmIndex), 2);
        QCOMPARE(rig.form().lblNum->text(), QStringLiteral("DL1ABC"));
    }

    void clearTable_data() {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("OK clears") << true;
        QTest::newRow("Cancel keeps") << false;
    }
    void clearTable() {
        QFETCH(bool, confirm);
        Rig rig;
        rig.open();
        rig.table().setWeekly(1);
        rig.skeds().Check1->setChecked(true);
        rig.basic().AlarmIndex = 1;
        rig.dialogs.answers.enqueue(confirm ? Dialogs::Answer::Ok : Dialogs::Answer::Cancel);
        QTest::mouseClick(rig.skeds().Command1, Qt::LeftButton);

        const QList<FakeDialogs::Shown>& shown = rig.dialogs.shown;
        QCOMPARE(shown.size(), confirm ? 2 : 1);
        QCOMPARE(shown[0].text, QStringLiteral(" Are you sure you want to erase the schedule?"));
        QCOMPARE(shown[0].title, QStringLiteral(" Erase all the sked information?"));
        QCOMPARE(shown[0].buttons, Dialogs::Buttons::OkCancel);
        QCOMPARE(rig.table().isEmpty(1), confirm);
        QCOMPARE(int(rig.basic().AlarmIndex), confirm ? 0 : 1);
        QCOMPARE(rig.table().weekly(), 1);
        QVERIFY(rig.skeds().Check1->isChecked());
        QCOMPARE(rig.skeds().windowTitle(), QStringLiteral(" Schedules page 2"));
        QCOMPARE(rig.readFile(), kThreeRows); // clearing writes nothing
        if (!confirm)
            return;
        QCOMPARE(shown[1].title, QStringLiteral(" Auto date fill"));
        QCOMPARE(shown[1].buttons, Dialogs::Buttons::Ok);
        QCOMPARE(shown[1].text,
                 QStringLiteral("When the first date field is clicked, the field is\r\n"
                                "pre-filled with the current date, which shows the\r\n"
                                "format as well. Edit the date and enter the alarm\r\n"
                                "time and alarm comment. When you click the date\r\n"
                                "for the next sked, the previous date is propagated."));
        QVERIFY(!rig.skeds().Skip[0]->isChecked());
        QCOMPARE(rig.skeds().SkedWith[1]->text(), QString());
        rig.skeds().cmdDone_Click();
        QCOMPARE(rig.readFile(), QByteArray("WeeklyIncr: 1\r\nend\r\n"));
    }

    void setAlarmOptions_data() {
        QTest::addColumn<bool>("minimizeOption");
        QTest::newRow("plain") << false;
        QTest::newRow("Alarm Set Minimized") << true;
    }
    void setAlarmOptions() {
        QFETCH(bool, minimizeOption);
        Rig rig;
        rig.settings.setOption(QStringLiteral("Minimize"),
                               minimizeOption ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
        rig.open();
        rig.skeds().showMinimized();
        QTRY_VERIFY(rig.skeds().isMinimized());
        rig.form().showNormal();
        rig.form().Command1->click();
        QTRY_VERIFY(!rig.skeds().isMinimized());
        QCOMPARE(rig.form().isMinimized(), minimizeOption);
        QCOMPARE(rig.form().windowTitle(), minimizeOption
                                               ? QStringLiteral("14:30")
                                               : QStringLiteral("Alarm Set   skeds.dat"));
    }

    void layoutScalesAndIsKeptBetweenRuns() {
        Rig rig;
        rig.open();
        frmSkeds& skeds = rig.skeds();
        const int bar = skeds.height() - skeds.centralWidget()->height();
        skeds.resize(517 * 2, 464 * 2 + bar);
        QTRY_COMPARE(skeds.centralWidget()->size(), QSize(1034, 928));
        QCOMPARE(skeds.SkedDate[0]->geometry(), QRect(90, 120, 146, 38));
        QCOMPARE(skeds.cmdDone->font().pointSizeF(), 16.0);
        skeds.move(40, 50);
        rig.form().close();
        QCOMPARE(rig.settings.values.value(QStringLiteral("Tockmere/frmSkeds/Width")),
                 QString::number(1034 * 15));

        Rig second;
        second.settings.values = rig.settings.values;
        QCOMPARE(second.skeds().size(), QSize(1034, 928 + bar));
        QCOMPARE(second.skeds().pos(), QPoint(40, 50));
    }

    void reorderSortsSavesAndLeavesTheAlarmAlone() {
        Rig rig;
        rig.open();
        rig.table().blank(0, 39);
        rig.fill(0, "01/05/04", "0900", "third", true);
        rig.fill(1, "01/03/04", "1700", "second", false);
        rig.fill(2, "01/03/04", "0830", "first", false);
        rig.table().setWeekly(1);
        rig.skeds().Check1->setChecked(true);
        rig.basic().AlarmIndex = 1;
        const QString lblNum = rig.form().lblNum->text();
        QTest::mouseClick(rig.skeds().reOrder, Qt::LeftButton);
        QCOMPARE(rig.readFile(), QByteArray("  01/03/04    0830  first\r\n"
                                            "  01/03/04    1700  second\r\n"
                                            "S 01/05/04    0900  third\r\n"
                                            "WeeklyIncr: 1\r\nend\r\n"));
        QCOMPARE(rig.skeds().SkedWith[0]->text(), QStringLiteral("first"));
        QVERIFY(rig.skeds().Skip[2]->isChecked());
        QVERIFY(!rig.skeds().Skip[0]->isChecked());
        QCOMPARE(int(rig.basic().AlarmIndex), 1);
        QCOMPARE(rig.form().lblNum->text(), lblNum);
        QVERIFY(rig.skeds().Check1->isChecked()); // page 2 stays
        QVERIFY(rig.dialogs.shown.isEmpty());
    }

    void reorderRefusals_data() {
        QTest::addColumn<QString>("date5"); // sked 5 below four complete skeds
        QTest::addColumn<QString>("time5");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("clearedDate");
        QTest::newRow("date without time")
            << "01/09/04"
            << "  "
            << "Both Date and Time must be filled in. Re-order failed."
            << "";
        QTest::newRow("month 13") << "13/09/04"
                                  << "0900"
                                  << "Sked 5 has the date \"13/09/04\" and the time \"0900\".\r\n"
                                     "Dates must be real dates as mm/dd/yy and times four digits "
                                     "hhmm.\r\nRe-order failed."
                                  << "13/09/04";
        QTest::newRow("minute 60") << "01/09/04"
                                   << "0960"
                                   << "Sked 5 has the date \"01/09/04\" and the time \"0960\".\r\n"
                                      "Dates must be real dates as mm/dd/yy and times four "
                                      "digits hhmm.\r\nRe-order failed."
                                   << "01/09/04";
        QTest::newRow("single-digit month")
            << "1/9/04"
            << "0900"
            << "Sked 5 has the date \"1/9/04\" and the time \"0900\".\r\n"
               "Dates must be real dates as mm/dd/yy and times four digits hhmm.\r\n"
               "Re-order failed."
            << "1/9/04";
    }
    void reorderRefusals() {
        QFETCH(QString, date5);
        QFETCH(QString, time5);
        QFETCH(QString, text);
        QFETCH(QString, clearedDate);
        Rig rig;
        rig.open();
        rig.fill(0, "01/08/04", "0900", "d", false);
        rig.fill(1, "01/07/04", "0900", "c", false);
        rig.fill(2, "01/06/04", "0900", "b", false);
        rig.fill(3, "01/05/04", "0900", "a", false);
        rig.fill(4, date5.toUtf8().constData(), time5.toUtf8().constData(), "e", true);
        QStringList expected = describeRows(rig.table());
        expected[4] = QStringLiteral("%1|%2|%3|e")
                          .arg(clearedDate.isEmpty() ? QStringLiteral(" ") : QStringLiteral("S"),
                               clearedDate, time5);
        QTest::mouseClick(rig.skeds().reOrder, Qt::LeftButton);
        QCOMPARE(rig.dialogs.shown.size(), 1);
        QCOMPARE(rig.dialogs.shown[0].text, text);
        QCOMPARE(rig.dialogs.shown[0].title, QString());
        QCOMPARE(rig.dialogs.shown[0].buttons, Dialogs::Buttons::Ok);
        QCOMPARE(describeRows(rig.table()), expected);
        QCOMPARE(rig.skeds().SkedDate[4]->text(), clearedDate);
        QCOMPARE(rig.skeds().Skip[4]->isChecked(), !clearedDate.isEmpty());
        QCOMPARE(rig.readFile(), kThreeRows);
    }

    void reorderOfAnEmptyTableDoesNothing() {
        Rig rig;
        rig.open();
        rig.table().blank(0, 0);
        rig.skeds().reOrder_Click();
        QVERIFY(rig.dialogs.shown.isEmpty());
        QCOMPARE(rig.readFile(), kThreeRows);
        QCOMPARE(rig.skeds().SkedWith[1]->text(), QStringLiteral("W1AW net"));
    }

    void reorderThatCannotWriteTellsAndKeepsTheTable() {
        Rig rig;
        rig.open();
        rig.fill(0, "12/31/26", "2300", "late", false);
        const QStringList before = describeRows(rig.table());
        QVERIFY(QDir(rig.dir.path()).mkdir(QStringLiteral("folder.dat")));
        const QString target = rig.path(QStringLiteral("folder.dat"));
        rig.basic().SkedFile = target;
        rig.skeds().reOrder_Click();
        QCOMPARE(rig.dialogs.shown.size(), 1);
        const FakeDialogs::Shown& box = rig.dialogs.shown[0];
        QCOMPARE(box.title, QStringLiteral(" Re-order failed"));
        QVERIFY(box.text.contains(target));
        QVERIFY(box.text.contains(QStringLiteral("Is a directory")));
        QVERIFY(box.exclamation);
        QCOMPARE(describeRows(rig.table()), before);
        QVERIFY(QFileInfo(target).isDir());
    }

    void load_data() {
        QTest::addColumn<QString>("chosen"); // a name in the rig's folder, or an absolute path
        QTest::addColumn<QString>("kind");   // file, missing, folder, none
        QTest::addColumn<bool>("switched");  // SkedFile, page and table changed
        QTest::addColumn<QString>("message");
        QTest::newRow("Cancel") << ""
                                << "none" << false << "";
        QTest::newRow("blank name") << "   "
                                    << "none" << false << "";
        QTest::newRow("a schedule file") << "other.dat"
                                         << "file" << true << "";
        QTest::newRow("a missing file: empty table, quietly") << "missing.dat"
                                                              << "missing" << true << "";
        QTest::newRow("a folder cannot be read: told, nothing changes")
            << "folder.dat"
            << "folder" << false << " Schedule not loaded";
    }
    void load() {
        QFETCH(QString, chosen);
        QFETCH(QString, kind);
        QFETCH(bool, switched);
        QFETCH(QString, message);
        Rig rig;
        rig.open();
        const QString path = chosen.trimmed().isEmpty() ? chosen : rig.path(chosen);
        if (kind == u"file") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("  01/05/04    0900  new one\r\nWeeklyIncr: 1\r\nend\r\n");
        }
        if (kind == u"folder")
            QVERIFY(QDir(rig.dir.path()).mkdir(chosen));
        rig.skeds().Check1->setChecked(true);
        rig.basic().AlarmIndex = 2;
        rig.skeds().Label8->setText(QStringLiteral("stale"));
        const QString oldFile = rig.basic().SkedFile;
        const QStringList oldRows = describeRows(rig.table());
        rig.dialogs.fileAnswers.enqueue(chosen.isEmpty() ? QString() : path);
        rig.skeds().mLoadSkeds->trigger();

        const FakeDialogs::Shown& dialog = rig.dialogs.shown.first();
        QCOMPARE(dialog.fileDialog, FakeDialogs::FileDialog::Open);
        QCOMPARE(dialog.title, QStringLiteral(" Load Tockmere datafile..."));
        QCOMPARE(dialog.filter, QStringLiteral("Sked files (*.dat)|*.dat"));
        QCOMPARE(dialog.defaultText, oldFile);
        QCOMPARE(rig.dialogs.shown.size(), message.isEmpty() ? 1 : 2);
        if (!message.isEmpty()) {
            QCOMPARE(rig.dialogs.shown[1].title, message);
            QVERIFY(rig.dialogs.shown[1].text.contains(path));
            QVERIFY(rig.dialogs.shown[1].text.contains(QStringLiteral("it is a folder")));
        }
        QCOMPARE(rig.basic().SkedFile, switched ? path : oldFile);
        QCOMPARE(rig.basic().SkedName, switched ? chosen : QStringLiteral("skeds.dat"));
        QCOMPARE(int(rig.basic().AlarmIndex), switched ? 0 : 2);
        QCOMPARE(rig.skeds().Check1->isChecked(), !switched);
        // Cancel shows the current file again; a blank name or a refused file change nothing.
        QCOMPARE(rig.skeds().Label8->text(),
                 switched || chosen.isEmpty() ? rig.basic().SkedFile : QStringLiteral("stale"));
        if (!switched) {
            QCOMPARE(describeRows(rig.table()), oldRows);
            return;
        }
        QCOMPARE(rig.table().weekly(), kind == u"file" ? 1 : 0);
        QStringList loaded(SkedTable::kSlots, QStringLiteral(" |||"));
        if (kind == u"file")
            loaded[0] = QStringLiteral(" |01/05/04|0900|new one");
        QCOMPARE(describeRows(rig.table()), loaded);
        // The next Done writes to the loaded file, even one that was missing.
        rig.skeds().cmdDone_Click();
        QCOMPARE(rig.readFile(chosen).isEmpty(), false);
        QCOMPARE(rig.readFile(), kThreeRows);
    }

    void loadFromTheRootFolderLeavesNoShortName() {
        Rig rig;
        rig.open();
        rig.dialogs.fileAnswers.enqueue(QStringLiteral("/tockmere-no-such-file.dat"));
        rig.skeds().mLoadSkeds_Click();
        QCOMPARE(rig.basic().SkedFile, QStringLiteral("/tockmere-no-such-file.dat"));
        QCOMPARE(rig.basic().SkedName, QString());
        rig.form().ArmFromTable();
        QCOMPARE(rig.form().windowTitle(), QStringLiteral("Alarm Set   "));
    }

    void save_data() {
        QTest::addColumn<QString>("chosen");    // a name in the rig's folder; "" Cancel
        QTest::addColumn<QByteArray>("before"); // what the chosen file held; "-" none
        QTest::addColumn<int>("answer");        // to the overwrite question; -1 none asked
        QTest::addColumn<bool>("saved");
        using A = Dialogs::Answer;
        QTest::newRow("Cancel") << "" << QByteArray("-") << -1 << false;
        QTest::newRow("blank name") << "  " << QByteArray("-") << -1 << false;
        QTest::newRow("only the extension") << ".dat" << QByteArray("-") << -1 << false;
        QTest::newRow("only the extension, upper case") << ".DAT" << QByteArray("-") << -1 << false;
        QTest::newRow("only the extension after a backslash")
            << "x\\.Dat" << QByteArray("-") << -1 << false;
        QTest::newRow("a new file") << "new.dat" << QByteArray("-") << -1 << true;
        QTest::newRow("a name ending in .dat is more than the extension")
            << "a.dat" << QByteArray("-") << -1 << true;
        QTest::newRow("an empty file is replaced without a question")
            << "empty.dat" << QByteArray("") << -1 << true;
        QTest::newRow("overwrite: Yes")
            << "other.dat" << QByteArray("old\r\n") << int(A::Yes) << true;
        QTest::newRow("overwrite: No")
            << "other.dat" << QByteArray("old\r\n") << int(A::No) << false;
    }
    void save() {
        QFETCH(QString, chosen);
        QFETCH(QByteArray, before);
        QFETCH(int, answer);
        QFETCH(bool, saved);
        Rig rig;
        rig.open();
        const QString path = chosen.trimmed().isEmpty() ? chosen : rig.path(chosen);
        if (before != "-") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(before);
        }
        rig.table().setMessage(2, "edited");
        rig.skeds().Check1->setChecked(true);
        const QString oldFile = rig.basic().SkedFile;
        rig.dialogs.fileAnswers.enqueue(chosen.isEmpty() ? QString() : path);
        if (answer >= 0)
            rig.dialogs.answers.enqueue(Dialogs::Answer(answer));
        rig.skeds().mSaveSked->trigger();

        const FakeDialogs::Shown& dialog = rig.dialogs.shown.first();
        QCOMPARE(dialog.fileDialog, FakeDialogs::FileDialog::Save);
        QCOMPARE(dialog.title, QStringLiteral(" Save Skeds datafile as..."));
        QCOMPARE(dialog.filter, QStringLiteral("Tockmere sked files (*.dat)|*.dat"));
        QCOMPARE(dialog.defaultText, oldFile);
        QCOMPARE(rig.dialogs.shown.size(), answer >= 0 ? 2 : 1);
        if (answer >= 0) {
            QCOMPARE(rig.dialogs.shown[1].text, path + QStringLiteral(" exists - overwrite it ?"));
            QCOMPARE(rig.dialogs.shown[1].title, QStringLiteral(" File exists..."));
            QCOMPARE(rig.dialogs.shown[1].buttons, Dialogs::Buttons::YesNo);
        }
        const QByteArray table = "S 12/01/26    0800  done\r\n"
                                 "  12/05/26    1430  W1AW net\r\n"
                                 "  12/06/26    0930  edited\r\n"
                                 "WeeklyIncr: 0\r\nend\r\n";
        if (!path.trimmed().isEmpty())
            QCOMPARE(rig.readFile(chosen), saved ? table : before == "-" ? QByteArray() : before);
        QCOMPARE(rig.basic().SkedFile, saved ? path : oldFile);
        QCOMPARE(rig.skeds().Label8->text(), rig.basic().SkedFile);
        QCOMPARE(rig.basic().SkedName, QStringLiteral("skeds.dat")); // Save keeps the short name
        QCOMPARE(rig.skeds().Check1->isChecked(), !saved);
        QCOMPARE(rig.readFile(), kThreeRows);

        // Done goes to the file that was saved, never to one the user declined.
        rig.skeds().cmdDone_Click();
        QCOMPARE(rig.readFile(), saved ? kThreeRows : table);
    }

    void saveThatCannotWriteTellsAndKeepsTheFile() {
        Rig rig;
        rig.open();
        QVERIFY(QDir(rig.dir.path()).mkdir(QStringLiteral("folder.dat")));
        const QString target = rig.path(QStringLiteral("folder.dat"));
        const QString oldFile = rig.basic().SkedFile;
        rig.dialogs.fileAnswers.enqueue(target);
        rig.skeds().mSaveSked_Click();
        QCOMPARE(rig.dialogs.shown.size(), 2); // no overwrite question for a folder
        const FakeDialogs::Shown& box = rig.dialogs.shown[1];
        QCOMPARE(box.title, QStringLiteral(" Schedule not saved"));
        QVERIFY(box.text.contains(target));
        QVERIFY(box.text.contains(QStringLiteral("Is a directory")));
        QCOMPARE(rig.basic().SkedFile, oldFile);
        QCOMPARE(rig.skeds().Label8->text(), oldFile);
        QVERIFY(QFileInfo(target).isDir());
        QCOMPARE(QDir(rig.dir.path()).entryList(QDir::Files), QStringList{"skeds.dat"});
    }

    void printout_data() {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("utc");
        QTest::newRow("Cancel prints nothing") << false << true;
        QTest::newRow("UTC") << true << true;
        QTest::newRow("local time") << true << false;
    }
    void printout() {
        QFETCH(bool, confirm);
        QFETCH(bool, utc);
        Rig rig;
        rig.open();
        rig.form().mUTCtime->setChecked(utc);
        rig.table().setDate(3, "Done");
        const QStringList before = describeRows(rig.table());
        rig.dialogs.answers.enqueue(confirm ? Dialogs::Answer::Ok : Dialogs::Answer::Cancel);
        QTest::mouseClick(rig.skeds().Command2, Qt::LeftButton);

        QCOMPARE(rig.dialogs.shown.size(), 1);
        QCOMPARE(rig.dialogs.shown[0].text, QStringLiteral(" Do you want to print the schedule?"));
        QCOMPARE(rig.dialogs.shown[0].title, QStringLiteral(" Line print the schedule?"));
        QCOMPARE(rig.dialogs.shown[0].buttons, Dialogs::Buttons::OkCancel);
        QCOMPARE(rig.printer.printed.size(), confirm ? 1 : 0);
        QCOMPARE(describeRows(rig.table()), before);
        if (!confirm)
            return;
        QCOMPARE(rig.printer.printed[0].title, QStringLiteral("Tockmere schedule"));
        QCOMPARE(FakePrinter::paper(rig.printer.printed[0].lines),
                 (QStringList{"", "         Scheduled Alarms   File: " + rig.basic().SkedFile, "",
                              utc ? " Dates and Times are UTC" : " Dates and Times are Local", "",
                              " 12/01/26    0800    done", "", " 12/05/26    1430    W1AW net", "",
                              " 12/06/26    0930    DL1ABC", ""}));
        QVERIFY(rig.printer.pdfs.isEmpty());
    }

    void failedPrintoutOffersAPdf_data() {
        QTest::addColumn<bool>("wantPdf");
        QTest::addColumn<QString>("chosen"); // in the rig's folder; "" Cancel
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("overwrite"); // -1: not asked
        QTest::addColumn<bool>("pdfFails");
        QTest::addColumn<bool>("saved");
        using A = Dialogs::Answer;
        QTest::newRow("No PDF") << false << "" << false << -1 << false << false;
        QTest::newRow("PDF dialog cancelled") << true << "" << false << -1 << false << false;
        QTest::newRow("new PDF") << true << "list.pdf" << false << -1 << false << true;
        QTest::newRow("PDF over a file: Yes")
            << true << "list.pdf" << true << int(A::Yes) << false << true;
        QTest::newRow("PDF over a file: No")
            << true << "list.pdf" << true << int(A::No) << false << false;
        QTest::newRow("PDF cannot be written") << true << "list.pdf" << false << -1 << true << true;
    }
    void failedPrintoutOffersAPdf() {
        QFETCH(bool, wantPdf);
        QFETCH(QString, chosen);
        QFETCH(bool, exists);
        QFETCH(int, overwrite);
        QFETCH(bool, pdfFails);
        QFETCH(bool, saved);
        Rig rig;
        rig.open();
        const QString path = chosen.isEmpty() ? QString() : rig.path(chosen);
        if (exists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("old");
        }
        rig.printer.printResult = {false, QStringLiteral("no printer is set up on this computer")};
        if (pdfFails)
            rig.printer.pdfResult = {false, QStringLiteral("Permission denied")};
        rig.dialogs.answers << Dialogs::Answer::Ok
                            << (wantPdf ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        if (overwrite >= 0)
            rig.dialogs.answers << Dialogs::Answer(overwrite);
        rig.dialogs.fileAnswers << path;
        const QStringList before = describeRows(rig.table());
        rig.skeds().Command2_Click();

        const QList<FakeDialogs::Shown>& shown = rig.dialogs.shown;
        QCOMPARE(shown[1].title, QStringLiteral(" Printout failed"));
        QCOMPARE(shown[1].text, QStringLiteral("The schedule could not be printed (no printer is "
                                               "set up on this computer).\r\n\r\nDo you want to "
                                               "save the printout as a PDF file instead?"));
        QCOMPARE(shown[1].buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(shown.size(), !wantPdf ? 2 : 3 + (overwrite >= 0 ? 1 : 0) + (pdfFails ? 1 : 0));
        if (wantPdf) {
            QCOMPARE(shown[2].fileDialog, FakeDialogs::FileDialog::Save);
            QCOMPARE(shown[2].title, QStringLiteral(" Save the printout as..."));
            QCOMPARE(shown[2].filter, QStringLiteral("PDF files (*.pdf)|*.pdf"));
            QCOMPARE(shown[2].defaultText, rig.path(QStringLiteral("skeds.pdf")));
        }
        if (overwrite >= 0) {
            QCOMPARE(shown[3].text, path + QStringLiteral(" exists - overwrite it ?"));
            QCOMPARE(shown[3].title, QStringLiteral(" File exists..."));
        }
        if (pdfFails) {
            QCOMPARE(shown.last().title, QStringLiteral(" Printout not saved"));
            QVERIFY(shown.last().text.contains(path));
            QVERIFY(shown.last().text.contains(QStringLiteral("Permission denied")));
        }
        QCOMPARE(rig.printer.pdfs.size(), saved ? 1 : 0);
        if (saved) {
            QCOMPARE(rig.printer.pdfs[0].path, path);
            QCOMPARE(rig.printer.pdfs[0].lines, rig.printer.printed[0].lines);
        }
        QCOMPARE(describeRows(rig.table()), before);
        QCOMPARE(rig.readFile(), kThreeRows);
    }

    void helpOpensTheDocumentBesideTheProgram_data() {
        QTest::addColumn<bool>("found");
        QTest::newRow("shown") << true;
        QTest::newRow("missing") << false;
    }
    void helpOpensTheDocumentBesideTheProgram() {
        QFETCH(bool, found);
        Rig rig;
        rig.open();
        rig.help.found = found;
        rig.skeds().mWinHelp->trigger();
        QCOMPARE(rig.help.shown, QStringList{rig.path(QStringLiteral("Tockmere.HLP"))});
        QCOMPARE(rig.dialogs.shown.size(), found ? 0 : 1);
        if (!found) {
            QCOMPARE(rig.dialogs.shown[0].title, QStringLiteral(" Help not found"));
            QVERIFY(rig.dialogs.shown[0].text.contains(rig.path(QStringLiteral("Tockmere.HLP"))));
        }
        QVERIFY(rig.skeds().isVisible());
        QVERIFY(rig.skeds().isEnabled());
    }
};

QTEST_MAIN(TestFrmSkeds)
#include "tst_frmskeds.moc"
