// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "QtDialogs.h"

#include <memory>

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
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
    case Dialogs::Buttons::YesNoKeepNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Dialogs::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// Qt's own dialog rather than the desktop's, so it looks the same everywhere and a test can
// answer it.
QString askFile(QFileDialog::AcceptMode mode, const QString& title, const QString& filter,
                const QString& path) {
    QFileDialog dialog(QApplication::activeWindow(), shownTitle(title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(QtDialogs::nameFilters(filter));
    if (!path.isEmpty()) {
        const QFileInfo file(path);
        dialog.setDirectory(file.absolutePath());
        dialog.selectFile(file.fileName());
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

namespace {

// A box for `message` and `ask`, parented to the active window so it stays in front of it.
QMessageBox* makeBox(const QString& text, Dialogs::Buttons buttons, bool exclamation,
                     const QString& title) {
    auto* box =
        new QMessageBox(exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, shownTitle(title),
                        shownText(text), standardButtons(buttons), QApplication::activeWindow());
    box->setTextFormat(Qt::PlainText);
    if (buttons == Dialogs::Buttons::YesNoKeepNo)
        box->setDefaultButton(QMessageBox::No);
    return box;
}

Dialogs::Answer answerOf(int button, Dialogs::Buttons buttons) {
    switch (button) {
    case QMessageBox::Ok:
        return Dialogs::Answer::Ok;
    case QMessageBox::Yes:
        return Dialogs::Answer::Yes;
    case QMessageBox::No:
        return Dialogs::Answer::No;
    default:
        return buttons == Dialogs::Buttons::OkCancel ? Dialogs::Answer::Cancel
                                                     : Dialogs::Answer::No;
    }
}

QInputDialog* makePrompt(const QString& prompt, const QString& title, const QString& defaultText) {
    auto* dialog = new QInputDialog(QApplication::activeWindow());
    dialog->setWindowTitle(shownTitle(title));
    dialog->setLabelText(shownText(prompt));
    dialog->setTextValue(defaultText);
    return dialog;
}

} // namespace

Dialogs::Answer QtDialogs::message(const QString& text, Buttons buttons, bool exclamation,
                                   const QString& title) {
    const std::unique_ptr<QMessageBox> box(makeBox(text, buttons, exclamation, title));
    return answerOf(box->exec(), buttons);
}

QString QtDialogs::prompt(const QString& prompt, const QString& title, const QString& defaultText) {
    const std::unique_ptr<QInputDialog> dialog(makePrompt(prompt, title, defaultText));
    if (dialog->exec() != QDialog::Accepted)
        return {};
    return dialog->textValue();
}

void QtDialogs::ask(const QString& text, Buttons buttons, bool exclamation, const QString& title,
                    std::function<void(Answer)> answered) {
    QMessageBox* box = makeBox(text, buttons, exclamation, title);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QDialog::finished, box,
                     [buttons, answered = std::move(answered)](int button) {
                         answered(answerOf(button, buttons));
                     });
    box->open();
}

void QtDialogs::askText(const QString& prompt, const QString& title, const QString& defaultText,
                        std::function<void(QString)> answered) {
    QInputDialog* dialog = makePrompt(prompt, title, defaultText);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [dialog, answered = std::move(answered)](int result) {
                         answered(result == QDialog::Accepted ? dialog->textValue() : QString());
                     });
    dialog->open();
}

QString QtDialogs::openFile(const QString& title, const QString& filter, const QString& startPath) {
    return askFile(QFileDialog::AcceptOpen, title, filter, startPath);
}

QString QtDialogs::saveFile(const QString& title, const QString& filter,
                            const QString& proposedPath) {
    return askFile(QFileDialog::AcceptSave, title, filter, proposedPath);
}

QStringList QtDialogs::nameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(u';', u' ');
        // Qt reads the patterns from the parentheses at the end of a filter.
        const QString suffix = QStringLiteral("(") + patterns + QStringLiteral(")");
        filters << (description.endsWith(suffix) ? description : description + u' ' + suffix);
    }
    return filters;
}
