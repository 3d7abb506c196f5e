// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "SkedForm.h"

#include "Controls.h"
#include "LeadingNumber.h"
#include "QuickHelp.h"
#include "SettingsKeys.h"
#include "frmSkeds.h"
#include "frmStopWatch.h"
#include "mAbout.h"

#include <QAction>
#include <QLabel>
#include <QScreen>

// The pop-up menu's switches and commands: each switch stores its new state the moment it
// changes; the offset and label prompts; the quick help, About and the stopwatch.

// The menu has already flipped the check mark when this runs.
void SkedForm::mnuSilent_Click() {
    storeSwitch(mnuSilent, SettingsKeys::kSilent);
}

void SkedForm::mnuMinimize_Click() {
    storeSwitch(mnuMinimize, SettingsKeys::kMinimize);
}

void SkedForm::mAlarmPopUp_Click() {
    updateSwitchCaptions();
    storeSwitch(mAlarmPopUp, SettingsKeys::kAlarmPopUp);
}

void SkedForm::mCloseButton_Click() {
    updateSwitchCaptions();
    storeSwitch(mCloseButton, SettingsKeys::kAlarmCloseButton);
}

void SkedForm::mnuContinuous_Click() {
    storeSwitch(mnuContinuous, SettingsKeys::kContinuous);
}

void SkedForm::mUTCtime_Click() {
    context_.basic.TimeLabelsDone = false;
    restoredLabel_ = false;
    showTimeBaseLabels();
    storeSwitch(mUTCtime, SettingsKeys::kUseUtc);
}

void SkedForm::storeSwitch(const QAction* action, QLatin1String key) {
    saveOption(key, action->isChecked() ? SettingsKeys::kTrue : SettingsKeys::kFalse);
}

void SkedForm::updateSwitchCaptions() {
    mAlarmPopUp->setText(mAlarmPopUp->isChecked() ? QStringLiteral("Alarm Msg PopUp")
                                                  : QStringLiteral("No Alarm Msg PopUp"));
    mCloseButton->setText(mCloseButton->isChecked() ? QStringLiteral("Alarm Close Button")
                                                    : QStringLiteral("No Alarm Close Button"));
}

void SkedForm::moffset_Click() {
    takeOffset(context_.dialogs.prompt(QStringLiteral("Enter the UTC hour offset"), QString(),
                                       fromStd(offsetText(context_.basic.utcOffsetMinutes))));
}

void SkedForm::takeOffset(const QString& answer) {
    // An empty answer changes nothing; an offset beyond a day is refused like one.
    if (const auto offset = offsetFromText(answer.toStdString()))
        setOffset(*offset);
}

void SkedForm::setOffset(int minutes) {
    context_.basic.utcOffsetMinutes = minutes;
    saveOption(SettingsKeys::kUtcOffset, fromStd(offsetText(minutes)));
}

void SkedForm::mChangeLabel_Click() {
    const QString answer =
        context_.dialogs.prompt(QStringLiteral("Enter text for time offset: UTC PST etc."),
                                QStringLiteral("Time label..."), QStringLiteral("UTC Time"));
    if (answer.isEmpty())
        return;
    lblWhatTime->setText(answer);
    saveOption(SettingsKeys::kUtcLabel, answer);
}

void SkedForm::mnuSoundAlarm_Click() {
    PlaySound(QStringLiteral("alarm.wav"), Sound::Mode::Once);
}

void SkedForm::mnuHelp_Click() {
    context_.dialogs.message(
        fromStd(quickHelpText(context_.basic.utcOffsetMinutes, mUTCtime->isChecked())),
        Dialogs::Buttons::Ok, false, QStringLiteral(" Tockmere Quick Help"));
}

void SkedForm::mnuAbout_Click() {
    const QScreen* screen = this->screen();
    mAbout about(y(), screen ? screen->geometry().width() : 1024);
    about.exec();
}

void SkedForm::mUpTimer_Click() {
    frmStopWatch& stopWatch = context_.forms.stopWatch();
    stopWatch.show();
    stopWatch.raise();
    stopWatch.activateWindow();
}
