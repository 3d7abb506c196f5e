// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Dialogs.h"

#include <QList>
#include <QQueue>

#include <functional>
#include <utility>

// Records every box, prompt and file dialog shown and answers from a script. A message box
// without a scripted answer answers its default button (the first, or No where No is the
// default); a prompt or file dialog without one answers Cancel (empty).
class FakeDialogs final : public Dialogs {
public:
    struct Shown {
        QString title;
        QString text;
        QString defaultText; // a prompt's default text, a file dialog's start or proposed path
        bool fileDialog = false;
    };

    Answer message(const QString& text, Buttons buttons, bool, const QString& title) override {
        shown.append({title, text, {}, false});
        return answerFor(buttons);
    }
    QString prompt(const QString& text, const QString& title, const QString& start) override {
        shown.append({title, text, start, false});
        return nextText();
    }
    // A question asked without waiting is answered at once, as a user quick on the key would,
    // unless the test holds such boxes open (holdAsked): then it is never answered.
    void ask(const QString& text, Buttons buttons, bool, const QString& title,
             std::function<void(Answer)> answered) override {
        shown.append({title, text, {}, false});
        hold([this, buttons, answered] { answered(answerFor(buttons)); });
    }
    void askText(const QString& text, const QString& title, const QString& start,
                 std::function<void(QString)> answered) override {
        shown.append({title, text, start, false});
        hold([this, answered] { answered(nextText()); });
    }
    QString openFile(const QString& title, const QString&, const QString& start) override {
        return file(title, start);
    }
    QString saveFile(const QString& title, const QString&, const QString& proposed) override {
        return file(title, proposed);
    }

    // The next answer, as a test's step words it: "yes", "no" or "cancel".
    void answerWith(const QString& word) {
        answers << (word == u"yes" ? Answer::Yes : word == u"no" ? Answer::No : Answer::Cancel);
    }

    bool holdAsked = false;
    QQueue<Answer> answers;
    QQueue<QString> promptAnswers;
    QQueue<QString> fileAnswers;
    QList<Shown> shown;

private:
    Answer answerFor(Buttons buttons) {
        if (!answers.isEmpty())
            return answers.dequeue();
        if (buttons == Buttons::YesNoKeepNo)
            return Answer::No;
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    QString nextText() { return promptAnswers.isEmpty() ? QString() : promptAnswers.dequeue(); }
    void hold(const std::function<void()>& answer) {
        if (!holdAsked)
            answer();
    }

    QString file(const QString& title, const QString& path) {
        shown.append({title, {}, path, true});
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }
};
