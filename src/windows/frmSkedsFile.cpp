// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "frmSkeds.h"

#include "Controls.h"
#include "Reorder.h"
#include "SkedForm.h"
#include "SkedName.h"
#include "Text.h"

#include <QCheckBox>

// The schedule file: Done, Load, Save and Re-order, the read at start-up and the save after a
// sked fired, and the rule that keeps a file not read whole, or changed by another program, from
// being replaced unasked.

namespace {

QString couldNotSave(const QString& path, const std::string& why) {
    return QStringLiteral("The schedule could not be saved to\r\n%1\r\n\r\n(%2)")
        .arg(path, fromStd(why));
}

const QString kKeptUnasked =
    QStringLiteral("Tockmere will not replace the file unless you agree when it asks.");
const QString kReplaceTitle = QStringLiteral(" Replace the schedule file?");
const QString kReplaceQuestion =
    QStringLiteral("Replace it with the table as it is now?\r\n\r\n"
                   "No keeps the file as it is; Save Sked file can keep the table in another "
                   "file.");

} // namespace

void frmSkeds::cmdDone_Click() {
    BasicModule& basic = context_.basic;
    if (!mayReplaceCurrentFile(false))
        return;
    const WriteResult written = writeCurrentFile();
    if (!written.ok) {
        // Nothing is armed and the window stays, so the user can save elsewhere or try again.
        warn(couldNotSave(basic.SkedFile, written.error), QStringLiteral(" Schedule not saved"));
        return;
    }
    basic.AlarmIndex = 0;
    hide();
    context_.forms.main().ArmFromTable();
}

void frmSkeds::reOrder_Click() {
    const QString file = context_.basic.SkedFile;
    if (gatherForReorder(table_).status == GatherStatus::Ok && !mayReplaceCurrentFile(false))
        return;
    const ReorderResult result = reorderSkeds(table_, file.toStdString());
    switch (result.status) {
    case ReorderResult::Status::Reordered:
        noteFileVersion({});
        return;
    case ReorderResult::Status::NothingToSort:
        return;
    case ReorderResult::Status::MissingTime:
        context_.dialogs.message(
            QStringLiteral("Both Date and Time must be filled in. Re-order failed."),
            Dialogs::Buttons::Ok, false, QString());
        table_.setDate(result.slot, "");
        return;
    case ReorderResult::Status::Malformed: {
        const SkedEntry& row = table_.row(result.slot);
        context_.dialogs.message(
            QStringLiteral("Sked %1 has the date \"%2\" and the time \"%3\".\r\n"
                           "Dates must be real dates as mm/dd/yy and times four digits hhmm.\r\n"
                           "Re-order failed.")
                .arg(result.slot + 1)
                .arg(fromStd(row.date), fromStd(row.time)),
            Dialogs::Buttons::Ok, false, QString());
        return;
    }
    case ReorderResult::Status::WriteFailed:
        warn(
            QStringLiteral("The re-ordered schedule could not be saved to\r\n%1\r\n\r\n(%2)\r\n\r\n"
                           "The table and the file are as they were.")
                .arg(file, fromStd(result.error)),
            QStringLiteral(" Re-order failed"));
        return;
    case ReorderResult::Status::ReadBackFailed:
        noteFileVersion({});
        warn(QStringLiteral("The re-ordered schedule was saved to\r\n%1\r\nbut could not be read "
                            "back (%2).\r\n\r\nThe table is as it was.")
                 .arg(file, fromStd(result.error)),
             QStringLiteral(" Re-order failed"));
        return;
    }
}

void frmSkeds::mLoadSkeds_Click() {
    BasicModule& basic = context_.basic;
    const QString chosen =
        context_.dialogs.openFile(QStringLiteral(" Load Tockmere datafile..."),
                                  QStringLiteral("Sked files (*.dat)|*.dat"), basic.SkedFile);
    if (chosen.isEmpty()) {
        setFileText(basic.SkedFile);
        return;
    }
    if (isBlank(chosen.toStdString()))
        return;
    const ReadResult read = loadSkedFile(chosen.toStdString(), table_);
    if (read.status == ReadStatus::CannotOpen) {
        // Pointing the program at a file it cannot read would let the next Done replace it.
        warn(QStringLiteral("The schedule file\r\n%1\r\ncould not be read (%2).\r\n\r\n"
                            "The table and the current file are as they were.")
                 .arg(chosen, fromStd(read.error)),
             QStringLiteral(" Schedule not loaded"));
        return;
    }
    basic.SkedName.clear();
    basic.SkedFile = chosen;
    if (const auto name = skedNameFrom(chosen.toStdString()))
        basic.SkedName = fromStd(*name);
    noteFileVersion(notWholeReason(read));
    // A skipped first row must not fire again: the engine watches the first pending row.
    basic.AlarmIndex =
        static_cast<std::int16_t>(table_.firstPendingRow().value_or(SkedTable::kSpare));
    Check1->setChecked(false);
    setFileText(basic.SkedFile);
    reportUnreadFile(chosen, read);
}

void frmSkeds::mSaveSked_Click() {
    BasicModule& basic = context_.basic;
    const QString chosen = context_.dialogs.saveFile(
        QStringLiteral(" Save Skeds datafile as..."),
        QStringLiteral("Tockmere sked files (*.dat)|*.dat"), basic.SkedFile);
    const std::string path = chosen.toStdString();
    if (isBlank(path) || isExtensionOnlyName(path))
        return;
    // The current file changes only once the table is in the new one, so a declined or failed
    // save never sends the next Done to that file. Saving over the current file asks what Done
    // would ask.
    if (fileStamp(path) == fileStamp(basic.SkedFile.toStdString()) && fileStamp(path).exists
            ? !mayReplaceCurrentFile(false)
            : !mayOverwrite(chosen))
        return;
    const WriteResult written = writeSkedFile(path, table_);
    if (!written.ok) {
        warn(couldNotSave(chosen, written.error), QStringLiteral(" Schedule not saved"));
        return;
    }
    basic.SkedFile = chosen;
    noteFileVersion({});
    setFileText(basic.SkedFile);
    Check1->setChecked(false);
}

bool frmSkeds::mayOverwrite(const QString& path) {
    // A missing or empty file is written without a question.
    return !holdsData(path.toStdString()) ||
           context_.dialogs.message(path + QStringLiteral(" exists - overwrite it ?"),
                                    Dialogs::Buttons::YesNo, false,
                                    QStringLiteral(" File exists...")) == Dialogs::Answer::Yes;
}

ReadResult frmSkeds::readAtStartUp() {
    const QString path = context_.basic.SkedFile;
    const ReadResult read = readSkedFile(path.toStdString(), table_);
    noteFileVersion(notWholeReason(read));
    reportUnreadFile(path, read);
    return read;
}

void frmSkeds::reportUnreadFile(const QString& path, const ReadResult& read) {
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

void frmSkeds::noteFileVersion(const std::string& notWholeReason) {
    knownVersion_ = fileStamp(context_.basic.SkedFile.toStdString());
    notWholeReason_ = fromStd(notWholeReason);
    firingMayAsk_ = true;
}

bool frmSkeds::mayReplaceCurrentFile(bool firing) {
    const QString path = context_.basic.SkedFile;
    const bool changed = fileStamp(path.toStdString()) != knownVersion_;
    if (notWholeReason_.isEmpty() && !changed)
        return true;
    if (firing && !firingMayAsk_)
        return false;
    const QString why =
        changed ? QStringLiteral("was changed by another program since Tockmere last read or "
                                 "wrote it.")
                : notWholeReason_ + QStringLiteral(".");
    const bool yes =
        context_.dialogs.message(QStringLiteral("The schedule file\r\n%1\r\n%2\r\n\r\n%3")
                                     .arg(path, why, kReplaceQuestion),
                                 Dialogs::Buttons::YesNoKeepNo, true,
                                 kReplaceTitle) == Dialogs::Answer::Yes;
    if (!yes && firing)
        firingMayAsk_ = false;
    return yes;
}

WriteResult frmSkeds::writeCurrentFile() {
    const WriteResult written = writeSkedFile(context_.basic.SkedFile.toStdString(), table_);
    if (written.ok)
        noteFileVersion({});
    return written;
}

void frmSkeds::saveAfterFiring() {
    // A question left open lets the clock run, and a sked that fires meanwhile comes here again;
    // the save under way writes its skip mark too.
    if (savingAfterFiring_)
        return;
    savingAfterFiring_ = true;
    if (mayReplaceCurrentFile(true)) {
        const WriteResult written = writeCurrentFile();
        if (written.ok) {
            firingFailureReported_ = false;
        } else if (!firingFailureReported_) {
            firingFailureReported_ = true;
            warn(couldNotSave(context_.basic.SkedFile, written.error) +
                     QStringLiteral("\r\n\r\nSkeds that have fired may ring again at the next "
                                    "start. Tockmere tells you once."),
                 QStringLiteral(" Schedule not saved"));
        }
    }
    savingAfterFiring_ = false;
}
