// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "MainWindow.h"

#include "AboutWindow.h"
#include "ClockLabel.h"
#include "Controls.h"
#include "Numbers.h"
#include "OptionsMenu.h"
#include "SettingsKeys.h"
#include "Text.h"
#include "Twips.h"
#include "WindowRoles.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int kDesignedTop = 300;
constexpr int kDesignedLeft = 1200;

// A stored position in twips: its leading number rounded; outside 0..13000 it falls back.
int positionFromText(const QString& text, int fallback) {
    const auto value = roundToInt32(leadingNumber(text.toStdString()));
    if (!value || *value < 0 || *value > 13000)
        return fallback;
    return *value;
}

// A position to store: outside 5..13000 (a minimised window reports far below 5) stores 300.
int positionToStore(int twips) {
    return twips < 5 || twips > 13000 ? 300 : twips;
}

} // namespace

MainWindow::MainWindow(Options& options, Schedule& schedule, AlarmEngine& engine, Dialogs& dialogs,
                       Autostart& autostart)
    : options_(options), schedule_(schedule), engine_(engine), dialogs_(dialogs),
      optionsMenu_(new OptionsMenu(options, engine, dialogs, autostart, this)) {
    giveWindowsTheirRoles();
    setObjectName(QStringLiteral("MainWindow"));
    showCaption();
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

    connect(&options_, &Options::timeLabelChanged, timeBaseLabel_, &QLabel::setText);
    connect(&options_, &Options::switchChanged, this, [this](Options::Switch which) {
        if (which == Options::Switch::UseUtc)
            showTimeBase();
    });
    connect(&engine_, &AlarmEngine::timeShown, this, &MainWindow::showTime);
    connect(&engine_, &AlarmEngine::skedArmed, this, &MainWindow::showArmed);
    connect(&engine_, &AlarmEngine::nothingPending, this, &MainWindow::showNothingPending);
    connect(&engine_, &AlarmEngine::timeLeftShown, this, [this](const QString& timeLeft) {
        nextSkedTime_->setToolTip(timeLeft);
        nextSkedTime_->setAccessibleDescription(
            timeLeft.isEmpty() ? tr("Time of the next sked")
                               //: For a screen reader: %1 is the time left to the next sked,
                               //: such as "in 2 h 13 min".
                               : tr("Time of the next sked, %1").arg(timeLeft));
    });
    connect(&engine_, &AlarmEngine::skedFired, this, &MainWindow::showAlarmSetCaption);
    connect(&engine_, &AlarmEngine::armedFromTable, this, &MainWindow::showAlarmSetCaption);
    connect(&engine_, &AlarmEngine::alarmLooping, stopButton_, &QWidget::setVisible);
    connect(&engine_, &AlarmEngine::countdownShown, this, &MainWindow::showCountdown);
    connect(&engine_, &AlarmEngine::countdownRunningChanged, this,
            &MainWindow::countdownRunningChanged);
    connect(&engine_, &AlarmEngine::clockHealthChanged, this, &MainWindow::showClockHealth);
    // The clock goes on while the box is open.
    connect(&engine_, &AlarmEngine::countdownEndedSilently, this, [this] {
        //: Told when a countdown ends while the alarm is silent.
        dialogs_.tell(tr("Done countdown..."),
                      //: A window caption: the leading blank is part of the caption.
                      tr(" Timer"));
    });
    connect(&engine_, &AlarmEngine::systemOffsetDiffers, optionsMenu_,
            [this] { optionsMenu_->offerSystemOffset(false); });
    connect(optionsMenu_, &OptionsMenu::stopwatchRequested, this, &MainWindow::stopwatchRequested);
    connect(optionsMenu_, &OptionsMenu::aboutRequested, this, &MainWindow::showAbout);
    connect(optionsMenu_, &OptionsMenu::countdownCleared, this, [this] {
        caption_.countdownCleared();
        showCaption();
    });
}

void MainWindow::offerSystemOffset() {
    optionsMenu_->offerSystemOffset(true);
}

void MainWindow::createControls() {
    // The button first in the keyboard order holds the initial focus, just below the visible
    // area; it leads a screen reader's user to the menu.
    optionsButton_ =
        makeButton(this, "optionsButton", QStringLiteral("dummy"), twipsRect(1932, 1296, 732, 252));
    setAlarmButton_ =
        makeButton(this, "setAlarmButton", tr("Set Alarm"), twipsRect(225, 24, 1296, 372));
    nextSkedDate_ =
        makeLabel(this, "nextSkedDate", tr("Alarm Date"), twipsRect(255, 495, 1200, 255));
    nextSkedTime_ =
        makeLabel(this, "nextSkedTime", tr("Alarm Time"), twipsRect(240, 855, 1275, 210));
    //: The button that stops a looping alarm sound.
    stopButton_ = makeButton(this, "stopButton", tr("Stop"), twipsRect(405, 600, 885, 372));
    stopButton_->hide();
    //: The clock's label in UTC mode.
    timeBaseLabel_ =
        makeLabel(this, "timeBaseLabel", tr("UTC Time"), twipsRect(3315, 75, 870, 195));
    clockLabel_ = placed(new ClockLabel(QStringLiteral("00:00:00"), this),
                         QStringLiteral("clockLabel"), twipsRect(2850, 360, 1830, 375));
    QFont clockFont = clockLabel_->font();
    clockFont.setPointSize(18);
    clockFont.setBold(true);
    clockLabel_->setFont(clockFont);

    // The message runs on to the right as far as the window allows.
    nextSkedMessage_ =
        makeLabel(this, "nextSkedMessage", QStringLiteral("0"), twipsRect(2895, 855, 150, 240));
    nextSkedMessage_->setMinimumWidth(twipsToPixels(150));
    nextSkedMessage_->setMaximumWidth(twipsToPixels(4716 - 2895));
    QPalette blue = nextSkedMessage_->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    nextSkedMessage_->setPalette(blue);

    // A screen reader reads each label's text as its name, as it shows; what the label is for
    // goes in its description (the clock's says whether the system clock can be trusted).
    //: What a screen reader calls the button that leads to the options menu.
    optionsButton_->setAccessibleName(tr("Options"));
    //: For a screen reader. Menu and Shift+F10 are keys of the keyboard.
    optionsButton_->setAccessibleDescription(
        tr("The Menu key or Shift+F10 opens the options menu"));
    nextSkedDate_->setAccessibleDescription(tr("Date of the next sked"));
    nextSkedTime_->setAccessibleDescription(tr("Time of the next sked"));
    stopButton_->setAccessibleDescription(tr("Stops the alarm sound"));
    timeBaseLabel_->setAccessibleDescription(tr("Time base of the clock"));
    nextSkedMessage_->setAccessibleDescription(tr("Message of the next sked"));

    // Only the background, the time-base label and the clock open the menu.
    for (QLabel* label : {nextSkedTime_, nextSkedDate_, nextSkedMessage_})
        label->setAttribute(Qt::WA_NoMousePropagation);

    optionsButton_->setFocus();
    connect(setAlarmButton_, &QPushButton::clicked, this, &MainWindow::showSchedule);
    connect(stopButton_, &QPushButton::clicked, &engine_, &AlarmEngine::stopAlarm);
}

void MainWindow::restore() {
    const int top = positionFromText(
        options_.read(SettingsKeys::kPositionTop, QString::number(pixelsToTwips(y()))),
        kDesignedTop);
    const int left = positionFromText(
        options_.read(SettingsKeys::kPositionLeft, QString::number(pixelsToTwips(x()))),
        kDesignedLeft);
    move(twipsToPixels(left), twipsToPixels(top));
    normalPos_ = pos();
    nextSkedTime_->setText(QString());
    optionsMenu_->showSwitches();
    // In UTC mode the label the user named; the local clock says so from the first paint.
    //: The clock's label when it shows local time.
    timeBaseLabel_->setText(options_.isOn(Options::Switch::UseUtc) ? options_.timeLabel()
                                                                   : tr("Local Time"));
}

void MainWindow::storePlace() {
    const QPoint place = isMinimized() ? normalPos_ : pos();
    if (!windowPlacesAreKnown())
        return;
    options_.store(SettingsKeys::kPositionTop,
                   QString::number(positionToStore(pixelsToTwips(place.y()))));
    options_.store(SettingsKeys::kPositionLeft,
                   QString::number(positionToStore(pixelsToTwips(place.x()))));
}

void MainWindow::afterShown() {
    fitMessage();
}

void MainWindow::showMessage(const QString& text, const QString& whole) {
    // The Done state comes back every second.
    if (text == message_ && whole == nextSkedMessage_->toolTip())
        return;
    message_ = text;
    // The window shows 30 characters at most, fewer where they do not fit; the whole message is
    // in the tooltip.
    nextSkedMessage_->setToolTip(whole);
    nextSkedMessage_->setText(text);
    fitMessage();
}

void MainWindow::fitMessage() {
    // The label takes the width of its text up to the window's edge, where a longer text ends
    // in an ellipsis rather than in half a character; that needs the font's measures, so the
    // start-up leaves it until the window is shown.
    if (!isVisible())
        return;
    const QString shown = nextSkedMessage_->fontMetrics().elidedText(
        message_, Qt::ElideRight, nextSkedMessage_->maximumWidth());
    nextSkedMessage_->setText(shown);
    // A screen reader hears the whole message where the eye sees it cut.
    nextSkedMessage_->setAccessibleName(shown == message_ ? QString()
                                                          : nextSkedMessage_->toolTip());
    nextSkedMessage_->adjustSize();
}

void MainWindow::showTimeBase() {
    timeBaseLabel_->setText(options_.isOn(Options::Switch::UseUtc) ? tr("UTC Time")
                                                                   : tr("Local Time"));
}

void MainWindow::showAbout() {
    const QScreen* screen = this->screen();
    AboutWindow about(y(), screen ? screen->geometry().width() : 1024);
    about.exec();
}

void MainWindow::showSchedule() {
    emit scheduleRequested();
    showAlarmSetCaption();
    if (options_.isOn(Options::Switch::Minimize))
        showMinimized();
}

void MainWindow::showTime(const QString& time) {
    if (isMinimized()) {
        windowStateChanged();
        return;
    }
    // The clock label draws a new text at once rather than at the next pass of the event loop:
    // the new second reaches the screen within a millisecond or two of the true one.
    clockLabel_->setText(time);
}

void MainWindow::showArmed(int slot) {
    const SkedEntry& row = schedule_.row(slot);
    nextSkedTime_->setText(QString::fromStdString(formatTimeText(row.time)));
    nextSkedDate_->setText(QString::fromStdString(row.date));
    showMessage(QString::fromStdString(leftCodePoints(row.message, 30)),
                QString::fromStdString(row.message));
}

void MainWindow::showNothingPending() {
    caption_.setIdle();
    showCaption();
    //: Shown in place of the next sked's message when no sked is left to ring.
    showMessage(tr("Done"), QString());
    nextSkedDate_->setText(QString());
}

void MainWindow::showAlarmSetCaption() {
    caption_.setAlarmSet(schedule_.shortName());
    showCaption();
}

void MainWindow::showCaption() {
    setWindowTitle(caption_.text());
}

void MainWindow::showCountdown(const QString& remaining) {
    clockLabel_->setText(remaining);
    showClockToolTip();
}

void MainWindow::countdownRunningChanged(bool running) {
    caption_.setCountdown(running);
    showCaption();
    countingDown_ = running;
    showClockToolTip();
}

void MainWindow::showClockHealth(const QString& text) {
    clockHealth_ = text;
    clockLabel_->setAccessibleDescription(text);
    showClockToolTip();
}

void MainWindow::showClockToolTip() {
    // A countdown too long for the label shows itself whole; otherwise the clock says whether
    // the system time can be trusted.
    const QString shown = clockLabel_->text();
    const bool clipped =
        countingDown_ && clockLabel_->fontMetrics().horizontalAdvance(shown) > clockLabel_->width();
    clockLabel_->setToolTip(clipped ? shown : clockHealth_);
}

void MainWindow::popUpMenu() {
    optionsMenu_->popup(clockLabel_->mapToGlobal(clockLabel_->rect().center()));
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        optionsMenu_->popup(event->globalPosition().toPoint());
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse opens the menu on its press; this is the keyboard's way to it.
    if (event->reason() == QContextMenuEvent::Keyboard)
        popUpMenu();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)
        popUpMenu();
    else
        QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closeRequested();
}

void MainWindow::windowStateChanged() {
    // While minimised the caption shows the next alarm time, or "done".
    if (isMinimized()) {
        const int armed = engine_.armedRow();
        //: The minimised clock's caption when no sked is left to ring.
        caption_.setMinimised(armed == SkedTable::kSpare ? tr("done")
                                                         : QString::fromStdString(formatTimeText(
                                                               schedule_.row(armed).time)));
        showCaption();
    } else {
        caption_.setMinimised(QString());
        showAlarmSetCaption();
    }
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        windowStateChanged();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!isMinimized())
        normalPos_ = pos();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    windowStateChanged();
}
