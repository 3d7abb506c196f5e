// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Context.h"

#include <QWidget>

class QLabel;
class QPushButton;
class Resizer;

// The window that carries the message of a fired sked. "Close" only hides it; the close box
// stores its layout and destroys it, so the next alarm creates it afresh.
class frmAlarm : public QWidget {
    Q_OBJECT

public:
    explicit frmAlarm(Context& context);

    void cmdClose_Click();
    // Sets the label; the program's texts break lines with CR LF.
    void setAlarmText(const QString& text);

    QLabel* lblAlarm = nullptr;
    QPushButton* cmdClose = nullptr;
    Resizer* Resizer1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();

    Context& context_;
};
