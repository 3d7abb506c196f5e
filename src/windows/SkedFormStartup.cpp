// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "SkedForm.h"

#include "Controls.h"
#include "LeadingNumber.h"
#include "SettingsKeys.h"
#include "SkedName.h"
#include "Text.h"
#include "Twips.h"
#include "frmSkeds.h"

#include <QDir>
#include <QLabel>
#include <QTimer>

// Start-up and shutdown: the settings read at start and stored at the end, the check of the
// hour offset against the system clock, and the schedule read into the table.

namespace {

// A stored position in twips: its leading number rounded; outside 0..13000 it falls back.
int positionFromText(const QString& text, int fallback) {
    const auto value = roundToInt32(LeadingNumber(text.toStdString()));
    if (!value || *value < 0 || *value > 13000)
        return fallback;
    return *value;
}

// A position to store: outside 5..13000 (a minimised window reports far below 5) stores 300.
int positionToStore(int twips) {
    return twips < 5 || twips > 13000 ? 300 : twips;
}

} // namespace

QString SkedForm::readSetting(QLatin1String key, const QString& fallback) const {
    return context_.settings.read(SettingsKeys::kApplication, SettingsKeys::kSection, key,
                                  fallback);
}

bool SkedForm::readSwitch(QLatin1String key, QLatin1String fallback) const {
    return readSetting(key, fallback) == SettingsKeys::kTrue;
}

void SkedForm::saveOption(QLatin1String key, const QString& text) {
    context_.settings.save(SettingsKeys::kApplication, SettingsKeys::kSection, key, text);
}

void SkedForm::Form_Load(const QString& skedFile) {
    BasicModule& basic = context_.basic;
    basic.AlarmIndex = 0;
    Label1->setText(QString());
    restorePosition();
    restoreSwitches();
    lblWhatTime->setText(readSetting(SettingsKeys::kUtcLabel, QStringLiteral("UTC Time")));
    // A stored offset the program could not have written reads as 0.
    basic.utcOffsetMinutes =
        offsetFromText(readSetting(SettingsKeys::kUtcOffset, QStringLiteral("0")).toStdString())
            .value_or(0);
    basic.SkedFile = skedFile.isEmpty()
                         ? readSetting(SettingsKeys::kPlannexFile, QStringLiteral("skeds.dat"))
                         : skedFile;
    const QDateTime now = context_.clock.localNow();
    healthMinute_ = now.time().minute();
    showClockHealth();
    basic.systemOffsetMinutes = systemOffsetAt(now);
    checkUtcOffset();
    loadSchedule();
    // The chosen time base and its label from the first paint, not local time until a tick.
    showTimeLabels();
    lblTime->setText(fromStd(shownAt(context_.clock.localNow()).ShownTime));
}

void SkedForm::restorePosition() {
    const int top = positionFromText(
        readSetting(SettingsKeys::kPositionTop, QString::number(pixelsToTwips(y()))), 300);
    const int left = positionFromText(
        readSetting(SettingsKeys::kPositionLeft, QString::number(pixelsToTwips(x()))), 1200);
    move(twipsToPixels(left), twipsToPixels(top));
    normalPos_ = pos();
}

void SkedForm::restoreSwitches() {
    using namespace SettingsKeys;
    mnuMinimize->setChecked(readSwitch(kMinimize, kFalse));
    mnuSilent->setChecked(readSwitch(kSilent, kTrue));
    mAlarmPopUp->setChecked(readSwitch(kAlarmPopUp, kTrue));
    mCloseButton->setChecked(readSwitch(kAlarmCloseButton, kTrue));
    mUTCtime->setChecked(readSwitch(kUseUtc, kTrue));
    mnuContinuous->setChecked(readSwitch(kContinuous, kFalse));
    updateSwitchCaptions();
}

int SkedForm::systemOffsetAt(const QDateTime& localNow) {
    // The zone's own offset at this instant, hours and minutes, the way the setting counts it.
    return -localNow.offsetFromUtc() / 60;
}

void SkedForm::checkUtcOffset() {
    const BasicModule& basic = context_.basic;
    if (basic.systemOffsetMinutes == basic.utcOffsetMinutes)
        return;
    context_.dialogs.message(QStringLiteral("System UTC offset %1 hours does not \r\n"
                                            "match the setting in Tockmere %2 hours.")
                                 .arg(fromStd(offsetText(basic.systemOffsetMinutes)),
                                      fromStd(offsetText(basic.utcOffsetMinutes))),
                             Dialogs::Buttons::Ok, false, QStringLiteral(" Check UTC offset"));
    SysOffset();
}

void SkedForm::SysOffset() {
    const QString offered = fromStd(offsetText(context_.basic.systemOffsetMinutes));
    takeOffset(context_.dialogs.prompt(
        QStringLiteral("<Enter> or <OK> selects the %1 hr. system UTC offset.\r\n\r\n"
                       "Or enter a new UTC hour offset.")
            .arg(offered),
        QString(), offered));
}

void SkedForm::loadSchedule() {
    BasicModule& basic = context_.basic;
    if (isBlank(basic.SkedFile.toStdString()))
        basic.SkedFile = basic.programDir + QDir::separator() + QStringLiteral("skeds.dat");
    frmSkeds& skeds = context_.forms.skeds();
    skeds.setFileText(basic.SkedFile);
    if (const auto name = skedNameFrom(basic.SkedFile.toStdString()))
        basic.SkedName = fromStd(*name);
    const ReadResult read = skeds.readAtStartUp();
    if (read.status == ReadStatus::Missing || read.status == ReadStatus::CannotOpen) {
        // A file that is there but could not be opened has been reported already; the
        // initial-use message is for a first start without a schedule.
        initialUse(read.status == ReadStatus::Missing);
        return;
    }
    // A file not read whole has been reported; what was read of it is armed like any schedule,
    // and nothing done in it rings again.
    basic.SkedLoadedAtStart = true;
    restartClock();
    armFirstPendingRow();
}

void SkedForm::initialUse(bool showMessage) {
    if (showMessage)
        context_.dialogs.message(
            QStringLiteral("Do right-mouse click on TOCKMERE to view options/HELP"),
            Dialogs::Buttons::Ok, true, QStringLiteral(" Initial use"));
    lblNum->setText(QStringLiteral("0"));
}

void SkedForm::Form_Unload() {
    storeClosingState();
    context_.forms.endProgram();
}

void SkedForm::storeClosingState() {
    const QPoint place = isMinimized() ? normalPos_ : pos();
    if (windowPlacesAreKnown()) {
        saveOption(SettingsKeys::kPositionTop,
                   QString::number(positionToStore(pixelsToTwips(place.y()))));
        saveOption(SettingsKeys::kPositionLeft,
                   QString::number(positionToStore(pixelsToTwips(place.x()))));
    }
    saveOption(SettingsKeys::kPlannexFile, context_.basic.SkedFile);
    frmSkeds& skeds = context_.forms.skeds();
    skeds.setFileText(context_.basic.SkedFile);
    skeds.storeLayout();
}
