#pragma once

#include "Dialogs.h"

#include <QList>
#include <QQueue>

// Records every box and prompt shown and answers from a script. A message box without a
// scripted answer answers its first button; a prompt without one answers Cancel (empty).
class FakeDialogs final : public Dialogs {
public:
    struct Shown {
        bool isPrompt = false;
        QString text;
        QString title;
        Buttons buttons = Buttons::Ok;
        bool exclamation = false;
        QString defaultText;
    };

    Answer message(const QString& text, Buttons buttons, bool exclamation,
                   const QString& title) override {
        shown.append({false, text, title, buttons, exclamation, {}});
        if (!answers.isEmpty())
            return answers.dequeue();
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    QString prompt(const QString& promptText, const QString& title,
                   const QString& defaultText) override {
        shown.append({true, promptText, title, Buttons::OkCancel, false, defaultText});
        return promptAnswers.isEmpty() ? QString() : promptAnswers.dequeue();
    }

    QQueue<Answer> answers;
    QQueue<QString> promptAnswers;
    QList<Shown> shown;
};
