#include "ProgramRig.h"
#include "SkedForm.h"
#include "frmSkeds.h"
#include "frmStopWatch.h"
#include "mAbout.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

struct Rig : ProgramRig {
    SkedForm& form() { return program.main(); }
    void start() {
        settings.setOption(QStringLiteral("Plannex file"), path(QStringLiteral("none.dat")));
        form().Form_Load();
        dialogs.shown.clear();
        form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&form()));
    }
    QAction* action(const char* name) { return form().findChild<QAction*>(QLatin1String(name)); }
    void closeMenu() {
        form().mnuPopUp->hide();
        QTRY_VERIFY(!form().mnuPopUp->isVisible());
    }
};

} // namespace

class TestMenu : public QObject {
    Q_OBJECT

private slots:
    void onlyARightPressOnThreePlacesOpensTheMenu_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("opens");
        for (const char* target : {"SkedForm", "lblWhatTime", "lblTime"}) {
            QTest::addRow("%s right", target) << target << int(Qt::RightButton) << true;
            QTest::addRow("%s left", target) << target << int(Qt::LeftButton) << false;
            QTest::addRow("%s middle", target) << target << int(Qt::MiddleButton) << false;
        }
        for (const char* target : {"Label1", "lblAlarmDate", "lblNum"})
            QTest::addRow("%s right", target) << target << int(Qt::RightButton) << false;
    }
    void onlyARightPressOnThreePlacesOpensTheMenu() {
        QFETCH(QString, target);
        QFETCH(int, button);
        QFETCH(bool, opens);
        Rig rig;
        rig.start();
        rig.form().lblNum->setText(QStringLiteral("some message"));
        QWidget* widget =
            target == u"SkedForm" ? &rig.form() : rig.form().findChild<QWidget*>(target);
        QVERIFY(widget);
        // Over the background: a spot that no control covers.
        const QPoint spot = target == u"SkedForm" ? QPoint(150, 70) : QPoint(3, 3);
        QTest::mousePress(widget, Qt::MouseButton(button), {}, spot);
        QCOMPARE(rig.form().mnuPopUp->isVisible(), opens);
        if (opens) {
            QCOMPARE(rig.form().mnuPopUp->pos(), widget->mapToGlobal(spot));
            rig.closeMenu();
        }
    }

    void switchesToggleAndStore_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("initially");
        QTest::addColumn<QString>("captionOn");
        QTest::addColumn<QString>("captionOff");
        QTest::newRow("silent") << "mnuSilent"
                                << "Silent" << true << "Silent Alarm"
                                << "Silent Alarm";
        QTest::newRow("minimize") << "mnuMinimize"
                                  << "Minimize" << false << "Alarm Set Minimized"
                                  << "Alarm Set Minimized";
        QTest::newRow("pop-up") << "mAlarmPopUp"
                                << "AlarmPopUp" << true << "Alarm Msg PopUp"
                                << "No Alarm Msg PopUp";
        QTest::newRow("close button") << "mCloseButton"
                                      << "AlarmCloseButton" << true << "Alarm Close Button"
                                      << "No Alarm Close Button";
        QTest::newRow("continuous") << "mnuContinuous"
                                    << "Continuous" << false << "Continuous Alarm"
                                    << "Continuous Alarm";
        QTest::newRow("UTC time") << "mUTCtime"
                                  << "Use UTC" << true << "UTC time"
                                  << "UTC time";
    }
    void switchesToggleAndStore() {
        QFETCH(QString, name);
        QFETCH(QString, key);
        QFETCH(bool, initially);
        QFETCH(QString, captionOn);
        QFETCH(QString, captionOff);
        Rig rig;
        rig.start();
        QAction* action = rig.action(name.toLatin1().constData());
        QCOMPARE(action->isChecked(), initially);
        for (bool expected : {!initially, initially}) {
            action->trigger(); // as a click on the menu entry does
            QCOMPARE(action->isChecked(), expected);
            QCOMPARE(action->text(), expected ? captionOn : captionOff);
            QCOMPARE(rig.settings.option(key),
                     expected ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
        }
        QCOMPARE(rig.settings.saves, 2);
        QVERIFY(rig.sound.played.isEmpty());
        QVERIFY(rig.dialogs.shown.isEmpty());
    }

    void choosingAnEntryFromTheOpenMenu() {
        Rig rig;
        rig.start();
        QTest::mousePress(rig.form().lblTime, Qt::RightButton, {}, QPoint(3, 3));
        QMenu* menu = rig.form().mnuPopUp;
        QVERIFY(menu->isVisible());
        const QRect entry = menu->actionGeometry(rig.form().mnuSilent);
        QTest::mouseClick(menu, Qt::LeftButton, {}, entry.center());
        QTRY_VERIFY(!menu->isVisible());
        QVERIFY(!rig.form().mnuSilent->isChecked());
        QCOMPARE(rig.settings.option(QStringLiteral("Silent")), QStringLiteral("FALSE"));
    }

    void utcToggleSetsTheLabels() {
        Rig rig;
        rig.start();
        rig.form().lblWhatTime->setText(QStringLiteral("PST"));
        rig.form().mUTCtime_Click();
        QCOMPARE(rig.form().lblWhatTime->text(), QStringLiteral("Local Time"));
        QCOMPARE(rig.program.skeds().Label1->text(), QStringLiteral("Local Date"));
        QVERIFY(!rig.basic().TimeLabelsDone);
        rig.form().Timer1_Timer();
        QVERIFY(rig.basic().TimeLabelsDone);
        rig.form().mUTCtime_Click();
        QCOMPARE(rig.form().lblWhatTime->text(), QStringLiteral("UTC Time"));
        QCOMPARE(rig.program.skeds().Label1->text(), QStringLiteral("UTC Date"));
        rig.form().Timer1_Timer();
        QCOMPARE(rig.form().lblWhatTime->text(), QStringLiteral("UTC Time"));
        QCOMPARE(rig.settings.option(QStringLiteral("Use UTC")), QStringLiteral("TRUE"));
    }

    void typedOffset_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("stored"); // empty: nothing stored
        QTest::newRow("+3") << "+3" << 3 << "3";
        QTest::newRow("-4") << "-4" << -4 << "-4";
        QTest::newRow("blanks around 7") << " 7 " << 7 << "7";
        QTest::newRow("5.5") << "5.5" << 6 << "6";
        QTest::newRow("4.5") << "4.5" << 4 << "4";
        QTest::newRow("abc") << "abc" << 0 << "0";
        QTest::newRow("3h") << "3h" << 3 << "3";
        QTest::newRow("Cancel") << "" << 2 << "";
        QTest::newRow("25 refused") << "25" << 2 << "";
        QTest::newRow("-99999 refused") << "-99999" << 2 << "";
    }
    void typedOffset() {
        QFETCH(QString, answer);
        QFETCH(int, offset);
        QFETCH(QString, stored);
        Rig rig;
        rig.start();
        rig.basic().UtcOffset = 2;
        rig.dialogs.promptAnswers.enqueue(answer);
        rig.form().moffset_Click();
        const FakeDialogs::Shown& prompt = rig.dialogs.shown.first();
        QVERIFY(prompt.isPrompt);
        QCOMPARE(prompt.text, QStringLiteral("Enter the UTC hour offset"));
        QCOMPARE(prompt.title, QString());
        QCOMPARE(prompt.defaultText, QStringLiteral("2"));
        QCOMPARE(int(rig.basic().UtcOffset), offset);
        QCOMPARE(rig.settings.hasOption(QStringLiteral("UTC offset")), !stored.isEmpty());
        if (!stored.isEmpty())
            QCOMPARE(rig.settings.option(QStringLiteral("UTC offset")), stored);
    }

    void offsetLabel_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("label");
        QTest::newRow("PST") << "PST"
                             << "PST";
        QTest::newRow("kept exactly") << " My zone "
                                      << " My zone ";
        QTest::newRow("Cancel") << ""
                                << "UTC Time";
    }
    void offsetLabel() {
        QFETCH(QString, answer);
        QFETCH(QString, label);
        Rig rig;
        rig.start();
        rig.dialogs.promptAnswers.enqueue(answer);
        rig.form().mChangeLabel_Click();
        const FakeDialogs::Shown& prompt = rig.dialogs.shown.first();
        QCOMPARE(prompt.text, QStringLiteral("Enter text for time offset: UTC PST etc."));
        QCOMPARE(prompt.title, QStringLiteral("Time label..."));
        QCOMPARE(prompt.defaultText, QStringLiteral("UTC Time"));
        QCOMPARE(rig.form().lblWhatTime->text(), label);
        QCOMPARE(rig.settings.hasOption(QStringLiteral("UTC Label")), !answer.isEmpty());
        if (!answer.isEmpty())
            QCOMPARE(rig.settings.option(QStringLiteral("UTC Label")), answer);
    }

    void testAlarmPlaysOnceWhateverTheSwitches() {
        Rig rig;
        rig.start();
        rig.form().mnuContinuous->setChecked(true);
        QVERIFY(rig.form().mnuSilent->isChecked());
        rig.form().mnuSoundAlarm->trigger();
        QCOMPARE(rig.sound.played,
                 (QList<FakeSound::Played>{{rig.path("alarm.wav"), Sound::Mode::Once}}));
        QVERIFY(rig.form().Command3->isHidden());
    }

    void quickHelpBox() {
        Rig rig;
        rig.start();
        rig.basic().UtcOffset = -3;
        rig.form().mUTCtime->setChecked(false);
        rig.form().mnuHelp->trigger();
        QCOMPARE(rig.dialogs.shown.size(), 1);
        const FakeDialogs::Shown& box = rig.dialogs.shown.first();
        QCOMPARE(box.title, QStringLiteral(" Tockmere Quick Help"));
        QCOMPARE(box.buttons, Dialogs::Buttons::Ok);
        QVERIFY(!box.exclamation);
        QVERIFY(
            box.text.contains(QStringLiteral("\r\nYou have a -3 hour offset selected.\r\n"
                                             "Select UTC in the menu to use this offset.\r\n")));
    }

    void aboutPlacement_data() {
        QTest::addColumn<int>("mainTop");
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("aboutWidth");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("centred, 80 px below") << 20 << 1024 << 302 << QPoint(361, 100);
        QTest::newRow("odd widths round down") << 0 << 1023 << 301 << QPoint(361, 80);
        QTest::newRow("near the bottom, no correction") << 740 << 800 << 302 << QPoint(249, 820);
    }
    void aboutPlacement() {
        QFETCH(int, mainTop);
        QFETCH(int, screenWidth);
        QFETCH(int, aboutWidth);
        QFETCH(QPoint, place);
        QCOMPARE(mAbout::placement(mainTop, screenWidth, aboutWidth), place);
    }

    void aboutIsModalAndClosesWithOk() {
        Rig rig;
        rig.start();
        rig.form().move(40, 30);
        QPoint shownAt;
        QSize banner;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            auto* about = qobject_cast<mAbout*>(QApplication::activeModalWidget());
            QVERIFY(about);
            modal = about->isModal();
            shownAt = about->pos();
            banner = about->Image1->pixmap().size();
            about->Command1->click();
        });
        rig.form().mnuAbout->trigger();
        QVERIFY(modal);
        QCOMPARE(banner, QSize(294, 60));
        const int screenWidth = rig.form().screen()->geometry().width();
        QCOMPARE(shownAt, mAbout::placement(30, screenWidth, 302));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(rig.form().findChildren<mAbout*>().isEmpty());
    }

    void bannerIsLightGreen() {
        const QImage banner = mAbout::banner().toImage();
        QCOMPARE(banner.size(), QSize(294, 60));
        QCOMPARE(banner.pixelColor(1, 1), QColor(204, 255, 204));
        // Something is written on it.
        int dark = 0;
        for (int x = 0; x < banner.width(); ++x)
            dark += banner.pixelColor(x, 20).green() < 180 ? 1 : 0;
        QVERIFY(dark > 10);
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
