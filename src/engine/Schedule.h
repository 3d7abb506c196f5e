// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "AtomicFile.h"
#include "Clock.h"
#include "Reorder.h"
#include "SkedFile.h"
#include "SkedTable.h"

#include <QObject>
#include <QString>

// The schedule document: the 40 skeds and the weekly switch and the file they belong to. It
// reads and writes the file and knows when the file may not be replaced unasked (it was not read
// whole, or another program changed it since). It never asks and never arms: it reports what it
// did and what stands in the way, and announces every change of the table.
class Schedule final : public QObject {
    Q_OBJECT

public:
    explicit Schedule(const Clock& clock);

    SkedTable& table() { return table_; }
    const SkedTable& table() const { return table_; }
    const SkedEntry& row(int slot) const { return table_.row(slot); }

    // The file's path, and its short name for the main window's caption.
    QString path() const { return path_; }
    QString shortName() const { return shortName_; }
    // Whether the start-up found a file to read.
    bool loadedAtStart() const { return loadedAtStart_; }

    // The start-up's read of `path`.
    ReadResult openAtStart(const QString& path);
    // The table from another file, which becomes the current one; a file that cannot be opened
    // changes nothing.
    ReadResult load(const QString& path);
    // Why the current file may not be replaced without the user's word, as words that complete
    // "The schedule file <path>" without the full stop: empty when it may.
    QString replaceConcern() const;
    // The table to the current file, or to another that then becomes the current one.
    WriteResult save();
    WriteResult saveAs(const QString& path);
    // The filled rows sorted by date and time, saved and read back.
    ReorderResult reorder();
    // Every slot blank.
    void clear();

    // After a sked fired, so its skip mark outlives a restart. A file that may not be replaced
    // unasked is reported (replaceAskedAfterFiring), until the user declines for this version of
    // the file; a failure is reported once, not at every sked.
    void saveAfterFiring();
    // The user's answer to replaceAskedAfterFiring.
    void answerReplaceAfterFiring(bool replace);
    // Whether the table holds changes that no file has since it was read or written.
    bool hasUnsavedChanges() const { return unsaved_; }
    // The end of the session, with nobody to ask: unsaved changes go to the current file when it
    // may be replaced unasked, otherwise to `keptPath`. Where they went; empty when nowhere.
    QString saveAtEnd(const QString& keptPath);

    // The year that places two-digit years: the local clock's.
    int currentYear() const;

signals:
    // A slot's fields changed, or SkedTable::kWeeklyChanged for the weekly switch.
    void rowChanged(int slot);
    // The table was replaced from a file by Load.
    void loaded();
    // The current file's path changed.
    void fileChanged(const QString& path);
    // A save after a firing waits for the user's word on replacing the file.
    void replaceAskedAfterFiring(const QString& concern);
    // A save after a firing failed; told once until a save succeeds.
    void saveAfterFiringFailed(const QString& error);

private:
    void setPath(const QString& path);
    // The short name follows a file read, not one saved to: the caption keeps the name the
    // schedule was loaded under.
    void nameAfter(const QString& path);
    // The version of the current file the table now stands for, and why it was not read whole
    // (empty when it was).
    void noteFileVersion(const std::string& notWholeReason);
    WriteResult writeCurrentFile();

    const Clock& clock_;
    SkedTable table_;
    QString path_;
    QString shortName_;
    bool loadedAtStart_ = false;
    FileStamp knownVersion_;
    QString notWholeReason_;
    bool firingMayAsk_ = true;
    bool firingFailureReported_ = false;
    bool unsaved_ = false;
};
