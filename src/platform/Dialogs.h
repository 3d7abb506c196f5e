#pragma once

#include <QString>

// Everything the program asks of the user goes through here. Texts join lines with CR LF.
// An empty title stands for the application's title, "Tockmere".
class Dialogs {
public:
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Dialogs() = default;
    // Waits for the user; closing the box without a button answers Cancel (or No).
    virtual Answer message(const QString& text, Buttons buttons, bool exclamation,
                           const QString& title) = 0;
    // Asks for one line of text; Cancel answers an empty text.
    virtual QString prompt(const QString& prompt, const QString& title,
                           const QString& defaultText) = 0;
};
