// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "ScheduleWindow.h"

#include "Controls.h"
#include "DateHelp.h"
#include "FileInLanguage.h"
#include "Resizer.h"
#include "SettingsKeys.h"
#include "TimeBase.h"
#include "Twips.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 7752;
constexpr int kClientHeight = 6960;
constexpr int kFirstRowTop = 915;
constexpr int kRowPitch = 240;
constexpr int kSpareRowTop = 5700;

// Text fields sit 15 twips above their row's top, the skip box on it.
int rowTop(int slot) {
    if (slot == SkedTable::kSpare)
        return kSpareRowTop;
    return kFirstRowTop + kRowPitch * (slot % ScheduleWindow::kPageRows);
}

QString indexed(const char* name, int slot) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(slot);
}

} // namespace

ScheduleWindow::ScheduleWindow(Schedule& schedule, ScheduleFiles& files, Options& options,
                               Dialogs& dialogs, HelpViewer& help, Clock& clock,
                               SettingsStore& settings, QString programDir)
    : schedule_(schedule), files_(files), options_(options), dialogs_(dialogs), help_(help),
      dateHelp_(new DateHelp(schedule.table(), options, clock, this)), settings_(settings),
      programDir_(std::move(programDir)) {
    setObjectName(QStringLiteral("ScheduleWindow"));
    connect(&schedule_, &Schedule::rowChanged, this, [this](int slot) {
        if (controlsBuilt())
            showSlot(slot);
    });
    connect(&schedule_, &Schedule::fileChanged, this, [this](const QString& path) {
        if (controlsBuilt())
            fileLabel_->setText(path);
    });
    connect(&files_, &ScheduleFiles::skedWanted, this, [this](int slot, bool time) {
        pageSwitch_->setChecked(slot >= kPageRows);
        (time ? timeFields_ : dateFields_)[std::size_t(slot)]->setFocus(Qt::OtherFocusReason);
    });
    connect(&options_, &Options::switchChanged, this, [this](Options::Switch which) {
        if (which == Options::Switch::UseUtc && controlsBuilt())
            showDateHeading();
    });
}

void ScheduleWindow::ensureControls() {
    if (controlsBuilt())
        return;
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setAccessibleName(tr("Schedule table"));
    setCentralWidget(client);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    createMenu();
    createControls(client);
    resize(twipsToPixels(kClientWidth),
           twipsToPixels(kClientHeight) + menuBar()->sizeHint().height());
    // The stored layout keeps the section its users have: the window's first name.
    resizer_ =
        new Resizer(this, client, QSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight)),
                    settings_, QStringLiteral("frmSkeds"));
    resizer_->captureDesign();
    //: The table window's first caption: the leading blank is part of the caption.
    setWindowTitle(tr(" Schedules Page1"));
    resizer_->restoreLayout(SettingsKeys::kApplication);
    showDateHeading();
    fileLabel_->setText(schedule_.path());
    clockLabel_->setText(clockText_);
    for (int slot = SkedTable::kWeeklyChanged; slot < SkedTable::kSlots; ++slot)
        showSlot(slot);
}

void ScheduleWindow::showClock(const QString& time) {
    clockText_ = time;
    if (controlsBuilt())
        clockLabel_->setText(time);
}

void ScheduleWindow::showDateHeading() {
    dateHeading_->setText(options_.isOn(Options::Switch::UseUtc)
                              ? tr("UTC Date")
                              //: The heading of the date column when the skeds' dates are local.
                              : tr("Local Date"));
}

void ScheduleWindow::createMenu() {
    QMenuBar* bar = menuBar();
    auto item = [bar](const char* name, const QString& caption) {
        QAction* action = bar->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    item("spacer", QStringLiteral(" "));
    connect(item("saveAction", tr("Save Sked file")), &QAction::triggered, this, [this] {
        commitEdits();
        if (files_.chooseAndSaveAs())
            pageSwitch_->setChecked(false);
    });
    connect(item("loadAction", tr("Load Sked file")), &QAction::triggered, this, [this] {
        commitEdits();
        if (files_.chooseAndLoad())
            pageSwitch_->setChecked(false);
    });
    connect(item("helpAction", tr("Help")), &QAction::triggered, this, &ScheduleWindow::showHelp);
}

void ScheduleWindow::createControls(QWidget* client) {
    clockLabel_ = makeLabel(client, "clockLabel", QString(), twipsRect(315, 60, 1100, 255));
    fileLabel_ = makeLabel(client, "fileLabel", QString(), twipsRect(1500, 60, 6100, 255));
    weeklyCheck_ = placed(new QCheckBox(tr("Weekly Increment"), client),
                          QStringLiteral("weeklyCheck"), twipsRect(315, 360, 2400, 255));
    pageSwitch_ = placed(new QCheckBox(pageSwitchText(false), client), QStringLiteral("pageSwitch"),
                         twipsRect(5400, 360, 2100, 255));
    //: The heading of the column of skip marks.
    makeLabel(client, "skipHeading", tr("Skip"), twipsRect(240, 660, 420, 220));
    //: The heading of the date column when the skeds' dates are UTC.
    dateHeading_ = makeLabel(client, "dateHeading", tr("UTC Date"), twipsRect(675, 660, 1092, 220));
    makeLabel(client, "timeHeading", tr("Sked Time"), twipsRect(1995, 660, 900, 220));
    makeLabel(client, "messageHeading", tr("Sked Message"), twipsRect(2970, 660, 2000, 220));
    // Created row by row, so the keyboard order runs along each row and down the page.
    for (int slot = 0; slot < SkedTable::kSlots; ++slot)
        createRow(client, slot);
    makeLabel(client, "skipNote",
              tr("The skip checkboxes are automatically checked after the alarm sounds."),
              twipsRect(315, 5820, 7300, 240));
    //: A note that the window's close box does not close it, in a narrow label that wraps it;
    //: the run of blanks is part of it.
    QLabel* closeNote = makeLabel(client, "closeNote", tr("Upper Right-X    disabled"),
                                  twipsRect(60, 6060, 1260, 420));
    closeNote->setWordWrap(true);
    auto* doneButton =
        makeButton(client, "doneButton", tr("Done"), twipsRect(1380, 6090, 1250, 372));
    auto* reorderButton =
        makeButton(client, "reorderButton", tr("Re-order"), twipsRect(2790, 6090, 1250, 372));
    //: A tooltip; the blanks at both ends are part of it.
    reorderButton->setToolTip(tr(" Click to re-order dates amd times, verify the results "));
    auto* printButton =
        makeButton(client, "printButton", tr("Printout"), twipsRect(4200, 6090, 1250, 372));
    auto* clearButton =
        makeButton(client, "clearButton", tr("Clear Table"), twipsRect(5610, 6090, 1250, 372));
    makeLabel(
        client, "menuHint",
        tr("Right-mouse click on Tockmere for options, Countdown Timer, Stop Watch and Help."),
        twipsRect(315, 6600, 7300, 255));
    clockLabel_->setAccessibleDescription(tr("Clock"));
    fileLabel_->setAccessibleDescription(tr("Schedule file"));

    connect(doneButton, &QPushButton::clicked, this, &ScheduleWindow::done);
    connect(reorderButton, &QPushButton::clicked, this, [this] {
        commitEdits();
        files_.reorder();
    });
    connect(printButton, &QPushButton::clicked, this, &ScheduleWindow::print);
    connect(clearButton, &QPushButton::clicked, this, &ScheduleWindow::clearTable);
    connect(pageSwitch_, &QCheckBox::toggled, this, &ScheduleWindow::switchPage);
    connect(weeklyCheck_, &QCheckBox::clicked, this, [this](bool checked) {
        // A click only ever switches between off and on, also from a stored 2.
        weeklyCheck_->setTristate(false);
        schedule_.table().setWeekly(checked ? 1 : 0);
    });
}

void ScheduleWindow::createRow(QWidget* client, int slot) {
    const int top = rowTop(slot);
    SkedTable& table = schedule_.table();
    skipBoxes_[slot] = placed(
        new QCheckBox(slot == SkedTable::kSpare ? QStringLiteral("dummy") : QString(), client),
        indexed("skip", slot), twipsRect(315, top, 252, 252));
    dateFields_[slot] =
        placed(new QLineEdit(client), indexed("date", slot), twipsRect(675, top - 15, 1092, 288));
    timeFields_[slot] =
        placed(new QLineEdit(client), indexed("time", slot), twipsRect(1995, top - 15, 732, 288));
    messageFields_[slot] = placed(new QLineEdit(client), indexed("message", slot),
                                  twipsRect(2970, top - 15, 4572, 288));
    const QString sked = QString::number(slot + 1);
    //: What a screen reader calls the skip mark of a row; %1 is the sked's number.
    skipBoxes_[slot]->setAccessibleName(tr("Sked %1 skip").arg(sked));
    //: What a screen reader calls the date field of a row; %1 is the sked's number.
    dateFields_[slot]->setAccessibleName(tr("Sked %1 date").arg(sked));
    //: What a screen reader calls the time field of a row; %1 is the sked's number.
    timeFields_[slot]->setAccessibleName(tr("Sked %1 time").arg(sked));
    //: What a screen reader calls the message field of a row; %1 is the sked's number.
    messageFields_[slot]->setAccessibleName(tr("Sked %1 message").arg(sked));
    dateFields_[slot]->setMaxLength(int(SkedTable::kDateLimit));
    timeFields_[slot]->setMaxLength(int(SkedTable::kTimeLimit));
    messageFields_[slot]->setMaxLength(int(SkedTable::kMessageLimit));
    if (slot >= kPageRows) {
        QPalette grey = dateFields_[slot]->palette();
        grey.setColor(QPalette::Base, QColor(224, 224, 224));
        dateFields_[slot]->setPalette(grey);
    }
    if (slot < SkedTable::kRows)
        dateHelp_->watch(dateFields_[slot], slot);

    connect(skipBoxes_[slot], &QCheckBox::clicked, this,
            [&table, slot](bool on) { table.setSkip(slot, on); });
    for (QLineEdit* field : {dateFields_[slot], timeFields_[slot], messageFields_[slot]})
        connect(field, &QLineEdit::editingFinished, this,
                [this, field, slot] { commitField(field, slot); });
    setRowVisible(slot, slot < kPageRows);
}

void ScheduleWindow::showSlot(int slot) {
    const SkedTable& table = schedule_.table();
    if (slot == SkedTable::kWeeklyChanged) {
        const int weekly = table.weekly();
        weeklyCheck_->setCheckState(weekly == 1   ? Qt::Checked
                                    : weekly == 2 ? Qt::PartiallyChecked
                                                  : Qt::Unchecked);
        return;
    }
    const SkedEntry& row = table.row(slot);
    skipBoxes_[slot]->setChecked(row.skip);
    // A field the user is typing in keeps what they typed until it is committed; only a real
    // difference is written, so a committed field keeps its cursor.
    auto show = [](QLineEdit* field, const std::string& text) {
        const QString shown = QString::fromStdString(text);
        if (!field->isModified() && field->text() != shown)
            field->setText(shown);
    };
    show(dateFields_[slot], row.date);
    show(timeFields_[slot], row.time);
    show(messageFields_[slot], row.message);
}

void ScheduleWindow::commitField(QLineEdit* field, int slot) {
    if (!field->isModified())
        return;
    field->setModified(false);
    const std::string text = field->text().toStdString();
    SkedTable& table = schedule_.table();
    if (field == dateFields_[slot])
        table.setDate(slot, text);
    else if (field == timeFields_[slot])
        table.setTime(slot, text);
    else
        table.setMessage(slot, text);
    // The table may have cut or changed what was typed; the field shows what it holds.
    showSlot(slot);
}

void ScheduleWindow::commitEdits() {
    if (!controlsBuilt())
        return;
    for (int slot = 0; slot < SkedTable::kRows; ++slot)
        for (QLineEdit* field : {dateFields_[slot], timeFields_[slot], messageFields_[slot]})
            commitField(field, slot);
}

void ScheduleWindow::setRowVisible(int slot, bool visible) {
    skipBoxes_[slot]->setVisible(visible);
    dateFields_[slot]->setVisible(visible);
    timeFields_[slot]->setVisible(visible);
    messageFields_[slot]->setVisible(visible);
}

void ScheduleWindow::switchPage() {
    const bool page2 = pageSwitch_->isChecked();
    pageSwitch_->setText(pageSwitchText(page2));
    //: The table window's caption on page 2: the leading blank is part of the caption.
    setWindowTitle(page2 ? tr(" Schedules page 2")
                         //: The table window's caption on page 1: the leading blank is part of
                         //: the caption.
                         : tr(" Schedules page 1"));
    // The page being shown appears before the other one goes.
    const int shown = page2 ? kPageRows : 0;
    const int hidden = page2 ? 0 : kPageRows;
    for (int i = 0; i < kPageRows; ++i)
        setRowVisible(shown + i, true);
    for (int i = 0; i < kPageRows; ++i)
        setRowVisible(hidden + i, false);
}

QString ScheduleWindow::pageSwitchText(bool page2) {
    //: The page switch on page 2; the two trailing blanks are part of the caption.
    return page2 ? tr("Skeds 21 to 40  ")
                 //: The page switch on page 1; the two trailing blanks are part of the caption.
                 : tr("Skeds 1 to 20  ");
}

void ScheduleWindow::present() {
    ensureControls();
    pageSwitch_->setChecked(false);
    show();
    if (isMinimized())
        showNormal();
    // A table window already open behind other windows comes to the front.
    raise();
    activateWindow();
}

void ScheduleWindow::done() {
    // Unsaved, nothing is armed and the window stays, to save elsewhere or try again.
    commitEdits();
    if (!files_.save())
        return;
    hide();
    emit armRequested();
}

void ScheduleWindow::clearTable() {
    //: The leading blank is part of the question.
    if (dialogs_.message(tr(" Are you sure you want to erase the schedule?"),
                         Dialogs::Buttons::OkCancel, false,
                         //: A window caption: the leading blank is part of the caption.
                         tr(" Erase all the sked information?")) != Dialogs::Answer::Ok)
        return;
    commitEdits();
    schedule_.clear();
    //: The box breaks its lines where this text does: keep the line breaks, with lines of
    //: about the same length.
    dialogs_.message(tr("When the first date field is clicked, the field is\r\n"
                        "pre-filled with the current date, which shows the\r\n"
                        "format as well. Edit the date and enter the alarm\r\n"
                        "time and alarm comment. When you click the date\r\n"
                        "for the next sked, the previous date is propagated."),
                     Dialogs::Buttons::Ok, false,
                     //: A window caption: the leading blank is part of the caption.
                     tr(" Auto date fill"));
}

void ScheduleWindow::closeEvent(QCloseEvent* event) {
    commitEdits();
    emit armRequested();
    // The table lives outside this window, so a close never loses it: after a successful
    // start-up the window stays, otherwise it only hides and keeps what the user typed.
    event->ignore();
    if (!schedule_.loadedAtStart())
        hide();
}

void ScheduleWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() &&
        !(static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized)) {
        commitEdits();
        emit armRequested();
    }
}

void ScheduleWindow::storeLayout() {
    // A window that never appeared has no place of its own yet: the stored one stands.
    if (everShown_)
        resizer_->storeLayout(SettingsKeys::kApplication);
}

void ScheduleWindow::showEvent(QShowEvent* event) {
    everShown_ = true;
    QMainWindow::showEvent(event);
}

void ScheduleWindow::print() {
    //: The leading blank is part of the question.
    if (dialogs_.message(tr(" Do you want to print the schedule?"), Dialogs::Buttons::OkCancel,
                         false,
                         //: A window caption: the leading blank is part of the caption.
                         tr(" Line print the schedule?")) != Dialogs::Answer::Ok)
        return;
    commitEdits();
    files_.print(options_.isOn(Options::Switch::UseUtc));
}

void ScheduleWindow::showHelp() {
    // The help in the user's language where it was installed, else the program's own.
    const QString path = fileInLanguage(programDir_, QStringLiteral("Tockmere.HLP"));
    //: %1 is the help file's path. Keep the line breaks.
    if (!help_.showContents(path))
        dialogs_.message(tr("The help file\r\n%1\r\ncould not be opened.").arg(path),
                         Dialogs::Buttons::Ok, true,
                         //: A window caption: the leading blank is part of the caption.
                         tr(" Help not found"));
}
