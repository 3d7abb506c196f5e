#pragma once

#include "Dialogs.h"

#include <QList>
#include <QQueue>

// Records every box, prompt and file dialog shown and answers from a script. A message box
// without a scripted answer answers its default button (the first one, or No where No is the
// default); a prompt or file dialog without one
// answers Cancel (empty).
class FakeDialogs final : public Dialogs {
public:
    enum class FileDialog { None, Open, Save };
    struct Shown {
        bool isPrompt = false;
        QString text;
        QString title;
        Buttons buttons = Buttons::Ok;
        bool exclamation = false;
        QString defaultText; // a prompt's default text, a file dialog's start or proposed path
        FileDialog fileDialog = FileDialog::None;
        QString filter;
    };

    Answer message(const QString& text, Buttons buttons, bool exclamation,
                   const QString& title) override {
        shown.append({false, text, title, buttons, exclamation, {}, FileDialog::None, {}});
        if (!answers.isEmpty())
            return answers.dequeue();
        if (buttons == Buttons::YesNoKeepNo)
            return Answer::No;
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    QString prompt(const QString& promptText, const QString& title,
                   const QString& defaultText) override {
        shown.append(
            {true, promptText, title, Buttons::OkCancel, false, defaultText, FileDialog::None, {}});
        return promptAnswers.isEmpty() ? QString() : promptAnswers.dequeue();
    }

    QString openFile(const QString& title, const QString& filter,
                     const QString& startPath) override {
        shown.append(
            {false, {}, title, Buttons::OkCancel, false, startPath, FileDialog::Open, filter});
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }
    QString saveFile(const QString& title, const QString& filter,
                     const QString& proposedPath) override {
        shown.append(
            {false, {}, title, Buttons::OkCancel, false, proposedPath, FileDialog::Save, filter});
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }

    QQueue<Answer> answers;
    QQueue<QString> promptAnswers;
    QQueue<QString> fileAnswers;
    QList<Shown> shown;
};
