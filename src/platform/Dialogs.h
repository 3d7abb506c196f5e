// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QString>

#include <functional>

// Everything the program asks of the user goes through here. Texts join lines with CR LF.
// An empty title stands for the application's title, "Tockmere". File filters are written as
// pairs of description and pattern joined by "|": "Sked files (*.dat)|*.dat".
class Dialogs {
public:
    // KeepNo: Yes and No, with No the default, for questions whose safe answer is No.
    enum class Buttons { Ok, OkCancel, YesNo, YesNoKeepNo };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Dialogs() = default;
    // Waits for the user; closing the box without a button answers Cancel (or No).
    virtual Answer message(const QString& text, Buttons buttons, bool exclamation,
                           const QString& title) = 0;
    // Asks for one line of text; Cancel answers an empty text.
    virtual QString prompt(const QString& prompt, const QString& title,
                           const QString& defaultText) = 0;
    // Asks for a file to read, starting at `startPath`; a name that does not exist may be given.
    // Cancel answers an empty text.
    virtual QString openFile(const QString& title, const QString& filter,
                             const QString& startPath) = 0;
    // Asks for a file to write, proposing `proposedPath`. It does not ask before overwriting:
    // the program asks that itself. Cancel answers an empty text.
    virtual QString saveFile(const QString& title, const QString& filter,
                             const QString& proposedPath) = 0;

    // The same box and prompt without waiting: the call returns at once and `answered` runs
    // with the answer once the user gives it. For questions that come from the clock, which
    // must go on ticking while the box is open.
    virtual void ask(const QString& text, Buttons buttons, bool exclamation, const QString& title,
                     std::function<void(Answer)> answered) = 0;
    virtual void askText(const QString& prompt, const QString& title, const QString& defaultText,
                         std::function<void(QString)> answered) = 0;
    // A report with an exclamation and OK that nothing waits for.
    void tell(const QString& text, const QString& title) {
        ask(text, Buttons::Ok, true, title, [](Answer) {});
    }
};
