#pragma once

#include "Dialogs.h"

class QWidget;

class QtDialogs final : public Dialogs {
public:
    Answer message(const QString& text, Buttons buttons, bool exclamation,
                   const QString& title) override;
    QString prompt(const QString& prompt, const QString& title,
                   const QString& defaultText) override;
};
