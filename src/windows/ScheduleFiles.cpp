// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "ScheduleFiles.h"

#include "Printout.h"
#include "Reorder.h"
#include "SkedName.h"
#include "Text.h"
#include "TimeBase.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

QString ScheduleFiles::couldNotSave(const QString& path, const QString& why) {
    //: %1 is the file's path, %2 why it could not be saved. Keep the line breaks.
    return tr("The schedule could not be saved to\r\n%1\r\n\r\n(%2)").arg(path, why);
}

QString ScheduleFiles::replaceTitle() {
    //: A window caption: the leading blank is part of the caption.
    return tr(" Replace the schedule file?");
}

QString ScheduleFiles::notSavedTitle() {
    //: A window caption: the leading blank is part of the caption.
    return tr(" Schedule not saved");
}

ScheduleFiles::ScheduleFiles(Schedule& schedule, Dialogs& dialogs, Printer& printer)
    : schedule_(schedule), dialogs_(dialogs), printer_(printer) {
    connect(&schedule_, &Schedule::replaceAskedAfterFiring, this,
            &ScheduleFiles::askReplaceAfterFiring);
    // Told from the clock's tick, so the box does not hold it.
    connect(&schedule_, &Schedule::saveAfterFiringFailed, this, [this](const QString& error) {
        //: %1 is the file's path, %2 why it could not be saved. Keep the line breaks.
        dialogs_.tell(tr("The schedule could not be saved to\r\n%1\r\n\r\n(%2)\r\n\r\n"
                         "Skeds that have fired may ring again at the next start. Tockmere tells "
                         "you once.")
                          .arg(schedule_.path(), error),
                      notSavedTitle());
    });
}

void ScheduleFiles::warn(const QString& text, const QString& title) {
    dialogs_.message(text, Dialogs::Buttons::Ok, true, title);
}

void ScheduleFiles::reportStartRead(const ReadResult& read) {
    reportUnreadFile(schedule_.path(), read);
}

bool ScheduleFiles::chooseAndLoad() {
    // Another file replaces the whole table: changes not yet in any file go only when the user
    // says so.
    if (schedule_.hasUnsavedChanges() &&
        //: %1 is the schedule file's path. Keep the line breaks.
        dialogs_.message(tr("The table has changes that are not saved in\r\n%1\r\n\r\n"
                            "Load another file and lose them?")
                             .arg(schedule_.path()),
                         Dialogs::Buttons::YesNoKeepNo, true,
                         //: A window caption: the leading blank is part of the caption.
                         tr(" Load Sked file")) != Dialogs::Answer::Yes)
        return false;
    //: A file dialog's caption: the leading blank is part of the caption.
    const QString title = tr(" Load Tockmere datafile...");
    //: A file type in the file dialog; keep the pattern in parentheses as it is.
    const QString filter = tr("Sked files (*.dat)") + QStringLiteral("|*.dat");
    const QString chosen = dialogs_.openFile(title, filter, schedule_.path());
    return !isBlank(chosen.toStdString()) && load(chosen);
}

bool ScheduleFiles::chooseAndSaveAs() {
    //: A file dialog's caption: the leading blank is part of the caption.
    const QString title = tr(" Save Skeds datafile as...");
    //: A file type in the file dialog; keep the pattern in parentheses as it is.
    const QString filter = tr("Tockmere sked files (*.dat)") + QStringLiteral("|*.dat");
    const QString chosen = dialogs_.saveFile(title, filter, schedule_.path());
    const std::string path = chosen.toStdString();
    return !isBlank(path) && !isExtensionOnlyName(path) && saveAs(chosen);
}

bool ScheduleFiles::load(const QString& path) {
    const ReadResult read = schedule_.load(path);
    if (read.status == ReadStatus::CannotOpen) {
        //: %1 is the file's path; %2 completes "The schedule file <path>" with why it could not
        //: be read, such as "could not be read (it is a folder)". Keep the line breaks.
        warn(tr("The schedule file\r\n%1\r\n%2.\r\n\r\n"
                "The table and the current file are as they were.")
                 .arg(path, fromStd(notWholeReason(read))),
             //: A window caption: the leading blank is part of the caption.
             tr(" Schedule not loaded"));
        return false;
    }
    reportUnreadFile(path, read);
    return true;
}

bool ScheduleFiles::saveAs(const QString& path) {
    // Saving over the current file asks what Done would ask.
    const FileStamp target = fileStamp(path.toStdString());
    const bool current = target.exists && target == fileStamp(schedule_.path().toStdString());
    if (current ? !mayReplaceCurrentFile() : !mayOverwrite(path))
        return false;
    const WriteResult written = schedule_.saveAs(path);
    if (!written.ok) {
        warn(couldNotSave(path, fromStd(written.error)), notSavedTitle());
        return false;
    }
    return lookOver();
}

bool ScheduleFiles::save() {
    if (!mayReplaceCurrentFile())
        return false;
    const WriteResult written = schedule_.save();
    if (!written.ok) {
        warn(couldNotSave(schedule_.path(), fromStd(written.error)), notSavedTitle());
        return false;
    }
    return lookOver();
}

bool ScheduleFiles::lookOver() {
    const SkedTable& table = schedule_.table();
    const int year = schedule_.currentYear();
    QStringList silent;
    for (int slot = 0; slot < SkedTable::kRows; ++slot) {
        if (table.isEmpty(slot) || table.row(slot).skip)
            continue;
        const std::string why = whyNeverRings(table.row(slot), year);
        //: One line of the list of skeds that will not ring: the sked's number, and why.
        if (!why.empty())
            silent << tr("Sked %1: %2").arg(QString::number(slot + 1), fromStd(why));
    }
    //: %1 is the list of skeds, one a line. Keep the line breaks.
    if (!silent.isEmpty())
        dialogs_.message(
            tr("These skeds will not ring:\r\n\r\n%1").arg(silent.join(QStringLiteral("\r\n"))),
            Dialogs::Buttons::Ok, true,
            //: A window caption: the leading blank is part of the caption.
            tr(" Skeds that will not ring"));
    const auto order = firstOutOfOrder(table, year);
    if (!order)
        return true;
    const SkedEntry& held = table.row(order->held);
    //: %1 is the number of the sked held back, %2 and %3 its date and time, %4 the number of
    //: the later sked above it in the table.
    if (dialogs_.message(tr("Sked %1 (%2 %3) will ring only after sked %4. Re-order now?")
                             .arg(QString::number(order->held + 1), fromStd(held.date),
                                  fromStd(held.time), QString::number(order->later + 1)),
                         Dialogs::Buttons::YesNo, false,
                         //: A window caption: the leading blank is part of the caption.
                         tr(" Skeds out of order")) != Dialogs::Answer::Yes)
        return true;
    // A Re-order that could not sort leaves the user at the table, with the sked in the way.
    return reorder();
}

bool ScheduleFiles::reorder() {
    const QString file = schedule_.path();
    if (gatherForReorder(schedule_.table(), schedule_.currentYear()).status == GatherStatus::Ok &&
        !mayReplaceCurrentFile())
        return false;
    const ReorderResult result = schedule_.reorder();
    switch (result.status) {
    case ReorderResult::Status::Reordered:
    case ReorderResult::Status::NothingToSort:
        return true;
    case ReorderResult::Status::MissingTime:
        // The date the user typed stays; the empty time is where they go on.
        dialogs_.message(tr("Both Date and Time must be filled in. Re-order failed."),
                         Dialogs::Buttons::Ok, false, QString());
        emit skedWanted(result.slot, true);
        return false;
    case ReorderResult::Status::Malformed: {
        const SkedEntry& entry = schedule_.row(result.slot);
        const std::string why = whyNeverRings(entry, schedule_.currentYear());
        //: %1 is the sked's number, %2 and %3 its date and time as typed, %4 why it can never
        //: ring. Keep the line break.
        dialogs_.message(tr("Sked %1 has the date \"%2\" and the time \"%3\": %4.\r\n"
                            "Re-order failed.")
                             .arg(QString::number(result.slot + 1), fromStd(entry.date),
                                  fromStd(entry.time), fromStd(why)),
                         Dialogs::Buttons::Ok, false, QString());
        emit skedWanted(result.slot, readSkedDate(entry.date, schedule_.currentYear()).has_value());
        return false;
    }
    case ReorderResult::Status::WriteFailed:
        //: %1 is the file's path, %2 why it could not be saved. Keep the line breaks.
        warn(tr("The re-ordered schedule could not be saved to\r\n%1\r\n\r\n(%2)\r\n\r\n"
                "The table and the file are as they were.")
                 .arg(file, fromStd(result.error)),
             //: A window caption: the leading blank is part of the caption.
             tr(" Re-order failed"));
        return false;
    case ReorderResult::Status::ReadBackFailed:
        //: %1 is the file's path, %2 why it could not be read back. Keep the line breaks.
        warn(tr("The re-ordered schedule was saved to\r\n%1\r\nbut could not be read back "
                "(%2).\r\n\r\nThe table is as it was.")
                 .arg(file, fromStd(result.error)),
             //: A window caption: the leading blank is part of the caption.
             tr(" Re-order failed"));
        return false;
    }
    return false;
}

bool ScheduleFiles::mayOverwrite(const QString& path) {
    // A missing or empty file is written without a question.
    return !holdsData(path.toStdString()) ||
           //: %1 is the file's path.
           dialogs_.message(tr("%1 exists - overwrite it ?").arg(path), Dialogs::Buttons::YesNo,
                            false,
                            //: A window caption: the leading blank is part of the caption.
                            tr(" File exists...")) == Dialogs::Answer::Yes;
}

void ScheduleFiles::reportUnreadFile(const QString& path, const ReadResult& read) {
    // A hand-written schedule without its end line loads as it always has; only its first save
    // asks.
    if (read.readWhole() || read.status == ReadStatus::NoEndLine)
        return;
    if (read.status == ReadStatus::CannotOpen) {
        //: %1 is the file's path; %2 completes "The schedule file <path>" with why it could not
        //: be read, such as "could not be read (it is a folder)". Keep the line breaks.
        warn(tr("The schedule file\r\n%1\r\n%2.\r\n\r\n"
                "Tockmere will not replace the file unless you agree when it asks.")
                 .arg(path, fromStd(notWholeReason(read))),
             //: A window caption: the leading blank is part of the caption.
             tr(" Schedule not read"));
        return;
    }
    //: %1 is the file's path; %2 completes "The schedule file <path>" with where the reading
    //: stopped, such as "line 7 is not a sked"; %3 is that line of the file. Keep the line
    //: breaks.
    warn(tr("The schedule file\r\n%1\r\n%2:\r\n%3\r\n\r\n"
            "Tockmere will not replace the file unless you agree when it asks.")
             .arg(path, fromStd(notWholeReason(read)), fromStd(read.text)),
         //: A window caption: the leading blank is part of the caption.
         tr(" Schedule not read whole"));
}

QString ScheduleFiles::replaceQuestion(const QString& concern) const {
    //: %1 is the file's path; %2 completes "The schedule file <path>" with why it may not be
    //: replaced unasked, such as "has no end line". Keep the line breaks.
    return tr("The schedule file\r\n%1\r\n%2.\r\n\r\n"
              "Replace it with the table as it is now?\r\n\r\n"
              "No keeps the file as it is; Save Sked file can keep the table in another file.")
        .arg(schedule_.path(), concern);
}

bool ScheduleFiles::mayReplaceCurrentFile() {
    const QString concern = schedule_.replaceConcern();
    return concern.isEmpty() ||
           dialogs_.message(replaceQuestion(concern), Dialogs::Buttons::YesNoKeepNo, true,
                            replaceTitle()) == Dialogs::Answer::Yes;
}

void ScheduleFiles::askReplaceAfterFiring(const QString& concern) {
    // The clock runs on while the box is open; the skip marks of skeds that fire meanwhile are
    // written with the answer.
    if (askingAfterFiring_)
        return;
    askingAfterFiring_ = true;
    dialogs_.ask(replaceQuestion(concern), Dialogs::Buttons::YesNoKeepNo, true, replaceTitle(),
                 [this](Dialogs::Answer answer) {
                     askingAfterFiring_ = false;
                     schedule_.answerReplaceAfterFiring(answer == Dialogs::Answer::Yes);
                 });
}

void ScheduleFiles::print(bool utc) {
    const QList<Printer::Line> lines =
        toPrinterLines(printoutLines(schedule_.table(), schedule_.path().toStdString(), utc));
    const Printer::Result printed = printer_.print(lines, printJobName());
    if (!printed.ok)
        offerPdf(lines, printed.error);
}

void ScheduleFiles::offerPdf(const QList<Printer::Line>& lines, const QString& why) {
    //: %1 is why the printer could not print it, such as "no default printer is chosen". Keep
    //: the line breaks.
    if (dialogs_.message(tr("The schedule could not be printed (%1).\r\n\r\n"
                            "Do you want to save the printout as a PDF file instead?")
                             .arg(why),
                         Dialogs::Buttons::YesNo, true,
                         //: A window caption: the leading blank is part of the caption.
                         tr(" Printout failed")) != Dialogs::Answer::Yes)
        return;
    const QFileInfo skedFile(schedule_.path());
    const QString proposed =
        skedFile.absoluteDir().filePath(skedFile.completeBaseName() + QStringLiteral(".pdf"));
    //: A file dialog's caption: the leading blank is part of the caption.
    const QString title = tr(" Save the printout as...");
    //: A file type in the file dialog; keep the pattern in parentheses as it is.
    const QString filter = tr("PDF files (*.pdf)") + QStringLiteral("|*.pdf");
    const QString chosen = dialogs_.saveFile(title, filter, proposed);
    if (isBlank(chosen.toStdString()) || !mayOverwrite(chosen))
        return;
    const Printer::Result saved = printer_.saveAsPdf(lines, printJobName(), chosen);
    //: %1 is the PDF file's path, %2 why it could not be saved. Keep the line breaks.
    if (!saved.ok)
        dialogs_.message(
            tr("The printout could not be saved to\r\n%1\r\n\r\n(%2)").arg(chosen, saved.error),
            Dialogs::Buttons::Ok, true,
            //: A window caption: the leading blank is part of the caption.
            tr(" Printout not saved"));
}

QString ScheduleFiles::printJobName() {
    //: The name of the print job and of the PDF document.
    return tr("Tockmere schedule");
}
