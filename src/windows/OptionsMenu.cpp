// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "OptionsMenu.h"

#include "Numbers.h"
#include "QuickHelp.h"
#include "SkedTiming.h"
#include "Timers.h"

#include <QAction>

#include <cstdlib>

namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

OptionsMenu::OptionsMenu(Options& options, AlarmEngine& engine, Dialogs& dialogs,
                         Autostart& autostart, QWidget* parent)
    : QMenu(parent), options_(options), engine_(engine), dialogs_(dialogs), autostart_(autostart) {
    using S = Options::Switch;
    setObjectName(QStringLiteral("optionsMenu"));
    //: The options menu's title, shown where the menu is a submenu or in a menu bar; the
    //: pop-up menu itself shows none.
    setTitle(tr("PopUp"));
    auto command = [this](const char* name, const QString& caption, auto* receiver, auto slot) {
        connect(addCommand(name, caption), &QAction::triggered, receiver, slot);
    };
    command("help", tr("Help"), this, &OptionsMenu::showQuickHelp);
    addSwitch("utcTime", tr("UTC time"), S::UseUtc);
    command("setUtcOffset", tr("Set UTC offset"), this, &OptionsMenu::setUtcOffset);
    command("changeTimeLabel", tr("Change Offset Label"), this, &OptionsMenu::changeTimeLabel);
    addSwitch("silentAlarm", tr("Silent Alarm"), S::Silent);
    addSwitch("alarmSetMinimized", tr("Alarm Set Minimized"), S::Minimize);
    addSwitch("alarmPopUp", alarmPopUpText(true), S::AlarmPopUp);
    addSwitch("alarmCloseButton", closeButtonText(true), S::AlarmCloseButton);
    command("testAlarm", tr("Test Alarm"), this, &OptionsMenu::testAlarm);
    command("countdown", tr("Count Down Timer"), this, &OptionsMenu::askForCountdown);
    command("stopwatch", tr("Stop Watch Timer"), this, &OptionsMenu::stopwatchRequested);
    addSwitch("continuousAlarm", tr("Continuous Alarm"), S::Continuous);
    command("about", tr("About"), this, &OptionsMenu::aboutRequested);
    addSeparator();
    startAtLogin_ = addCommand("startAtLogin", tr("Start at Login"));
    startAtLogin_->setCheckable(true);
    connect(startAtLogin_, &QAction::triggered, this, &OptionsMenu::startAtLogin);
    command("remindBefore", tr("Remind Before..."), this, &OptionsMenu::askForReminder);
    // The entry on disk is the switch's state: the user or the desktop may remove it.
    connect(this, &QMenu::aboutToShow, this,
            [this] { startAtLogin_->setChecked(autostart_.isEnabled()); });
    showSwitches();
}

QAction* OptionsMenu::addSwitch(const char* name, const QString& caption, Options::Switch which) {
    QAction* action = addCommand(name, caption);
    action->setCheckable(true);
    switchActions_[static_cast<std::size_t>(which)] = action;
    // The menu has already flipped the check mark when this runs.
    connect(action, &QAction::triggered, this, [this, which](bool on) {
        options_.set(which, on);
        updateSwitchCaptions();
    });
    return action;
}

QAction* OptionsMenu::addCommand(const char* name, const QString& caption) {
    QAction* action = addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

void OptionsMenu::showSwitches() {
    for (int i = 0; i < Options::kSwitches; ++i)
        switchActions_.at(std::size_t(i))->setChecked(options_.isOn(Options::Switch(i)));
    updateSwitchCaptions();
}

void OptionsMenu::updateSwitchCaptions() {
    using S = Options::Switch;
    switchActions_[std::size_t(S::AlarmPopUp)]->setText(
        alarmPopUpText(options_.isOn(S::AlarmPopUp)));
    switchActions_[std::size_t(S::AlarmCloseButton)]->setText(
        closeButtonText(options_.isOn(S::AlarmCloseButton)));
}

QString OptionsMenu::alarmPopUpText(bool on) {
    //: The switch for the alarm window, on. "Msg" is short for message.
    return on ? tr("Alarm Msg PopUp")
              //: The switch for the alarm window, off. "Msg" is short for message.
              : tr("No Alarm Msg PopUp");
}

QString OptionsMenu::closeButtonText(bool on) {
    //: The switch for the alarm window's Close button, on.
    return on ? tr("Alarm Close Button")
              //: The switch for the alarm window's Close button, off.
              : tr("No Alarm Close Button");
}

QString OptionsMenu::hoursText(int minutes) {
    // The count picks the plural form: one hour is "1 hour"; an offset with a fraction counts
    // as more than one.
    const int count = minutes % 60 == 0 ? std::abs(minutes / 60) : 2;
    //: An offset from UTC in hours; %1 is the number, which may have decimals ("5.5").
    return tr("%1 hours", nullptr, count).arg(fromStd(offsetText(minutes)));
}

void OptionsMenu::offerSystemOffset(bool wait) {
    const QString offered = fromStd(offsetText(engine_.systemOffsetMinutes()));
    //: %1 is the system's offset, %2 the one set in Tockmere, each in hours ("5 hours"). Keep
    //: the blank before the line break, and the line break.
    const QString told =
        tr("System UTC offset %1 does not \r\n"
           "match the setting in Tockmere %2.")
            .arg(hoursText(engine_.systemOffsetMinutes()), hoursText(options_.utcOffsetMinutes()));
    //: A window caption: the leading blank is part of the caption.
    const QString title = tr(" Check UTC offset");
    //: %1 is the system's offset in hours that may have decimals ("5.5"); "hr." is short for
    //: hours. Keep the line breaks.
    const QString asked = tr("<Enter> or <OK> selects the %1 hr. system UTC offset.\r\n\r\n"
                             "Or enter a new UTC hour offset.")
                              .arg(offered);
    if (wait) {
        dialogs_.message(told, Dialogs::Buttons::Ok, false, title);
        takeOffset(dialogs_.prompt(asked, QString(), offered));
        return;
    }
    dialogs_.ask(told, Dialogs::Buttons::Ok, false, title, [this, asked, offered](auto) {
        dialogs_.askText(asked, QString(), offered,
                         [this](const QString& answer) { takeOffset(answer); });
    });
}

void OptionsMenu::setUtcOffset() {
    takeOffset(dialogs_.prompt(tr("Enter the UTC hour offset"), QString(),
                               fromStd(offsetText(options_.utcOffsetMinutes()))));
}

void OptionsMenu::takeOffset(const QString& answer) {
    // An empty answer (Cancel) changes nothing, silently.
    if (answer.isEmpty())
        return;
    if (const auto offset = offsetFromAnswer(answer.toStdString())) {
        options_.setUtcOffsetMinutes(*offset);
        return;
    }
    //: %1 is what the user typed, %2 the offset kept, in hours ("5.5 hours"). Keep the line
    //: breaks.
    dialogs_.message(tr("\"%1\" is not a UTC offset; the offset is kept at %2.\r\n\r\n"
                        "The offset is the hours added to local time to get UTC: 5 at UTC-5, "
                        "-5.5 or -5:30 at UTC+5:30.")
                         .arg(answer, hoursText(options_.utcOffsetMinutes())),
                     Dialogs::Buttons::Ok, true,
                     //: A window caption: the leading blank is part of the caption.
                     tr(" Set UTC offset"));
}

void OptionsMenu::changeTimeLabel() {
    //: UTC and PST are examples of labels the user may give the clock's time.
    const QString answer =
        dialogs_.prompt(tr("Enter text for time offset: UTC PST etc."), tr("Time label..."),
                        //: The label proposed for the clock's time, as the clock shows it
                        //: before the user names one.
                        tr("UTC Time"));
    if (answer.isEmpty())
        return;
    options_.setTimeLabel(answer);
}

void OptionsMenu::showQuickHelp() {
    dialogs_.message(
        fromStd(quickHelpText(options_.utcOffsetMinutes(), options_.isOn(Options::Switch::UseUtc))),
        Dialogs::Buttons::Ok, false,
        //: A window caption: the leading blank is part of the caption.
        tr(" Tockmere Quick Help"));
}

void OptionsMenu::testAlarm() {
    const QString problem = engine_.testAlarm();
    //: A window caption: the leading blank is part of the caption.
    if (!problem.isEmpty())
        dialogs_.message(problem, Dialogs::Buttons::Ok, true, tr(" Test Alarm"));
}

void OptionsMenu::askForCountdown() {
    //: "ex:" is short for example, "1min." for one minute. Keep the line breaks.
    const QString answer = dialogs_.prompt(tr("Enter <SECONDS> to count down from.\r\n\r\n"
                                              "ex: <60 = 1min.>\r\n\r\nEnter 0 to clear."),
                                           tr("Count Down Timer"), QString());
    if (answer.isEmpty())
        return;
    if (answer == u"0") {
        // Only a running countdown has anything to clear; the clock's labels stay as they are.
        if (engine_.countdownRunning()) {
            engine_.clearCountdown();
            emit countdownCleared();
        }
        return;
    }
    // An answer that is no time to count down starts nothing; a running countdown goes on.
    if (const auto seconds = countdownFromAnswer(answer.toStdString())) {
        engine_.startCountdown(*seconds);
        return;
    }
    //: %1 is what the user typed.
    dialogs_.message(tr("\"%1\" is not a time to count down. Enter seconds (90), minutes and "
                        "seconds (1:30) or hours, minutes and seconds (1:00:00).")
                         .arg(answer),
                     Dialogs::Buttons::Ok, true, tr("Count Down Timer"));
}

void OptionsMenu::startAtLogin(bool on) {
    const QString failure = autostart_.setEnabled(on);
    if (!failure.isEmpty()) {
        const QString told =
            on
                //: %1 is the path of the desktop's autostart entry, %2 why it could not be
                //: written. Keep the line breaks.
                ? tr("Tockmere could not write its entry for the start of your session:\r\n%1"
                     "\r\n\r\n(%2)")
                //: %1 is the path of the desktop's autostart entry, %2 why it could not be
                //: removed. Keep the line breaks.
                : tr("Tockmere could not remove its entry for the start of your session:\r\n%1"
                     "\r\n\r\n(%2)");
        dialogs_.message(told.arg(autostart_.path(), failure), Dialogs::Buttons::Ok, true,
                         //: A window caption: the leading blank is part of the caption.
                         tr(" Start at Login"));
    }
    startAtLogin_->setChecked(autostart_.isEnabled());
}

void OptionsMenu::askForReminder() {
    //: %1 is the most minutes a reminder may come ahead (1440, a day). Keep the line breaks.
    const QString answer =
        dialogs_.prompt(tr("Enter the minutes before each sked to be reminded, "
                           "up to %1.\r\n\r\nEnter 0 for no reminder.")
                            .arg(Options::kRemindMost),
                        tr("Remind Before"), QString::number(options_.remindMinutes()));
    if (answer.isEmpty())
        return;
    if (const auto minutes = minutesFromText(answer.toStdString(), Options::kRemindMost)) {
        options_.setRemindMinutes(*minutes);
        return;
    }
    //: %1 is what the user typed, %2 the most minutes allowed (1440); %n the minutes the
    //: reminder keeps.
    dialogs_.message(tr("\"%1\" is not a number of minutes from 0 to %2; the reminder is kept at "
                        "%n minutes.",
                        nullptr, options_.remindMinutes())
                         .arg(answer, QString::number(Options::kRemindMost)),
                     Dialogs::Buttons::Ok, true, tr("Remind Before"));
}
