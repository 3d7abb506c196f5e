// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "AlarmEngine.h"
#include "Autostart.h"
#include "Dialogs.h"
#include "MainCaption.h"
#include "Options.h"
#include "Schedule.h"

#include <QPoint>
#include <QWidget>

class ClockLabel;
class OptionsMenu;
class QLabel;
class QPushButton;

// The main clock window: the time in the chosen time base, the next sked, and the options menu.
// It shows what the alarm engine tells it and sends it the user's commands; closing it ends the
// program.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    MainWindow(Options& options, Schedule& schedule, AlarmEngine& engine, Dialogs& dialogs,
               Autostart& autostart);

    // The start-up's part: the stored place, and the time base's label from the first paint.
    void restore();
    // The window's place for the next run.
    void storePlace();
    // What the start-up leaves until the window is on the screen: the message's width.
    void afterShown();
    // The start-up's offer of the system's UTC offset in place of a stored one that differs.
    void offerSystemOffset();

signals:
    // "Set Alarm": the table window is wanted at page 1.
    void scheduleRequested();
    void stopwatchRequested();
    // The close box: the program stores what it keeps and ends.
    void closeRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void showTimeBase();
    void popUpMenu();

    void showSchedule();
    void showAbout();

    void showTime(const QString& time);
    void showArmed(int slot);
    void showNothingPending();
    void showAlarmSetCaption();
    void showCaption();
    void showCountdown(const QString& remaining);
    void countdownRunningChanged(bool running);
    void showClockHealth(const QString& text);
    void showClockToolTip();
    void showMessage(const QString& text, const QString& whole);
    void fitMessage();
    void windowStateChanged();

    Options& options_;
    Schedule& schedule_;
    AlarmEngine& engine_;
    Dialogs& dialogs_;

    QPushButton* optionsButton_ = nullptr;
    QPushButton* setAlarmButton_ = nullptr;
    QLabel* nextSkedDate_ = nullptr;
    QLabel* nextSkedTime_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QLabel* timeBaseLabel_ = nullptr;
    ClockLabel* clockLabel_ = nullptr;
    QLabel* nextSkedMessage_ = nullptr;
    OptionsMenu* optionsMenu_ = nullptr;
    MainCaption caption_;

    // The last place the window had in its normal state, kept for a close while minimised.
    QPoint normalPos_;
    QString clockHealth_;
    // The next sked's message as far as the window shows it, before it is fitted; "0" until a
    // schedule arms a sked.
    QString message_{QStringLiteral("0")};
    bool countingDown_ = false;
};
