// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "Schedule.h"

#include "SkedName.h"

namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

Schedule::Schedule(const Clock& clock) : clock_(clock) {
    table_.setListener([this](int slot) {
        unsaved_ = true;
        emit rowChanged(slot);
    });
}

int Schedule::currentYear() const {
    return clock_.localNow().date().year();
}

void Schedule::setPath(const QString& path) {
    path_ = path;
    emit fileChanged(path_);
}

void Schedule::nameAfter(const QString& path) {
    shortName_ = fromStd(skedNameFrom(path.toStdString()).value_or(std::string()));
}

ReadResult Schedule::openAtStart(const QString& path) {
    nameAfter(path);
    setPath(path);
    const ReadResult read = readSkedFile(path.toStdString(), table_);
    noteFileVersion(notWholeReason(read));
    loadedAtStart_ = read.status != ReadStatus::Missing && read.status != ReadStatus::CannotOpen;
    return read;
}

ReadResult Schedule::load(const QString& path) {
    const ReadResult read = loadSkedFile(path.toStdString(), table_);
    // Pointing the program at a file it cannot read would let the next Done replace it.
    if (read.status == ReadStatus::CannotOpen)
        return read;
    nameAfter(path);
    setPath(path);
    noteFileVersion(notWholeReason(read));
    emit loaded();
    return read;
}

QString Schedule::replaceConcern() const {
    //: Completes "The schedule file <path>": why it may not be replaced unasked.
    if (fileStamp(path_.toStdString()) != knownVersion_)
        return tr("was changed by another program since Tockmere last read or wrote it");
    return notWholeReason_;
}

WriteResult Schedule::saveAs(const QString& path) {
    // The current file changes only once the table is in the new one, so a failed save never
    // sends the next Done to that file.
    const WriteResult written = writeSkedFile(path.toStdString(), table_);
    if (written.ok) {
        setPath(path);
        noteFileVersion({});
    }
    return written;
}

WriteResult Schedule::save() {
    return writeCurrentFile();
}

void Schedule::saveAfterFiring() {
    const QString concern = replaceConcern();
    if (!concern.isEmpty()) {
        if (firingMayAsk_)
            emit replaceAskedAfterFiring(concern);
        return;
    }
    const WriteResult written = writeCurrentFile();
    if (written.ok) {
        firingFailureReported_ = false;
    } else if (!firingFailureReported_) {
        firingFailureReported_ = true;
        emit saveAfterFiringFailed(fromStd(written.error));
    }
}

void Schedule::answerReplaceAfterFiring(bool replace) {
    if (!replace) {
        // Declined once, firings stop asking until the file is read or written again.
        firingMayAsk_ = false;
        return;
    }
    const WriteResult written = writeCurrentFile();
    if (!written.ok)
        emit saveAfterFiringFailed(fromStd(written.error));
}

QString Schedule::saveAtEnd(const QString& keptPath) {
    if (!unsaved_)
        return {};
    if (replaceConcern().isEmpty() && writeCurrentFile().ok)
        return path_;
    return writeSkedFile(keptPath.toStdString(), table_).ok ? keptPath : QString();
}

ReorderResult Schedule::reorder() {
    const ReorderResult result = reorderSkeds(table_, path_.toStdString(), currentYear());
    if (result.status == ReorderResult::Status::Reordered ||
        result.status == ReorderResult::Status::ReadBackFailed)
        noteFileVersion({});
    return result;
}

void Schedule::clear() {
    table_.blank(0, SkedTable::kSpare);
}

void Schedule::noteFileVersion(const std::string& notWholeReason) {
    knownVersion_ = fileStamp(path_.toStdString());
    notWholeReason_ = fromStd(notWholeReason);
    firingMayAsk_ = true;
    unsaved_ = false;
}

WriteResult Schedule::writeCurrentFile() {
    const WriteResult written = writeSkedFile(path_.toStdString(), table_);
    if (written.ok)
        noteFileVersion({});
    return written;
}
