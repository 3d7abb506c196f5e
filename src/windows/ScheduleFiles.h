// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Dialogs.h"
#include "Schedule.h"

#include <QObject>

// The user's side of the schedule's file commands: the questions before a file is replaced, the
// reports of what failed, and the look over a saved table. The schedule does the work and tells
// what stands in the way; this asks and tells the user.
class ScheduleFiles final : public QObject {
    Q_OBJECT

public:
    ScheduleFiles(Schedule& schedule, Dialogs& dialogs);

    // The start-up's read: a file that is there but was not read whole is reported.
    void reportStartRead(const ReadResult& read);
    // "Load Sked file". False when nothing changed.
    bool load(const QString& path);
    // "Save Sked file", after asking before replacing a file that holds data. False when nothing
    // was saved.
    bool saveAs(const QString& path);
    // Done: the table to the current file. False, after telling the user, when it was not saved.
    // A saved table is looked over: skeds that can never ring are named, and a sked held back
    // by a later one above it is offered a Re-order.
    bool save();
    // Re-order, after asking where Done would ask; what refuses it is told.
    void reorder();
    // Asks before a file that holds data is replaced by another save (a printout, say).
    bool mayOverwrite(const QString& path);

private:
    bool mayReplaceCurrentFile();
    QString replaceQuestion(const QString& concern) const;
    void askReplaceAfterFiring(const QString& concern);
    void reportUnreadFile(const QString& path, const ReadResult& read);
    void warn(const QString& text, const QString& title);
    void lookOver();

    Schedule& schedule_;
    Dialogs& dialogs_;
    // A question about the file after a firing is open; later firings wait for its answer.
    bool askingAfterFiring_ = false;
};
