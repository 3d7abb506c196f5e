// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "OptionsMenu.h"

#include "Numbers.h"
#include "QuickHelp.h"
#include "SkedTiming.h"
#include "Timers.h"

#include <QAction>

namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

OptionsMenu::OptionsMenu(Options& options, AlarmEngine& engine, Dialogs& dialogs,
                         Autostart& autostart, QWidget* parent)
    : QMenu(QStringLiteral("PopUp"), parent), options_(options), engine_(engine), dialogs_(dialogs),
      autostart_(autostart) {
    using S = Options::Switch;
    setObjectName(QStringLiteral("optionsMenu"));
    auto command = [this](const char* name, const QString& caption, auto* receiver, auto slot) {
        connect(addCommand(name, caption), &QAction::triggered, receiver, slot);
    };
    command("help", QStringLiteral("Help"), this, &OptionsMenu::showQuickHelp);
    addSwitch("utcTime", QStringLiteral("UTC time"), S::UseUtc);
    command("setUtcOffset", QStringLiteral("Set UTC offset"), this, &OptionsMenu::setUtcOffset);
    command("changeTimeLabel", QStringLiteral("Change Offset Label"), this,
            &OptionsMenu::changeTimeLabel);
    addSwitch("silentAlarm", QStringLiteral("Silent Alarm"), S::Silent);
    addSwitch("alarmSetMinimized", QStringLiteral("Alarm Set Minimized"), S::Minimize);
    addSwitch("alarmPopUp", QStringLiteral("Alarm Msg PopUp"), S::AlarmPopUp);
    addSwitch("alarmCloseButton", QStringLiteral("Alarm Close Button"), S::AlarmCloseButton);
    command("testAlarm", QStringLiteral("Test Alarm"), this, &OptionsMenu::testAlarm);
    command("countdown", QStringLiteral("Count Down Timer"), this, &OptionsMenu::askForCountdown);
    command("stopwatch", QStringLiteral("Stop Watch Timer"), this,
            &OptionsMenu::stopwatchRequested);
    addSwitch("continuousAlarm", QStringLiteral("Continuous Alarm"), S::Continuous);
    command("about", QStringLiteral("About"), this, &OptionsMenu::aboutRequested);
    addSeparator();
    startAtLogin_ = addCommand("startAtLogin", QStringLiteral("Start at Login"));
    startAtLogin_->setCheckable(true);
    connect(startAtLogin_, &QAction::triggered, this, &OptionsMenu::startAtLogin);
    command("remindBefore", QStringLiteral("Remind Before..."), this, &OptionsMenu::askForReminder);
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
    switchActions_[std::size_t(S::AlarmPopUp)]->setText(options_.isOn(S::AlarmPopUp)
                                                            ? QStringLiteral("Alarm Msg PopUp")
                                                            : QStringLiteral("No Alarm Msg PopUp"));
    switchActions_[std::size_t(S::AlarmCloseButton)]->setText(
        options_.isOn(S::AlarmCloseButton) ? QStringLiteral("Alarm Close Button")
                                           : QStringLiteral("No Alarm Close Button"));
}

void OptionsMenu::offerSystemOffset(bool wait) {
    const QString offered = fromStd(offsetText(engine_.systemOffsetMinutes()));
    const QString told = QStringLiteral("System UTC offset %1 hours does not \r\n"
                                        "match the setting in Tockmere %2 hours.")
                             .arg(offered, fromStd(offsetText(options_.utcOffsetMinutes())));
    const QString title = QStringLiteral(" Check UTC offset");
    const QString asked = QStringLiteral("<Enter> or <OK> selects the %1 hr. system UTC "
                                         "offset.\r\n\r\nOr enter a new UTC hour offset.")
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
    takeOffset(dialogs_.prompt(QStringLiteral("Enter the UTC hour offset"), QString(),
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
    dialogs_.message(
        QStringLiteral("\"%1\" is not a UTC offset; the offset is kept at %2 hours.\r\n\r\n"
                       "The offset is the hours added to local time to get UTC: 5 at UTC-5, "
                       "-5.5 or -5:30 at UTC+5:30.")
            .arg(answer, fromStd(offsetText(options_.utcOffsetMinutes()))),
        Dialogs::Buttons::Ok, true, QStringLiteral(" Set UTC offset"));
}

void OptionsMenu::changeTimeLabel() {
    const QString answer =
        dialogs_.prompt(QStringLiteral("Enter text for time offset: UTC PST etc."),
                        QStringLiteral("Time label..."), QStringLiteral("UTC Time"));
    if (answer.isEmpty())
        return;
    options_.setTimeLabel(answer);
}

void OptionsMenu::showQuickHelp() {
    dialogs_.message(
        fromStd(quickHelpText(options_.utcOffsetMinutes(), options_.isOn(Options::Switch::UseUtc))),
        Dialogs::Buttons::Ok, false, QStringLiteral(" Tockmere Quick Help"));
}

void OptionsMenu::testAlarm() {
    const QString problem = engine_.testAlarm();
    if (!problem.isEmpty())
        dialogs_.message(problem, Dialogs::Buttons::Ok, true, QStringLiteral(" Test Alarm"));
}

void OptionsMenu::askForCountdown() {
    const QString answer = dialogs_.prompt(
        QStringLiteral("Enter <SECONDS> to count down from.\r\n\r\nex: <60 = 1min.>\r\n\r\n"
                       "Enter 0 to clear."),
        QStringLiteral("Count Down Timer"), QString());
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
    dialogs_.message(QStringLiteral("\"%1\" is not a time to count down. Enter seconds (90), "
                                    "minutes and seconds (1:30) or hours, minutes and seconds "
                                    "(1:00:00).")
                         .arg(answer),
                     Dialogs::Buttons::Ok, true, QStringLiteral("Count Down Timer"));
}

void OptionsMenu::startAtLogin(bool on) {
    const QString failure = autostart_.setEnabled(on);
    if (!failure.isEmpty())
        dialogs_.message(QStringLiteral("Tockmere could not %1 its entry for the start of your "
                                        "session:\r\n%2\r\n\r\n(%3)")
                             .arg(on ? QStringLiteral("write") : QStringLiteral("remove"),
                                  autostart_.path(), failure),
                         Dialogs::Buttons::Ok, true, QStringLiteral(" Start at Login"));
    startAtLogin_->setChecked(autostart_.isEnabled());
}

void OptionsMenu::askForReminder() {
    const QString answer = dialogs_.prompt(
        QStringLiteral("Enter the minutes before each sked to be reminded, up to %1.\r\n\r\n"
                       "Enter 0 for no reminder.")
            .arg(Options::kRemindMost),
        QStringLiteral("Remind Before"), QString::number(options_.remindMinutes()));
    if (answer.isEmpty())
        return;
    if (const auto minutes = minutesFromText(answer.toStdString(), Options::kRemindMost)) {
        options_.setRemindMinutes(*minutes);
        return;
    }
    dialogs_.message(QStringLiteral("\"%1\" is not a number of minutes from 0 to %2; the "
                                    "reminder is kept at %3 minutes.")
                         .arg(answer)
                         .arg(Options::kRemindMost)
                         .arg(options_.remindMinutes()),
                     Dialogs::Buttons::Ok, true, QStringLiteral("Remind Before"));
}
