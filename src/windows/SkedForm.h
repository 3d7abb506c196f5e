// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "ClockLabel.h"
#include "Context.h"
#include "Sound.h"
#include "TimeBase.h"
#include "WallClockTimer.h"

#include <QPoint>
#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

// The main clock window. Creating it and calling Form_Load runs the start-up sequence; closing
// it stores the window's place and the schedule path and ends the program.
class SkedForm : public QWidget {
    Q_OBJECT

public:
    // The caption of a window with nothing armed and no countdown.
    static constexpr QLatin1String kIdleCaption{" Tockmere  by Ovix"};

    explicit SkedForm(Context& context);

    // Start-up; a schedule file named on the command line stands in for the stored one.
    void Form_Load(const QString& skedFile = QString());
    // Stores what closing stores and ends the program.
    void Form_Unload();
    // The window's place, the schedule path and the table window's layout, for the next run.
    void storeClosingState();
    void Form_Resize();

    // The offer of the system's UTC offset, when the setting differs from it.
    void SysOffset();
    // While minimised the caption shows the next alarm time, or "done".
    void SetAlarmCaption();
    void ShowArmedRow(int slot);
    void arm(int slot);
    // Arms the table's first active row (the Done state when every row is skipped), makes sure
    // the clock runs and shows the file's name in the caption.
    void ArmFromTable();
    // What start-up leaves until the window is on the screen: the message label's width and the
    // table window's controls.
    void afterShown();
    // "Set Alarm": shows the table window at page 1.
    void Command1_Click();
    // "Stop": ends a looping alarm with the stop sound.
    void Command3_Click();
    // The clock tick: shows the time in the chosen time base once per displayed second and
    // fires the armed sked when it is due.
    void Timer1_Timer();
    // Plays a wave file from the program directory.
    void PlaySound(const QString& fileName, Sound::Mode mode);

    // The pop-up menu opens on a right button press over the window, lblWhatTime or lblTime.
    void Form_MouseDown(Qt::MouseButton button, const QPoint& globalPos);
    // Switches: a click has flipped the check mark when these run; each stores the new state
    // at once. The time base also rewrites the labels that name it.
    void mnuSilent_Click();
    void mnuMinimize_Click();
    void mAlarmPopUp_Click();
    void mCloseButton_Click();
    void mnuContinuous_Click();
    void mUTCtime_Click();
    void moffset_Click();
    void mChangeLabel_Click();
    void mnuSoundAlarm_Click();
    void mnuHelp_Click();
    void mnuAbout_Click();
    void mUpTimer_Click();

    // The countdown: started, restarted or cleared from the menu; it holds the clock tick.
    void mdownTimer_Click();
    void Timer3_Timer();
    // Stops the countdown and gives the clock back its tick and the caption.
    void endCountdown();
    // Shows the time left of a count of m seconds after C seconds.
    void SetLabel(std::int64_t m, std::int64_t C);

    QPushButton* Command1 = nullptr;
    QLabel* lblAlarmDate = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* lblWhatTime = nullptr;
    ClockLabel* lblTime = nullptr;
    QLabel* lblNum = nullptr;
    QPushButton* CMD2 = nullptr;
    WallClockTimer* Timer1 = nullptr;
    QTimer* Timer3 = nullptr;

    QMenu* mnuPopUp = nullptr;
    QAction* mnuHelp = nullptr;
    QAction* mUTCtime = nullptr;
    QAction* moffset = nullptr;
    QAction* mChangeLabel = nullptr;
    QAction* mnuSilent = nullptr;
    QAction* mnuMinimize = nullptr;
    QAction* mAlarmPopUp = nullptr;
    QAction* mCloseButton = nullptr;
    QAction* mnuSoundAlarm = nullptr;
    QAction* mdownTimer = nullptr;
    QAction* mUpTimer = nullptr;
    QAction* mnuContinuous = nullptr;
    QAction* mnuAbout = nullptr;

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
    void createMenu();
    QString readSetting(QLatin1String key, const QString& fallback) const;
    bool readSwitch(QLatin1String key, QLatin1String fallback) const;
    void restorePosition();
    void restoreSwitches();
    void updateSwitchCaptions();
    void storeSwitch(const QAction* action, QLatin1String key);
    // The UTC offset from a prompt's answer: stored, unless it holds no number or is beyond a
    // day.
    void takeOffset(const QString& answer);
    void setOffset(int minutes);
    enum class OffsetChange { None, Followed, Differs };
    OffsetChange followSystemOffset(const QDateTime& now);
    static int systemOffsetAt(const QDateTime& localNow);
    ShownValues shownAt(const QDateTime& now) const;
    void saveOption(QLatin1String key, const QString& text);
    void soundTheAlarm();
    void restartClock();
    void armFirstPendingRow();
    void showAlarmSetCaption();
    void showCaption(const QString& caption);
    void checkUtcOffset();
    void loadSchedule();
    void initialUse(bool showMessage);
    void aimTimer1();
    void aimTimer1(const QDateTime& now);
    void showTimeLabels();
    void showTimeBaseLabels();
    // The clock's tooltip and description say whether the system clock is synchronised.
    void showClockHealth();
    void showClockToolTip();
    void fitMessage();
    // True when the armed sked fired.
    bool dueTest(const ShownValues& shown);
    void fire(const ShownValues& shown);
    void showAlarmWindow(const QString& title, const QString& text);

    Context& context_;
    // The last place the window had in its normal state, kept for a close while minimised.
    QPoint normalPos_;
    // A tick that yields to pending events must not be entered by the next one.
    bool inTick_ = false;
    // Until the first tick, the time-base label shows the label restored from the settings.
    bool restoredLabel_ = true;
    QString clockHealth_;
    // The caption to show when the countdown that holds the clock ends.
    QString captionAfterCountdown_{kIdleCaption};
    int healthMinute_ = -1;
};
