// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "AtomicFile.h"
#include "Context.h"
#include "SkedFile.h"
#include "SkedTable.h"

#include <QMainWindow>

#include <array>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Resizer;

// The schedule table window. It owns the sked table, which lives exactly as long as the window,
// and shows it in two pages of 20 rows over one place. Its controls only show the table: every
// edit goes to the table, and every change of the table shows at once in the controls.
class frmSkeds : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kPageRows = 20;

    // The window and its table; the controls come with ensureControls, so a start-up does not
    // wait for 160 controls that it does not show.
    explicit frmSkeds(Context& context);

    // Builds the controls and shows the table in them, once; every command that shows the
    // window or reads a control comes after it.
    void ensureControls();
    // The texts the main window gives the date heading (Label1), the clock (Label9) and the
    // file label (Label8), kept for controls not built yet.
    void setDateHeading(const QString& text);
    void setClockText(const QString& text);
    void setFileText(const QString& text);

    SkedTable& table() { return table_; }
    const SkedTable& table() const { return table_; }

    void cmdDone_Click();
    void Command1_Click();
    // Puts the filled rows into date and time order and saves them to the schedule file.
    void reOrder_Click();
    void mLoadSkeds_Click();
    void mSaveSked_Click();
    // "Printout": the schedule as a plain list on the default printer, or as a PDF file.
    void Command2_Click();
    // "Help": the help document beside the program, in a window that does not block this one.
    void mWinHelp_Click();
    // Shows the page that `Check1` names; runs whenever its value changes.
    void Check1_Click();
    void SkedDate_GotFocus(int slot);
    void SkedDate_Click(int slot);
    // The program's shutdown keeps this window's place and size for the next run.
    void storeLayout();

    // Reads the current schedule file into the table at start-up; a file that is there but
    // could not be read to its end is reported and kept from being replaced unasked.
    ReadResult readAtStartUp();
    // Writes the table to the current file after a sked fired, so its skip mark outlives a
    // restart. Asks first where Done would ask; a failure is reported once, not at every sked.
    void saveAfterFiring();

    QLabel* Label9 = nullptr;
    QLabel* Label8 = nullptr;
    QCheckBox* WeeklyCheck = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    std::array<QCheckBox*, SkedTable::kSlots> Skip{};
    std::array<QLineEdit*, SkedTable::kSlots> SkedDate{};
    std::array<QLineEdit*, SkedTable::kSlots> SkedTime{};
    std::array<QLineEdit*, SkedTable::kSlots> SkedWith{};
    QLabel* Label5 = nullptr;
    QLabel* Label7 = nullptr;
    QPushButton* cmdDone = nullptr;
    QPushButton* reOrder = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Label6 = nullptr;
    QAction* mDum = nullptr;
    QAction* mSaveSked = nullptr;
    QAction* mLoadSkeds = nullptr;
    QAction* mWinHelp = nullptr;
    Resizer* Resizer1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void createControls(QWidget* client);
    void createRow(QWidget* client, int slot);
    void createMenu();
    void showSlot(int slot);
    void setRowVisible(int slot, bool visible);
    std::string today() const;
    // Asks before replacing a file that holds data.
    bool mayOverwrite(const QString& path);
    // A box with OK only and the exclamation mark, for what went wrong with a file.
    void warn(const QString& text, const QString& title);
    void offerPdf(const QList<Printer::Line>& lines, const QString& why);
    // Whether the current file may be replaced now. A file that was not read whole, or that
    // another program changed since this one last read or wrote it, is replaced only when the
    // user says so; after a firing declined once, firings stop asking.
    bool mayReplaceCurrentFile(bool firing);
    WriteResult writeCurrentFile();
    // The version of the current file that the table now stands for, and why it was not read
    // whole (empty when it was).
    void noteFileVersion(const std::string& notWholeReason);
    void reportUnreadFile(const QString& path, const ReadResult& read);

    Context& context_;
    SkedTable table_;
    FileStamp knownVersion_;
    QString notWholeReason_;
    bool firingMayAsk_ = true;
    bool firingFailureReported_ = false;
    bool savingAfterFiring_ = false;
    bool everShown_ = false;
    QString dateHeading_ = QStringLiteral("UTC Date");
    QString fileText_;
    QString clockText_;
};
