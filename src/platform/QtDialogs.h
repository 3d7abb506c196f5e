// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Dialogs.h"

#include <QStringList>

class QWidget;

class QtDialogs final : public Dialogs {
public:
    Answer message(const QString& text, Buttons buttons, bool exclamation,
                   const QString& title) override;
    QString prompt(const QString& prompt, const QString& title,
                   const QString& defaultText) override;
    QString openFile(const QString& title, const QString& filter,
                     const QString& startPath) override;
    QString saveFile(const QString& title, const QString& filter,
                     const QString& proposedPath) override;
    void ask(const QString& text, Buttons buttons, bool exclamation, const QString& title,
             std::function<void(Answer)> answered) override;
    void askText(const QString& prompt, const QString& title, const QString& defaultText,
                 std::function<void(QString)> answered) override;

    // "Sked files (*.dat)|*.dat" as Qt's name filters: "Sked files (*.dat)".
    static QStringList nameFilters(const QString& filter);
};
