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

QString couldNotSave(const QString& path, const QString& why) {
    return QStringLiteral("The schedule could not be saved to\r\n%1\r\n\r\n(%2)").arg(path, why);
}

const QString kKeptUnasked =
    QStringLiteral("Tockmere will not replace the file unless you agree when it asks.");
const QString kReplaceTitle = QStringLiteral(" Replace the schedule file?");
const QString kNotSavedTitle = QStringLiteral(" Schedule not saved");

} // namespace

ScheduleFiles::ScheduleFiles(Schedule& schedule, Dialogs& dialogs, Printer& printer)
    : schedule_(schedule), dialogs_(dialogs), printer_(printer) {
    connect(&schedule_, &Schedule::replaceAskedAfterFiring, this,
            &ScheduleFiles::askReplaceAfterFiring);
    // Told from the clock's tick, so the box does not hold it.
    connect(&schedule_, &Schedule::saveAfterFiringFailed, this, [this](const QString& error) {
        dialogs_.tell(couldNotSave(schedule_.path(), error) +
                          QStringLiteral("\r\n\r\nSkeds that have fired may ring again at the next "
                                         "start. Tockmere tells you once."),
                      kNotSavedTitle);
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
        dialogs_.message(QStringLiteral("The table has changes that are not saved in\r\n%1\r\n\r\n"
                                        "Load another file and lose them?")
                             .arg(schedule_.path()),
                         Dialogs::Buttons::YesNoKeepNo, true,
                         QStringLiteral(" Load Sked file")) != Dialogs::Answer::Yes)
        return false;
    const QString chosen =
        dialogs_.openFile(QStringLiteral(" Load Tockmere datafile..."),
                          QStringLiteral("Sked files (*.dat)|*.dat"), schedule_.path());
    return !isBlank(chosen.toStdString()) && load(chosen);
}

bool ScheduleFiles::chooseAndSaveAs() {
    const QString chosen =
        dialogs_.saveFile(QStringLiteral(" Save Skeds datafile as..."),
                          QStringLiteral("Tockmere sked files (*.dat)|*.dat"), schedule_.path());
    const std::string path = chosen.toStdString();
    return !isBlank(path) && !isExtensionOnlyName(path) && saveAs(chosen);
}

bool ScheduleFiles::load(const QString& path) {
    const ReadResult read = schedule_.load(path);
    if (read.status == ReadStatus::CannotOpen) {
        warn(QStringLiteral("The schedule file\r\n%1\r\n%2.\r\n\r\n"
                            "The table and the current file are as they were.")
                 .arg(path, fromStd(notWholeReason(read))),
             QStringLiteral(" Schedule not loaded"));
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
        warn(couldNotSave(path, fromStd(written.error)), kNotSavedTitle);
        return false;
    }
    return lookOver();
}

bool ScheduleFiles::save() {
    if (!mayReplaceCurrentFile())
        return false;
    const WriteResult written = schedule_.save();
    if (!written.ok) {
        warn(couldNotSave(schedule_.path(), fromStd(written.error)), kNotSavedTitle);
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
        if (!why.empty())
            silent << QStringLiteral("Sked %1: %2").arg(slot + 1).arg(fromStd(why));
    }
    if (!silent.isEmpty())
        dialogs_.message(QStringLiteral("These skeds will not ring:\r\n\r\n") +
                             silent.join(QStringLiteral("\r\n")),
                         Dialogs::Buttons::Ok, true, QStringLiteral(" Skeds that will not ring"));
    const auto order = firstOutOfOrder(table, year);
    if (!order)
        return true;
    const SkedEntry& held = table.row(order->held);
    if (dialogs_.message(QStringLiteral("Sked %1 (%2 %3) will ring only after sked %4. "
                                        "Re-order now?")
                             .arg(order->held + 1)
                             .arg(fromStd(held.date), fromStd(held.time))
                             .arg(order->later + 1),
                         Dialogs::Buttons::YesNo, false,
                         QStringLiteral(" Skeds out of order")) != Dialogs::Answer::Yes)
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
        dialogs_.message(QStringLiteral("Both Date and Time must be filled in. Re-order failed."),
                         Dialogs::Buttons::Ok, false, QString());
        emit skedWanted(result.slot, true);
        return false;
    case ReorderResult::Status::Malformed: {
        const SkedEntry& entry = schedule_.row(result.slot);
        const std::string why = whyNeverRings(entry, schedule_.currentYear());
        dialogs_.message(QStringLiteral("Sked %1 has the date \"%2\" and the time \"%3\": %4.\r\n"
                                        "Re-order failed.")
                             .arg(result.slot + 1)
                             .arg(fromStd(entry.date), fromStd(entry.time), fromStd(why)),
                         Dialogs::Buttons::Ok, false, QString());
        emit skedWanted(result.slot, readSkedDate(entry.date, schedule_.currentYear()).has_value());
        return false;
    }
    case ReorderResult::Status::WriteFailed:
        warn(
            QStringLiteral("The re-ordered schedule could not be saved to\r\n%1\r\n\r\n(%2)\r\n\r\n"
                           "The table and the file are as they were.")
                .arg(file, fromStd(result.error)),
            QStringLiteral(" Re-order failed"));
        return false;
    case ReorderResult::Status::ReadBackFailed:
        warn(QStringLiteral("The re-ordered schedule was saved to\r\n%1\r\nbut could not be read "
                            "back (%2).\r\n\r\nThe table is as it was.")
                 .arg(file, fromStd(result.error)),
             QStringLiteral(" Re-order failed"));
        return false;
    }
    return false;
}

bool ScheduleFiles::mayOverwrite(const QString& path) {
    // A missing or empty file is written without a question.
    return !holdsData(path.toStdString()) ||
           dialogs_.message(path + QStringLiteral(" exists - overwrite it ?"),
                            Dialogs::Buttons::YesNo, false,
                            QStringLiteral(" File exists...")) == Dialogs::Answer::Yes;
}

void ScheduleFiles::reportUnreadFile(const QString& path, const ReadResult& read) {
    // A hand-written schedule without its end line loads as it always has; only its first save
    // asks.
    if (read.readWhole() || read.status == ReadStatus::NoEndLine)
        return;
    if (read.status == ReadStatus::CannotOpen) {
        warn(QStringLiteral("The schedule file\r\n%1\r\n%2.\r\n\r\n%3")
                 .arg(path, fromStd(notWholeReason(read)), kKeptUnasked),
             QStringLiteral(" Schedule not read"));
        return;
    }
    warn(QStringLiteral("The schedule file\r\n%1\r\n%2:\r\n%3\r\n\r\n%4")
             .arg(path, fromStd(notWholeReason(read)), fromStd(read.text), kKeptUnasked),
         QStringLiteral(" Schedule not read whole"));
}

QString ScheduleFiles::replaceQuestion(const QString& concern) const {
    return QStringLiteral("The schedule file\r\n%1\r\n%2\r\n\r\n"
                          "Replace it with the table as it is now?\r\n\r\n"
                          "No keeps the file as it is; Save Sked file can keep the table in "
                          "another file.")
        .arg(schedule_.path(), concern);
}

bool ScheduleFiles::mayReplaceCurrentFile() {
    const QString concern = schedule_.replaceConcern();
    return concern.isEmpty() ||
           dialogs_.message(replaceQuestion(concern), Dialogs::Buttons::YesNoKeepNo, true,
                            kReplaceTitle) == Dialogs::Answer::Yes;
}

void ScheduleFiles::askReplaceAfterFiring(const QString& concern) {
    // The clock runs on while the box is open; the skip marks of skeds that fire meanwhile are
    // written with the answer.
    if (askingAfterFiring_)
        return;
    askingAfterFiring_ = true;
    dialogs_.ask(replaceQuestion(concern), Dialogs::Buttons::YesNoKeepNo, true, kReplaceTitle,
                 [this](Dialogs::Answer answer) {
                     askingAfterFiring_ = false;
                     schedule_.answerReplaceAfterFiring(answer == Dialogs::Answer::Yes);
                 });
}

void ScheduleFiles::print(bool utc) {
    const QList<Printer::Line> lines =
        toPrinterLines(printoutLines(schedule_.table(), schedule_.path().toStdString(), utc));
    const Printer::Result printed = printer_.print(lines, QStringLiteral("Tockmere schedule"));
    if (!printed.ok)
        offerPdf(lines, printed.error);
}

void ScheduleFiles::offerPdf(const QList<Printer::Line>& lines, const QString& why) {
    if (dialogs_.message(QStringLiteral("The schedule could not be printed (%1).\r\n\r\n"
                                        "Do you want to save the printout as a PDF file instead?")
                             .arg(why),
                         Dialogs::Buttons::YesNo, true,
                         QStringLiteral(" Printout failed")) != Dialogs::Answer::Yes)
        return;
    const QFileInfo skedFile(schedule_.path());
    const QString proposed =
        skedFile.absoluteDir().filePath(skedFile.completeBaseName() + QStringLiteral(".pdf"));
    const QString chosen = dialogs_.saveFile(QStringLiteral(" Save the printout as..."),
                                             QStringLiteral("PDF files (*.pdf)|*.pdf"), proposed);
    if (isBlank(chosen.toStdString()) || !mayOverwrite(chosen))
        return;
    const Printer::Result saved =
        printer_.saveAsPdf(lines, QStringLiteral("Tockmere schedule"), chosen);
    if (!saved.ok)
        dialogs_.message(QStringLiteral("The printout could not be saved to\r\n%1\r\n\r\n(%2)")
                             .arg(chosen, saved.error),
                         Dialogs::Buttons::Ok, true, QStringLiteral(" Printout not saved"));
}
