// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "Schedule.h"

#include "Reorder.h"
#include "SkedName.h"
#include "Text.h"
#include "TimeBase.h"

namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

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
const QString kNotSavedTitle = QStringLiteral(" Schedule not saved");

} // namespace

Schedule::Schedule(const Clock& clock, Dialogs& dialogs) : clock_(clock), dialogs_(dialogs) {
    table_.setListener([this](int slot) { emit rowChanged(slot); });
}

int Schedule::currentYear() const {
    return clock_.localNow().date().year();
}

void Schedule::setArmedRow(int slot) {
    armedRow_ = slot;
    emit armedRowChanged(slot);
}

void Schedule::setPath(const QString& path) {
    path_ = path;
    emit fileChanged(path_);
}

void Schedule::warn(const QString& text, const QString& title) {
    dialogs_.message(text, Dialogs::Buttons::Ok, true, title);
}

ReadResult Schedule::openAtStart(const QString& path) {
    setPath(path);
    shortName_ = fromStd(skedNameFrom(path.toStdString()).value_or(std::string()));
    const ReadResult read = readSkedFile(path.toStdString(), table_);
    noteFileVersion(notWholeReason(read));
    reportUnreadFile(path, read);
    loadedAtStart_ = read.status != ReadStatus::Missing && read.status != ReadStatus::CannotOpen;
    return read;
}

bool Schedule::load(const QString& path) {
    const ReadResult read = loadSkedFile(path.toStdString(), table_);
    if (read.status == ReadStatus::CannotOpen) {
        // Pointing the program at a file it cannot read would let the next Done replace it.
        warn(QStringLiteral("The schedule file\r\n%1\r\n%2.\r\n\r\n"
                            "The table and the current file are as they were.")
                 .arg(path, fromStd(notWholeReason(read))),
             QStringLiteral(" Schedule not loaded"));
        return false;
    }
    shortName_ = fromStd(skedNameFrom(path.toStdString()).value_or(std::string()));
    setPath(path);
    noteFileVersion(notWholeReason(read));
    // A skipped first row must not fire again: the engine watches the first pending row.
    setArmedRow(table_.firstPendingRow(currentYear()).value_or(SkedTable::kSpare));
    reportUnreadFile(path, read);
    return true;
}

bool Schedule::saveAs(const QString& path) {
    // The current file changes only once the table is in the new one, so a declined or failed
    // save never sends the next Done to that file. Saving over the current file asks what Done
    // would ask.
    const FileStamp target = fileStamp(path.toStdString());
    const bool current = target.exists && target == fileStamp(path_.toStdString());
    if (current ? !mayReplaceCurrentFile(false) : !mayOverwrite(path))
        return false;
    const WriteResult written = writeSkedFile(path.toStdString(), table_);
    if (!written.ok) {
        warn(couldNotSave(path, written.error), kNotSavedTitle);
        return false;
    }
    setPath(path);
    noteFileVersion({});
    lookOver();
    return true;
}

bool Schedule::save() {
    if (!mayReplaceCurrentFile(false))
        return false;
    const WriteResult written = writeCurrentFile();
    if (!written.ok) {
        warn(couldNotSave(path_, written.error), kNotSavedTitle);
        return false;
    }
    lookOver();
    return true;
}

void Schedule::lookOver() {
    const int year = currentYear();
    QStringList silent;
    for (int slot = 0; slot < SkedTable::kRows; ++slot) {
        if (table_.isEmpty(slot) || table_.row(slot).skip)
            continue;
        const std::string why = whyNeverRings(table_.row(slot), year);
        if (!why.empty())
            silent << QStringLiteral("Sked %1: %2").arg(slot + 1).arg(fromStd(why));
    }
    if (!silent.isEmpty())
        dialogs_.message(QStringLiteral("These skeds will not ring:\r\n\r\n") +
                             silent.join(QStringLiteral("\r\n")),
                         Dialogs::Buttons::Ok, true, QStringLiteral(" Skeds that will not ring"));
    const auto order = firstOutOfOrder(table_, year);
    if (!order)
        return;
    const SkedEntry& held = table_.row(order->held);
    if (dialogs_.message(QStringLiteral("Sked %1 (%2 %3) will ring only after sked %4. "
                                        "Re-order now?")
                             .arg(order->held + 1)
                             .arg(fromStd(held.date), fromStd(held.time))
                             .arg(order->later + 1),
                         Dialogs::Buttons::YesNo, false,
                         QStringLiteral(" Skeds out of order")) == Dialogs::Answer::Yes)
        reorder();
}

void Schedule::saveAfterFiring() {
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
            warn(couldNotSave(path_, written.error) +
                     QStringLiteral("\r\n\r\nSkeds that have fired may ring again at the next "
                                    "start. Tockmere tells you once."),
                 kNotSavedTitle);
        }
    }
    savingAfterFiring_ = false;
}

void Schedule::reorder() {
    const QString file = path_;
    const int year = currentYear();
    if (gatherForReorder(table_, year).status == GatherStatus::Ok && !mayReplaceCurrentFile(false))
        return;
    const ReorderResult result = reorderSkeds(table_, file.toStdString(), year);
    switch (result.status) {
    case ReorderResult::Status::Reordered:
        noteFileVersion({});
        return;
    case ReorderResult::Status::NothingToSort:
        return;
    case ReorderResult::Status::MissingTime:
        dialogs_.message(QStringLiteral("Both Date and Time must be filled in. Re-order failed."),
                         Dialogs::Buttons::Ok, false, QString());
        table_.setDate(result.slot, "");
        return;
    case ReorderResult::Status::Malformed: {
        const SkedEntry& entry = table_.row(result.slot);
        dialogs_.message(
            QStringLiteral("Sked %1 has the date \"%2\" and the time \"%3\".\r\n"
                           "Dates must be real dates as mm/dd/yy and times four digits hhmm.\r\n"
                           "Re-order failed.")
                .arg(result.slot + 1)
                .arg(fromStd(entry.date), fromStd(entry.time)),
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

void Schedule::clear() {
    table_.blank(0, SkedTable::kSpare);
    setArmedRow(0);
}

bool Schedule::mayOverwrite(const QString& path) {
    // A missing or empty file is written without a question.
    return !holdsData(path.toStdString()) ||
           dialogs_.message(path + QStringLiteral(" exists - overwrite it ?"),
                            Dialogs::Buttons::YesNo, false,
                            QStringLiteral(" File exists...")) == Dialogs::Answer::Yes;
}

void Schedule::reportUnreadFile(const QString& path, const ReadResult& read) {
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

void Schedule::noteFileVersion(const std::string& notWholeReason) {
    knownVersion_ = fileStamp(path_.toStdString());
    notWholeReason_ = fromStd(notWholeReason);
    firingMayAsk_ = true;
}

bool Schedule::mayReplaceCurrentFile(bool firing) {
    const bool changed = fileStamp(path_.toStdString()) != knownVersion_;
    if (notWholeReason_.isEmpty() && !changed)
        return true;
    if (firing && !firingMayAsk_)
        return false;
    const QString why =
        changed ? QStringLiteral("was changed by another program since Tockmere last read or "
                                 "wrote it.")
                : notWholeReason_ + QStringLiteral(".");
    const bool yes = dialogs_.message(QStringLiteral("The schedule file\r\n%1\r\n%2\r\n\r\n%3")
                                          .arg(path_, why, kReplaceQuestion),
                                      Dialogs::Buttons::YesNoKeepNo, true,
                                      kReplaceTitle) == Dialogs::Answer::Yes;
    if (!yes && firing)
        firingMayAsk_ = false;
    return yes;
}

WriteResult Schedule::writeCurrentFile() {
    const WriteResult written = writeSkedFile(path_.toStdString(), table_);
    if (written.ok)
        noteFileVersion({});
    return written;
}
