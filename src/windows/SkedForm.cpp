#include "SkedForm.h"

#include "LeadingNumber.h"
#include "SettingsKeys.h"
#include "SkedFile.h"
#include "SkedName.h"
#include "Controls.h"
#include "Text.h"
#include "Twips.h"
#include "frmAlarm.h"
#include "QuickHelp.h"
#include "Timers.h"
#include "frmSkeds.h"
#include "frmStopWatch.h"
#include "mAbout.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>
#include <QScreen>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kDesignedTop = 300;
constexpr int kDesignedLeft = 1200;

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

SkedForm::SkedForm(Context& context) : context_(context) {
    setObjectName(QStringLiteral("SkedForm"));
    setWindowTitle(QStringLiteral(" Tockmere  by Ovix"));
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

    // What a screen reader says for the controls whose caption is a value or nothing.
    CMD2->setAccessibleName(QStringLiteral("Unused"));
    lblAlarmDate->setAccessibleName(QStringLiteral("Next sked date"));
    Label1->setAccessibleName(QStringLiteral("Next sked time"));
    Command3->setAccessibleName(QStringLiteral("Stop the alarm sound"));
    lblWhatTime->setAccessibleName(QStringLiteral("Time base"));
    lblTime->setAccessibleName(QStringLiteral("Clock"));
    lblNum->setAccessibleName(QStringLiteral("Next sked message"));

    // Only the background, the time-base label and the clock open the menu.
    for (QLabel* label : {Label1, lblAlarmDate, lblNum})
        label->setAttribute(Qt::WA_NoMousePropagation);
    lblWhatTime->installEventFilter(this);
    lblTime->installEventFilter(this);

    CMD2->setFocus();
    connect(Command1, &QPushButton::clicked, this, &SkedForm::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &SkedForm::Command3_Click);

    // Timer1 ticks twice a second, each tick aimed a few milliseconds past a half-second of the
    // wall clock, so the shown second turns with the true one.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &SkedForm::Timer1_Timer);
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

    using namespace SettingsKeys;
    const std::pair<QAction*, QLatin1String> switches[] = {{mnuSilent, kSilent},
                                                           {mnuMinimize, kMinimize},
                                                           {mAlarmPopUp, kAlarmPopUp},
                                                           {mCloseButton, kAlarmCloseButton},
                                                           {mnuContinuous, kContinuous}};
    for (const auto& [action, key] : switches) {
        connect(action, &QAction::triggered, this,
                [this, action = action, key = key] { switchChanged(action, key); });
    }
    connect(mUTCtime, &QAction::triggered, this, &SkedForm::timeBaseChanged);
    connect(mnuHelp, &QAction::triggered, this, &SkedForm::mnuHelp_Click);
    connect(moffset, &QAction::triggered, this, &SkedForm::moffset_Click);
    connect(mChangeLabel, &QAction::triggered, this, &SkedForm::mChangeLabel_Click);
    connect(mnuSoundAlarm, &QAction::triggered, this, &SkedForm::mnuSoundAlarm_Click);
    connect(mdownTimer, &QAction::triggered, this, &SkedForm::mdownTimer_Click);
    connect(mUpTimer, &QAction::triggered, this, &SkedForm::mUpTimer_Click);
    connect(mnuAbout, &QAction::triggered, this, &SkedForm::mnuAbout_Click);
}

void SkedForm::saveOption(QLatin1String key, const QString& text) {
    context_.settings.save(SettingsKeys::kApplication, SettingsKeys::kSection, key, text);
}

// The menu has already flipped the check mark when this runs.
void SkedForm::switchChanged(QAction* action, QLatin1String key) {
    updateSwitchCaptions();
    saveOption(key, action->isChecked() ? SettingsKeys::kTrue : SettingsKeys::kFalse);
}

void SkedForm::timeBaseChanged() {
    context_.basic.TimeLabelsDone = false;
    restoredLabel_ = false;
    const bool utc = mUTCtime->isChecked();
    lblWhatTime->setText(utc ? QStringLiteral("UTC Time") : QStringLiteral("Local Time"));
    context_.forms.skeds().Label1->setText(utc ? QStringLiteral("UTC Date")
                                               : QStringLiteral("Local Date"));
    saveOption(SettingsKeys::kUseUtc, utc ? SettingsKeys::kTrue : SettingsKeys::kFalse);
}

void SkedForm::moffset_Click() {
    const QString answer =
        context_.dialogs.prompt(QStringLiteral("Enter the UTC hour offset"), QString(),
                                QString::number(context_.basic.UtcOffset));
    if (answer.isEmpty())
        return;
    // An offset beyond a day is refused like an empty answer.
    const auto offset = hourOffsetFromText(answer.toStdString());
    if (!offset)
        return;
    context_.basic.UtcOffset = *offset;
    saveOption(SettingsKeys::kUtcOffset, QString::number(*offset));
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
        fromStd(quickHelpText(context_.basic.UtcOffset, mUTCtime->isChecked())),
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

void SkedForm::Form_MouseDown(Qt::MouseButton button, const QPoint& globalPos) {
    if (button == Qt::RightButton)
        mnuPopUp->popup(globalPos);
}

bool SkedForm::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == lblWhatTime || watched == lblTime) &&
        event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        Form_MouseDown(press->button(), press->globalPosition().toPoint());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SkedForm::mousePressEvent(QMouseEvent* event) {
    Form_MouseDown(event->button(), event->globalPosition().toPoint());
}

void SkedForm::mdownTimer_Click() {
    const QString answer = context_.dialogs.prompt(
        QStringLiteral("Enter <SECONDS> to count down from.\r\n\r\nex: <60 = 1min.>\r\n\r\n"
                       "Enter 0 to clear."),
        QStringLiteral("Count Down Timer"), QString());
    if (answer.isEmpty())
        return;
    if (answer == u"0") {
        setWindowTitle(QStringLiteral(" Tockmere  by Ovix"));
        Label1->setText(QString());
        Timer3->stop();
        restartClock();
        return;
    }
    // A count that does not fit 32 bits is refused like an empty answer; a running countdown
    // goes on.
    const auto seconds = roundToInt32(LeadingNumber(answer.toStdString()));
    if (!seconds)
        return;
    BasicModule& basic = context_.basic;
    basic.CountdownSeconds = *seconds;
    setWindowTitle(QStringLiteral(" Count Down Timer"));
    SetLabel(basic.CountdownSeconds, 0);
    Timer1->stop();
    QDateTime start = context_.clock.localNow();
    start.setTime(QTime(start.time().hour(), start.time().minute(), start.time().second()));
    basic.CountdownStart = start;
    Timer3->start();
    QCoreApplication::processEvents();
}

void SkedForm::Timer3_Timer() {
    BasicModule& basic = context_.basic;
    SetLabel(basic.CountdownSeconds, 0);
    const qint64 elapsed = basic.CountdownStart.secsTo(context_.clock.localNow());
    if (elapsed <= basic.CountdownSeconds) {
        SetLabel(basic.CountdownSeconds, elapsed);
        return;
    }
    // Stopped before the message waits, so no later tick reports the same end.
    Timer3->stop();
    if (mnuSilent->isChecked())
        context_.dialogs.message(QStringLiteral("Done countdown..."), Dialogs::Buttons::Ok, true,
                                 QStringLiteral(" Timer"));
    else
        soundTheAlarm();
    setWindowTitle(QStringLiteral(" Tockmere  by Ovix"));
    restartClock();
}

void SkedForm::SetLabel(std::int64_t m, std::int64_t C) {
    lblTime->setText(fromStd(remainingText(m - C)));
}

void SkedForm::restartClock() {
    if (!Timer1->isActive())
        aimTimer1();
}

void SkedForm::soundTheAlarm() {
    if (mnuContinuous->isChecked()) {
        PlaySound(QStringLiteral("alarm.wav"), Sound::Mode::Loop);
        Command3->show();
    } else {
        PlaySound(QStringLiteral("alarm.wav"), Sound::Mode::Once);
    }
}

QString SkedForm::readSetting(QLatin1String key, const QString& fallback) const {
    return context_.settings.read(SettingsKeys::kApplication, SettingsKeys::kSection, key,
                                  fallback);
}

bool SkedForm::readSwitch(QLatin1String key, QLatin1String fallback) const {
    return readSetting(key, fallback) == SettingsKeys::kTrue;
}

void SkedForm::Form_Load() {
    BasicModule& basic = context_.basic;
    basic.AlarmIndex = 0;
    Label1->setText(QString());
    restorePosition();
    restoreSwitches();
    lblWhatTime->setText(readSetting(SettingsKeys::kUtcLabel, QStringLiteral("UTC Time")));
    // A stored offset the program could not have written reads as 0.
    basic.UtcOffset =
        hourOffsetFromText(readSetting(SettingsKeys::kUtcOffset, QStringLiteral("0")).toStdString())
            .value_or(0);
    basic.SkedFile = readSetting(SettingsKeys::kPlannexFile, QStringLiteral("skeds.dat"));
    checkUtcOffset();
    loadSchedule();
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

void SkedForm::updateSwitchCaptions() {
    mAlarmPopUp->setText(mAlarmPopUp->isChecked() ? QStringLiteral("Alarm Msg PopUp")
                                                  : QStringLiteral("No Alarm Msg PopUp"));
    mCloseButton->setText(mCloseButton->isChecked() ? QStringLiteral("Alarm Close Button")
                                                    : QStringLiteral("No Alarm Close Button"));
}

QString SkedForm::SysTimeText() const {
    return context_.clock.utcNow().time().toString(QStringLiteral("HH:mm"));
}

void SkedForm::checkUtcOffset() {
    BasicModule& basic = context_.basic;
    const int localHour = context_.clock.localNow().time().hour();
    const int utcHour = SysTimeText().left(2).toInt();
    int diff = utcHour - localHour;
    if (diff < -12)
        diff += 24;
    else if (diff > 12)
        diff -= 24;
    if (diff == basic.UtcOffset)
        return;
    basic.SysUtcOffset = diff;
    context_.dialogs.message(QStringLiteral("System UTC offset %1 hours does not \r\n"
                                            "match the setting in Tockmere %2 hours.")
                                 .arg(diff)
                                 .arg(basic.UtcOffset),
                             Dialogs::Buttons::Ok, false, QStringLiteral(" Check UTC offset"));
    SysOffset();
}

void SkedForm::SysOffset() {
    BasicModule& basic = context_.basic;
    const QString offered = QString::number(basic.SysUtcOffset);
    const QString answer = context_.dialogs.prompt(
        QStringLiteral("<Enter> or <OK> selects the %1 hr. system UTC offset.\r\n\r\n"
                       "Or enter a new UTC hour offset.")
            .arg(offered),
        QString(), offered);
    if (answer.isEmpty())
        return;
    // An offset beyond a day is refused like an empty answer.
    const auto offset = hourOffsetFromText(answer.toStdString());
    if (!offset)
        return;
    basic.UtcOffset = *offset;
    saveOption(SettingsKeys::kUtcOffset, QString::number(*offset));
}

void SkedForm::loadSchedule() {
    BasicModule& basic = context_.basic;
    if (isBlank(basic.SkedFile.toStdString()))
        basic.SkedFile = basic.programDir + QDir::separator() + QStringLiteral("skeds.dat");
    frmSkeds& skeds = context_.forms.skeds();
    skeds.Label8->setText(basic.SkedFile);
    if (const auto name = skedNameFrom(basic.SkedFile.toStdString()))
        basic.SkedName = fromStd(*name);
    const ReadResult read = skeds.readAtStartUp();
    if (!read.ok()) {
        // A file that is there but could not be read has been reported already; the
        // initial-use message is for a first start without a schedule.
        initialUse(read.readWhole());
        return;
    }
    basic.SkedLoadedAtStart = true;
    restartClock();
    lblTime->setText(context_.clock.localNow().time().toString(QStringLiteral("HH:mm:ss")));
    armFirstActiveRow();
}

void SkedForm::initialUse(bool showMessage) {
    if (showMessage)
        context_.dialogs.message(
            QStringLiteral("Do right-mouse click on TOCKMERE to view options/HELP"),
            Dialogs::Buttons::Ok, true, QStringLiteral(" Initial use"));
    lblNum->setText(QStringLiteral("0"));
}

void SkedForm::ShowArmedRow(int slot) {
    const SkedEntry& row = context_.forms.skeds().table().row(slot);
    Label1->setText(fromStd(formatTimeText(row.time)));
    lblAlarmDate->setText(fromStd(row.date));
    lblNum->setText(fromStd(leftCodePoints(row.message, 30)));
    lblNum->adjustSize();
}

void SkedForm::arm(int slot) {
    context_.basic.AlarmIndex = static_cast<std::int16_t>(slot);
    ShowArmedRow(slot);
}

void SkedForm::armFirstActiveRow() {
    // With every row done the Done state is armed, so a fired sked never fires twice.
    arm(context_.forms.skeds().table().firstActiveRow().value_or(SkedTable::kSpare));
}

void SkedForm::showAlarmSetCaption() {
    setWindowTitle(QStringLiteral("Alarm Set   ") + context_.basic.SkedName);
}

void SkedForm::ArmFromTable() {
    armFirstActiveRow();
    restartClock();
    showAlarmSetCaption();
}

void SkedForm::Command1_Click() {
    frmSkeds& skeds = context_.forms.skeds();
    skeds.Check1->setChecked(false);
    skeds.show();
    showAlarmSetCaption();
    if (mnuMinimize->isChecked())
        showMinimized();
    if (skeds.isMinimized())
        skeds.showNormal();
}

void SkedForm::Command3_Click() {
    Command3->hide();
    PlaySound(QStringLiteral("stop.wav"), Sound::Mode::Once);
}

void SkedForm::PlaySound(const QString& fileName, Sound::Mode mode) {
    // By full path: the program never changes its current directory, so a relative schedule
    // path keeps naming the same file.
    context_.sound.play(context_.basic.programDir + u'/' + fileName, mode);
}

void SkedForm::aimTimer1() {
    aimTimer1(context_.clock.localNow());
}

void SkedForm::aimTimer1(const QDateTime& now) {
    // Aimed at the half-second itself: a timer never fires early, and the event loop's
    // millisecond rounding already puts the tick one or two milliseconds past it.
    const int msec = now.time().msec();
    Timer1->start(500 - msec % 500);
}

void SkedForm::Timer1_Timer() {
    // One reading of the clock serves the whole tick, so time and date always agree. The next
    // tick is aimed afresh from it, so a stepped clock or a resume from suspend is followed
    // within a second.
    const QDateTime now = context_.clock.localNow();
    aimTimer1(now);
    if (inTick_)
        return;
    inTick_ = true;
    showTimeLabels();
    const ShownValues shown =
        shownValues({now.date().year(), now.date().month(), now.date().day()},
                    {now.time().hour(), now.time().minute(), now.time().second()},
                    mUTCtime->isChecked(), context_.basic.UtcOffset);
    const QString shownTime = fromStd(shown.ShownTime);
    bool fired = false;
    if (lblTime->text() != shownTime) {
        QCoreApplication::processEvents();
        if (isMinimized()) {
            SetAlarmCaption();
        } else {
            // The clock label draws a new text at once rather than at the next pass of the
            // event loop: the new second reaches the screen within a millisecond or two of the
            // true one.
            lblTime->setText(shownTime);
            context_.forms.skeds().Label9->setText(shownTime);
        }
        fired = dueTest(shown);
    }
    inTick_ = false;
    // After the tick, so a question about the file leaves the clock running.
    if (fired)
        context_.forms.skeds().saveAfterFiring();
}

void SkedForm::showTimeLabels() {
    BasicModule& basic = context_.basic;
    if (basic.TimeLabelsDone)
        return;
    basic.TimeLabelsDone = true;
    const bool utc = mUTCtime->isChecked();
    // In UTC mode the first tick keeps the label the user named; later ticks write the base.
    if (!(utc && restoredLabel_))
        lblWhatTime->setText(utc ? QStringLiteral("UTC Time") : QStringLiteral("Local Time"));
    restoredLabel_ = false;
    context_.forms.skeds().Label1->setText(utc ? QStringLiteral("UTC Date")
                                               : QStringLiteral("Local Date"));
}

bool SkedForm::dueTest(const ShownValues& shown) {
    BasicModule& basic = context_.basic;
    const SkedEntry& row = context_.forms.skeds().table().row(basic.AlarmIndex);
    if (isBlank(row.date) || isBlank(row.time)) {
        lblNum->setText(QStringLiteral("Done"));
        basic.AlarmIndex = SkedTable::kSpare;
    }
    if (basic.AlarmIndex == SkedTable::kSpare) {
        setWindowTitle(QStringLiteral(" Tockmere  by Ovix"));
        lblNum->setText(QStringLiteral("Done"));
        lblNum->adjustSize();
        lblAlarmDate->setText(QString());
        return false;
    }
    if (!isDue(row, shown))
        return false;
    fire(shown);
    return true;
}

void SkedForm::fire(const ShownValues& shown) {
    BasicModule& basic = context_.basic;
    SkedTable& table = context_.forms.skeds().table();
    const int index = basic.AlarmIndex;
    const QString title = QStringLiteral(" Alarm at ") + fromStd(shown.ShownTime);
    const QString text = QStringLiteral("\r\n") + fromStd(table.row(index).message);
    table.setSkip(index, true);
    showAlarmSetCaption();
    arm(table.firstActiveRow(index + 1).value_or(SkedTable::kSpare));
    if (!mnuSilent->isChecked())
        soundTheAlarm();
    if (mAlarmPopUp->isChecked())
        showAlarmWindow(title, text);
}

void SkedForm::showAlarmWindow(const QString& title, const QString& text) {
    frmAlarm& alarm = context_.forms.alarm();
    alarm.setWindowTitle(title);
    alarm.setAlarmText(text);
    alarm.show();
    alarm.raise();
    QCoreApplication::processEvents();
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

void SkedForm::Form_Unload() {
    storeClosingState();
    context_.forms.endProgram();
}

void SkedForm::storeClosingState() {
    const QPoint place = isMinimized() ? normalPos_ : pos();
    saveOption(SettingsKeys::kPositionTop,
               QString::number(positionToStore(pixelsToTwips(place.y()))));
    saveOption(SettingsKeys::kPositionLeft,
               QString::number(positionToStore(pixelsToTwips(place.x()))));
    saveOption(SettingsKeys::kPlannexFile, context_.basic.SkedFile);
    frmSkeds& skeds = context_.forms.skeds();
    skeds.Label8->setText(context_.basic.SkedFile);
    skeds.storeLayout();
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
