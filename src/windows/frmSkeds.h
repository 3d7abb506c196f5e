#pragma once

#include "Context.h"
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

    explicit frmSkeds(Context& context);

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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void createControls(QWidget* client);
    void createRow(QWidget* client, int slot);
    void createMenu();
    void showSlot(int slot);
    void setRowVisible(int slot, bool visible);
    std::string today() const;
    // A box with OK only and the exclamation mark, for what went wrong with a file.
    // Asks before replacing a file that holds data.
    bool mayOverwrite(const QString& path);
    void warn(const QString& text, const QString& title);
    void offerPdf(const QList<Printer::Line>& lines, const QString& why);

    Context& context_;
    SkedTable table_;
};
