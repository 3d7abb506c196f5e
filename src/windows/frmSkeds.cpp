// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "frmSkeds.h"

#include "Controls.h"
#include "DateEntry.h"
#include "Resizer.h"
#include "SettingsKeys.h"
#include "SkedForm.h"
#include "TimeBase.h"
#include "Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>

// The window itself: its controls built when first needed, the pages, the date helps, Clear
// Table, and the close box and minimising that hand the table to the alarm engine. The file
// commands live in frmSkedsFile.cpp, the printout and help in frmSkedsPrint.cpp.

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
    return kFirstRowTop + kRowPitch * (slot % frmSkeds::kPageRows);
}

QString indexed(const char* name, int slot) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(slot);
}

} // namespace

frmSkeds::frmSkeds(Context& context) : context_(context) {
    setObjectName(QStringLiteral("frmSkeds"));
    table_.setListener([this](int slot) {
        if (Resizer1)
            showSlot(slot);
    });
}

void frmSkeds::ensureControls() {
    if (Resizer1)
        return;
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setAccessibleName(QStringLiteral("Schedule table"));
    setCentralWidget(client);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    createMenu();
    createControls(client);
    resize(twipsToPixels(kClientWidth),
           twipsToPixels(kClientHeight) + menuBar()->sizeHint().height());
    Resizer1 =
        new Resizer(this, client, QSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight)),
                    context_.settings);
    Resizer1->captureDesign();
    Form_Load();
    Label1->setText(dateHeading_);
    Label8->setText(fileText_);
    Label9->setText(clockText_);
    for (int slot = SkedTable::kWeeklyChanged; slot < SkedTable::kSlots; ++slot)
        showSlot(slot);
}

void frmSkeds::setDateHeading(const QString& text) {
    dateHeading_ = text;
    if (Label1)
        Label1->setText(text);
}

void frmSkeds::setClockText(const QString& text) {
    clockText_ = text;
    if (Label9)
        Label9->setText(text);
}

void frmSkeds::setFileText(const QString& text) {
    fileText_ = text;
    if (Label8)
        Label8->setText(text);
}

void frmSkeds::createMenu() {
    QMenuBar* bar = menuBar();
    auto item = [bar](const char* name, const QString& caption) {
        QAction* action = bar->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    mDum = item("mDum", QStringLiteral(" "));
    mSaveSked = item("mSaveSked", QStringLiteral("Save Sked file"));
    mLoadSkeds = item("mLoadSkeds", QStringLiteral("Load Sked file"));
    mWinHelp = item("mWinHelp", QStringLiteral("Help"));
    connect(mSaveSked, &QAction::triggered, this, &frmSkeds::mSaveSked_Click);
    connect(mLoadSkeds, &QAction::triggered, this, &frmSkeds::mLoadSkeds_Click);
    connect(mWinHelp, &QAction::triggered, this, &frmSkeds::mWinHelp_Click);
}

void frmSkeds::createControls(QWidget* client) {
    Label9 = makeLabel(client, "Label9", QString(), twipsRect(315, 60, 1100, 255));
    Label8 = makeLabel(client, "Label8", QString(), twipsRect(1500, 60, 6100, 255));
    WeeklyCheck = placed(new QCheckBox(QStringLiteral("Weekly Increment"), client),
                         QStringLiteral("WeeklyCheck"), twipsRect(315, 360, 2400, 255));
    Check1 = placed(new QCheckBox(QStringLiteral("Skeds 1 to 20  "), client),
                    QStringLiteral("Check1"), twipsRect(5400, 360, 2100, 255));
    Label4 = makeLabel(client, "Label4", QStringLiteral("Skip"), twipsRect(240, 660, 420, 220));
    Label1 =
        makeLabel(client, "Label1", QStringLiteral("UTC Date"), twipsRect(675, 660, 1092, 220));
    Label2 =
        makeLabel(client, "Label2", QStringLiteral("Sked Time"), twipsRect(1995, 660, 900, 220));
    Label3 = makeLabel(client, "Label3", QStringLiteral("Sked Message"),
                       twipsRect(2970, 660, 2000, 220));
    // Created row by row, so the keyboard order runs along each row and down the page.
    for (int slot = 0; slot < SkedTable::kSlots; ++slot)
        createRow(client, slot);
    Label5 = makeLabel(client, "Label5", QString(), twipsRect(315, 5820, 7300, 240));
    Label7 = makeLabel(client, "Label7", QStringLiteral("Upper Right-X    disabled"),
                       twipsRect(60, 6060, 1260, 420));
    Label7->setWordWrap(true);
    cmdDone =
        makeButton(client, "cmdDone", QStringLiteral("Done"), twipsRect(1380, 6090, 1250, 372));
    reOrder =
        makeButton(client, "reOrder", QStringLiteral("Re-order"), twipsRect(2790, 6090, 1250, 372));
    reOrder->setToolTip(QStringLiteral(" Click to re-order dates amd times, verify the results "));
    Command2 = makeButton(client, "Command2", QStringLiteral("Printout"),
                          twipsRect(4200, 6090, 1250, 372));
    Command1 = makeButton(client, "Command1", QStringLiteral("Clear Table"),
                          twipsRect(5610, 6090, 1250, 372));
    Label6 = makeLabel(client, "Label6", QString(), twipsRect(315, 6600, 7300, 255));
    Label9->setAccessibleDescription(QStringLiteral("Clock"));
    Label8->setAccessibleDescription(QStringLiteral("Schedule file"));

    connect(cmdDone, &QPushButton::clicked, this, &frmSkeds::cmdDone_Click);
    connect(reOrder, &QPushButton::clicked, this, &frmSkeds::reOrder_Click);
    connect(Command2, &QPushButton::clicked, this, &frmSkeds::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &frmSkeds::Command1_Click);
    connect(Check1, &QCheckBox::toggled, this, &frmSkeds::Check1_Click);
    connect(WeeklyCheck, &QCheckBox::clicked, this, [this](bool checked) {
        // A click only ever switches between off and on, also from a stored 2.
        WeeklyCheck->setTristate(false);
        table_.setWeekly(checked ? 1 : 0);
    });
}

void frmSkeds::createRow(QWidget* client, int slot) {
    const int top = rowTop(slot);
    Skip[slot] = placed(
        new QCheckBox(slot == SkedTable::kSpare ? QStringLiteral("dummy") : QString(), client),
        indexed("Skip", slot), twipsRect(315, top, 252, 252));
    SkedDate[slot] = placed(new QLineEdit(client), indexed("SkedDate", slot),
                            twipsRect(675, top - 15, 1092, 288));
    SkedTime[slot] = placed(new QLineEdit(client), indexed("SkedTime", slot),
                            twipsRect(1995, top - 15, 732, 288));
    SkedWith[slot] = placed(new QLineEdit(client), indexed("SkedWith", slot),
                            twipsRect(2970, top - 15, 4572, 288));
    const QString sked = QStringLiteral("Sked %1 ").arg(slot + 1);
    Skip[slot]->setAccessibleName(sked + QStringLiteral("skip"));
    SkedDate[slot]->setAccessibleName(sked + QStringLiteral("date"));
    SkedTime[slot]->setAccessibleName(sked + QStringLiteral("time"));
    SkedWith[slot]->setAccessibleName(sked + QStringLiteral("message"));
    SkedDate[slot]->setMaxLength(int(SkedTable::kDateLimit));
    SkedTime[slot]->setMaxLength(int(SkedTable::kTimeLimit));
    SkedWith[slot]->setMaxLength(int(SkedTable::kMessageLimit));
    if (slot >= kPageRows) {
        QPalette grey = SkedDate[slot]->palette();
        grey.setColor(QPalette::Base, QColor(224, 224, 224));
        SkedDate[slot]->setPalette(grey);
    }
    SkedDate[slot]->installEventFilter(this);

    connect(Skip[slot], &QCheckBox::clicked, this,
            [this, slot](bool on) { table_.setSkip(slot, on); });
    connect(SkedDate[slot], &QLineEdit::textEdited, this,
            [this, slot](const QString& text) { table_.setDate(slot, text.toStdString()); });
    connect(SkedTime[slot], &QLineEdit::textEdited, this,
            [this, slot](const QString& text) { table_.setTime(slot, text.toStdString()); });
    connect(SkedWith[slot], &QLineEdit::textEdited, this,
            [this, slot](const QString& text) { table_.setMessage(slot, text.toStdString()); });
    setRowVisible(slot, false);
}

void frmSkeds::Form_Load() {
    setWindowTitle(QStringLiteral(" Schedules Page1"));
    Label5->setText(
        QStringLiteral("The skip checkboxes are automatically checked after the alarm sounds."));
    Label6->setText(QStringLiteral(
        "Right-mouse click on Tockmere for options, Countdown Timer, Stop Watch and Help."));
    for (int slot = 0; slot < kPageRows; ++slot)
        setRowVisible(slot, true);
    Resizer1->restoreLayout(SettingsKeys::kApplication);
}

void frmSkeds::showSlot(int slot) {
    if (slot == SkedTable::kWeeklyChanged) {
        const int weekly = table_.weekly();
        WeeklyCheck->setCheckState(weekly == 1   ? Qt::Checked
                                   : weekly == 2 ? Qt::PartiallyChecked
                                                 : Qt::Unchecked);
        return;
    }
    const SkedEntry& row = table_.row(slot);
    Skip[slot]->setChecked(row.skip);
    // Only a real difference is written back, so typing keeps its cursor.
    auto show = [](QLineEdit* field, const std::string& text) {
        const QString shown = fromStd(text);
        if (field->text() != shown)
            field->setText(shown);
    };
    show(SkedDate[slot], row.date);
    show(SkedTime[slot], row.time);
    show(SkedWith[slot], row.message);
}

void frmSkeds::setRowVisible(int slot, bool visible) {
    Skip[slot]->setVisible(visible);
    SkedDate[slot]->setVisible(visible);
    SkedTime[slot]->setVisible(visible);
    SkedWith[slot]->setVisible(visible);
}

void frmSkeds::Check1_Click() {
    const bool page2 = Check1->isChecked();
    Check1->setText(page2 ? QStringLiteral("Skeds 21 to 40  ") : QStringLiteral("Skeds 1 to 20  "));
    setWindowTitle(page2 ? QStringLiteral(" Schedules page 2")
                         : QStringLiteral(" Schedules page 1"));
    // The page being shown appears before the other one goes.
    const int shown = page2 ? kPageRows : 0;
    const int hidden = page2 ? 0 : kPageRows;
    for (int i = 0; i < kPageRows; ++i)
        setRowVisible(shown + i, true);
    for (int i = 0; i < kPageRows; ++i)
        setRowVisible(hidden + i, false);
}

void frmSkeds::Command1_Click() {
    if (context_.dialogs.message(QStringLiteral(" Are you sure you want to erase the schedule?"),
                                 Dialogs::Buttons::OkCancel, false,
                                 QStringLiteral(" Erase all the sked information?")) !=
        Dialogs::Answer::Ok)
        return;
    table_.blank(0, SkedTable::kSpare);
    context_.basic.AlarmIndex = 0;
    context_.dialogs.message(QStringLiteral("When the first date field is clicked, the field is\r\n"
                                            "pre-filled with the current date, which shows the\r\n"
                                            "format as well. Edit the date and enter the alarm\r\n"
                                            "time and alarm comment. When you click the date\r\n"
                                            "for the next sked, the previous date is propagated."),
                             Dialogs::Buttons::Ok, false, QStringLiteral(" Auto date fill"));
}

void frmSkeds::warn(const QString& text, const QString& title) {
    context_.dialogs.message(text, Dialogs::Buttons::Ok, true, title);
}

std::string frmSkeds::today() const {
    const QDate date = context_.clock.localNow().date();
    return skedDateText({date.year(), date.month(), date.day()});
}

void frmSkeds::SkedDate_GotFocus(int slot) {
    dateFocusRule(table_, slot, today());
}

void frmSkeds::SkedDate_Click(int slot) {
    dateClickRule(table_, slot, today());
}

bool frmSkeds::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonRelease) {
        for (int slot = 0; slot < SkedTable::kRows; ++slot) {
            if (watched != SkedDate[slot])
                continue;
            if (event->type() == QEvent::FocusIn) {
                // Focus that comes back with the window, or after a box closes, is not the
                // user moving into the field: a date they emptied must stay empty.
                const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
                if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                    reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
                    SkedDate_GotFocus(slot);
            } else if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                SkedDate_Click(slot);
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmSkeds::closeEvent(QCloseEvent* event) {
    context_.forms.main().ArmFromTable();
    // The table lives in this window, so a close never destroys it: after a successful start-up
    // the window stays, otherwise it only hides and keeps what the user typed.
    event->ignore();
    if (!context_.basic.SkedLoadedAtStart)
        hide();
}

void frmSkeds::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() &&
        !(static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized))
        context_.forms.main().ArmFromTable();
}

void frmSkeds::storeLayout() {
    // A window that never appeared has no place of its own yet: the stored one stands.
    if (everShown_)
        Resizer1->storeLayout(SettingsKeys::kApplication);
}

void frmSkeds::showEvent(QShowEvent* event) {
    everShown_ = true;
    QMainWindow::showEvent(event);
}
