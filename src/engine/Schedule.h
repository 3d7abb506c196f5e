// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "AtomicFile.h"
#include "Clock.h"
#include "Dialogs.h"
#include "SkedFile.h"
#include "SkedTable.h"

#include <QObject>
#include <QString>

// The schedule document: the 40 skeds and the weekly switch, the file they belong to and which
// of them is armed. It reads and writes the file, asks before it replaces a file it did not read
// whole or that another program changed, and tells the user what went wrong with a file. Windows
// show it and edit its table; every change is announced.
class Schedule final : public QObject {
    Q_OBJECT

public:
    Schedule(const Clock& clock, Dialogs& dialogs);

    SkedTable& table() { return table_; }
    const SkedTable& table() const { return table_; }
    const SkedEntry& row(int slot) const { return table_.row(slot); }

    // The file's path, and its short name for the main window's caption.
    QString path() const { return path_; }
    QString shortName() const { return shortName_; }
    // Whether the start-up found a file to read.
    bool loadedAtStart() const { return loadedAtStart_; }

    // The slot the alarm engine watches; SkedTable::kSpare when nothing is pending.
    int armedRow() const { return armedRow_; }
    void setArmedRow(int slot);

    // The start-up's read of `path`; a file that is there but was not read whole is reported.
    ReadResult openAtStart(const QString& path);
    // "Load Sked file": the table from another file, which becomes the current one. A file that
    // cannot be opened is reported and changes nothing. False when nothing changed.
    bool load(const QString& path);
    // "Save Sked file": the table to another file, after asking before replacing one that holds
    // data; it then becomes the current file. False when nothing was saved.
    bool saveAs(const QString& path);
    // Done: the table to the current file. False, after telling the user, when it was not saved.
    // A table saved by Done or Save is looked over: skeds that can never ring are named, and a
    // sked held back by a later one above it is offered a Re-order.
    bool save();
    // After a sked fired, so its skip mark outlives a restart. Asks where Done would ask; a
    // failure is told once, not at every sked.
    void saveAfterFiring();
    // Re-order: the filled rows sorted by date and time, saved and read back; what refuses it
    // is told.
    void reorder();
    // Clear Table: every slot blank; the engine looks at the first slot again.
    void clear();

    // Asks before a file that holds data is replaced by another save (a printout, say).
    bool mayOverwrite(const QString& path);
    // The year that places two-digit years: the local clock's.
    int currentYear() const;

signals:
    // A slot's fields changed, or SkedTable::kWeeklyChanged for the weekly switch.
    void rowChanged(int slot);
    void armedRowChanged(int slot);
    // The current file's path changed.
    void fileChanged(const QString& path);

private:
    void setPath(const QString& path);
    // The version of the current file the table now stands for, and why it was not read whole
    // (empty when it was).
    void noteFileVersion(const std::string& notWholeReason);
    // Whether the current file may be replaced now. A file that was not read whole, or that
    // another program changed since this one last read or wrote it, is replaced only when the
    // user says so; after a firing declined once, firings stop asking.
    bool mayReplaceCurrentFile(bool firing);
    WriteResult writeCurrentFile();
    void reportUnreadFile(const QString& path, const ReadResult& read);
    void warn(const QString& text, const QString& title);
    void lookOver();

    const Clock& clock_;
    Dialogs& dialogs_;
    SkedTable table_;
    QString path_;
    QString shortName_;
    bool loadedAtStart_ = false;
    int armedRow_ = 0;
    FileStamp knownVersion_;
    QString notWholeReason_;
    bool firingMayAsk_ = true;
    bool firingFailureReported_ = false;
    bool savingAfterFiring_ = false;
};
