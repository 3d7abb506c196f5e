#include "QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QString shownTitle(const QString& title) {
    return title.isEmpty() ? QStringLiteral("Tockmere") : title;
}

// The program's texts break lines with CR LF; a label wants a plain line feed.
QString shownText(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out;
}

QMessageBox::StandardButtons standardButtons(Dialogs::Buttons buttons) {
    switch (buttons) {
    case Dialogs::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Dialogs::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Dialogs::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

Dialogs::Answer QtDialogs::message(const QString& text, Buttons buttons, bool exclamation,
                                   const QString& title) {
    QMessageBox box(exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, shownTitle(title),
                    shownText(text), standardButtons(buttons), QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

QString QtDialogs::prompt(const QString& prompt, const QString& title, const QString& defaultText) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(shownTitle(title));
    dialog.setLabelText(shownText(prompt));
    dialog.setTextValue(defaultText);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}
