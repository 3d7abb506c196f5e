// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "SkedForm.h"

#include "Controls.h"
#include "LeadingNumber.h"
#include "Twips.h"
#include "frmSkeds.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kDesignedTop = 300;
constexpr int kDesignedLeft = 1200;

} // namespace

// The window itself: its controls and menu, its captions, the mouse and the window's events.
// The concerns it serves live beside it: SkedFormStartup.cpp (start-up and shutdown),
// SkedFormClock.cpp (the clock tick, arming and firing, the sound), SkedFormMenu.cpp (the
// switches and commands of the pop-up menu) and SkedFormCountdown.cpp.

SkedForm::SkedForm(Context& context) : context_(context) {
    setObjectName(QStringLiteral("SkedForm"));
    setWindowTitle(kIdleCaption);
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(grey);
    // The layout was designed for an 8-point face; the clock label sets its own size.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    setFixedSize(twipsToPixels(4716), twipsToPixels(1296));
    move(twipsToPixels(kDesignedLeft), twipsToPixels(kDesignedTop));
    normalPos_ = pos();
    createControls();
    createMenu();
}

void SkedForm::createControls() {
    // The dummy button comes first so the initial focus rests on it, below the visible area.
    CMD2 = makeButton(this, "CMD2", QStringLiteral("dummy"), twipsRect(1932, 1296, 732, 252));
    Command1 =
        makeButton(this, "Command1", QStringLiteral("Set Alarm"), twipsRect(225, 24, 1296, 372));
    lblAlarmDate = makeLabel(this, "lblAlarmDate", QStringLiteral("Alarm Date"),
                             twipsRect(255, 495, 1200, 255));
    Label1 =
        makeLabel(this, "Label1", QStringLiteral("Alarm Time"), twipsRect(240, 855, 1275, 210));
    Command3 = makeButton(this, "Command3", QStringLiteral("Stop"), twipsRect(405, 600, 885, 372));
    Command3->hide();
    lblWhatTime =
        makeLabel(this, "lblWhatTime", QStringLiteral("UTC Time"), twipsRect(3315, 75, 870, 195));
    lblTime = placed(new ClockLabel(QStringLiteral("00:00:00"), this), QStringLiteral("lblTime"),
                     twipsRect(2850, 360, 1830, 375));
    QFont clockFont = lblTime->font();
    clockFont.setPointSize(18);
    clockFont.setBold(true);
    lblTime->setFont(clockFont);

    // The message runs on to the right as far as the window allows.
    lblNum = makeLabel(this, "lblNum", QStringLiteral("0"), twipsRect(2895, 855, 150, 240));
    lblNum->setMinimumWidth(twipsToPixels(150));
    lblNum->setMaximumWidth(twipsToPixels(4716 - 2895));
    QPalette blue = lblNum->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    lblNum->setPalette(blue);

    // A screen reader reads each label's text as its name, as it shows; what the label is for
    // goes in its description (the clock's says whether the system clock can be trusted). The
    // button that holds the focus leads to the menu.
    CMD2->setAccessibleName(QStringLiteral("Options"));
    CMD2->setAccessibleDescription(
        QStringLiteral("The Menu key or Shift+F10 opens the options menu"));
    lblAlarmDate->setAccessibleDescription(QStringLiteral("Date of the next sked"));
    Label1->setAccessibleDescription(QStringLiteral("Time of the next sked"));
    Command3->setAccessibleDescription(QStringLiteral("Stops the alarm sound"));
    lblWhatTime->setAccessibleDescription(QStringLiteral("Time base of the clock"));
    lblNum->setAccessibleDescription(QStringLiteral("Message of the next sked"));

    // Only the background, the time-base label and the clock open the menu.
    for (QLabel* label : {Label1, lblAlarmDate, lblNum})
        label->setAttribute(Qt::WA_NoMousePropagation);

    CMD2->setFocus();
    connect(Command1, &QPushButton::clicked, this, &SkedForm::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &SkedForm::Command3_Click);

    // Timer1 ticks once a second, aimed at the true second of the wall clock, so the shown
    // second turns with the true one and the program wakes no more often than it must.
    Timer1 = new WallClockTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &WallClockTimer::timeout, this, &SkedForm::Timer1_Timer);
    aimTimer1();
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(1000);
    connect(Timer3, &QTimer::timeout, this, &SkedForm::Timer3_Timer);
}

void SkedForm::createMenu() {
    mnuPopUp = new QMenu(QStringLiteral("PopUp"), this);
    mnuPopUp->setObjectName(QStringLiteral("mnuPopUp"));
    auto entry = [this](const char* name, const QString& caption, bool checkable, bool checked) {
        QAction* action = mnuPopUp->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(checkable);
        action->setChecked(checked);
        return action;
    };
    mnuHelp = entry("mnuHelp", QStringLiteral("Help"), false, false);
    mUTCtime = entry("mUTCtime", QStringLiteral("UTC time"), true, true);
    moffset = entry("moffset", QStringLiteral("Set UTC offset"), false, false);
    mChangeLabel = entry("mChangeLabel", QStringLiteral("Change Offset Label"), false, false);
    mnuSilent = entry("mnuSilent", QStringLiteral("Silent Alarm"), true, true);
    mnuMinimize = entry("mnuMinimize", QStringLiteral("Alarm Set Minimized"), true, false);
    mAlarmPopUp = entry("mAlarmPopUp", QStringLiteral("Alarm Msg PopUp"), true, true);
    mCloseButton = entry("mCloseButton", QStringLiteral("Alarm Close Button"), true, true);
    mnuSoundAlarm = entry("mnuSoundAlarm", QStringLiteral("Test Alarm"), false, false);
    mdownTimer = entry("mdownTimer", QStringLiteral("Count Down Timer"), false, false);
    mUpTimer = entry("mUpTimer", QStringLiteral("Stop Watch Timer"), false, false);
    mnuContinuous = entry("mnuContinuous", QStringLiteral("Continuous Alarm"), true, false);
    mnuAbout = entry("mnuAbout", QStringLiteral("About"), false, false);

    connect(mnuSilent, &QAction::triggered, this, &SkedForm::mnuSilent_Click);
    connect(mnuMinimize, &QAction::triggered, this, &SkedForm::mnuMinimize_Click);
    connect(mAlarmPopUp, &QAction::triggered, this, &SkedForm::mAlarmPopUp_Click);
    connect(mCloseButton, &QAction::triggered, this, &SkedForm::mCloseButton_Click);
    connect(mnuContinuous, &QAction::triggered, this, &SkedForm::mnuContinuous_Click);
    connect(mUTCtime, &QAction::triggered, this, &SkedForm::mUTCtime_Click);
    connect(mnuHelp, &QAction::triggered, this, &SkedForm::mnuHelp_Click);
    connect(moffset, &QAction::triggered, this, &SkedForm::moffset_Click);
    connect(mChangeLabel, &QAction::triggered, this, &SkedForm::mChangeLabel_Click);
    connect(mnuSoundAlarm, &QAction::triggered, this, &SkedForm::mnuSoundAlarm_Click);
    connect(mdownTimer, &QAction::triggered, this, &SkedForm::mdownTimer_Click);
    connect(mUpTimer, &QAction::triggered, this, &SkedForm::mUpTimer_Click);
    connect(mnuAbout, &QAction::triggered, this, &SkedForm::mnuAbout_Click);
}

void SkedForm::Form_MouseDown(Qt::MouseButton button, const QPoint& globalPos) {
    if (button == Qt::RightButton)
        mnuPopUp->popup(globalPos);
}

void SkedForm::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse opens the menu on its press; this is the keyboard's way to it.
    if (event->reason() == QContextMenuEvent::Keyboard)
        mnuPopUp->popup(lblTime->mapToGlobal(lblTime->rect().center()));
}

void SkedForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)
        mnuPopUp->popup(lblTime->mapToGlobal(lblTime->rect().center()));
    else
        QWidget::keyPressEvent(event);
}

void SkedForm::mousePressEvent(QMouseEvent* event) {
    Form_MouseDown(event->button(), event->globalPosition().toPoint());
}

void SkedForm::showAlarmSetCaption() {
    showCaption(QStringLiteral("Alarm Set   ") + context_.basic.SkedName);
}

void SkedForm::showCaption(const QString& caption) {
    // The countdown keeps its own caption; what comes meanwhile shows when it ends.
    if (Timer3->isActive())
        captionAfterCountdown_ = caption;
    else
        setWindowTitle(caption);
}

void SkedForm::SetAlarmCaption() {
    const int index = context_.basic.AlarmIndex;
    if (index == SkedTable::kSpare) {
        setWindowTitle(QStringLiteral("done"));
        return;
    }
    setWindowTitle(fromStd(formatTimeText(context_.forms.skeds().table().row(index).time)));
}

void SkedForm::Form_Resize() {
    if (isMinimized())
        SetAlarmCaption();
    else
        showAlarmSetCaption();
}

void SkedForm::afterShown() {
    fitMessage();
    context_.forms.skeds().ensureControls();
}

void SkedForm::fitMessage() {
    // The label takes the width of its text, which needs the font's measures; the start-up
    // leaves that until the window is shown.
    if (isVisible())
        lblNum->adjustSize();
}

void SkedForm::Command1_Click() {
    frmSkeds& skeds = context_.forms.skeds();
    skeds.ensureControls();
    skeds.Check1->setChecked(false);
    skeds.show();
    showAlarmSetCaption();
    if (mnuMinimize->isChecked())
        showMinimized();
    if (skeds.isMinimized())
        skeds.showNormal();
    // A table window already open behind other windows comes to the front.
    skeds.raise();
    skeds.activateWindow();
}

void SkedForm::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void SkedForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void SkedForm::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!isMinimized())
        normalPos_ = pos();
}

void SkedForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}
