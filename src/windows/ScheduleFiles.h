// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Dialogs.h"
#include "Printer.h"
#include "Schedule.h"

#include <QObject>

// The user's side of the schedule's file commands and its printout: the questions before a file
// is replaced, the reports of what failed, and the look over a saved table. The schedule does the
// work and tells what stands in the way; this asks and tells the user.
class ScheduleFiles final : public QObject {
    Q_OBJECT

public:
    ScheduleFiles(Schedule& schedule, Dialogs& dialogs, Printer& printer);

    // The start-up's read: a file that is there but was not read whole is reported.
    void reportStartRead(const ReadResult& read);
    // "Load Sked file": the file the user chooses. False when nothing changed.
    bool chooseAndLoad();
    // "Save Sked file": the file the user chooses, after asking before replacing one that holds
    // data. False when nothing was saved.
    bool chooseAndSaveAs();
    // Done: the table to the current file. False, after telling the user, when it was not saved.
    // A saved table is looked over: skeds that can never ring are named, and a sked held back
    // by a later one above it is offered a Re-order.
    bool save();
    // Re-order, after asking where Done would ask; what refuses it is told, and the sked in the
    // way is pointed out (skedWanted). False when the table was not sorted.
    bool reorder();
    // Asks before a file that holds data is replaced by another save (a printout, say).
    bool mayOverwrite(const QString& path);
    // "Printout": the schedule as a plain list on the default printer, or as a PDF file when
    // that fails and the user wants one. `utc`: the dates and times are UTC.
    void print(bool utc);

signals:
    // The user is to look at this sked's time field (`time`) or date field.
    void skedWanted(int slot, bool time);

private:
    bool load(const QString& path);
    bool saveAs(const QString& path);
    bool mayReplaceCurrentFile();
    QString replaceQuestion(const QString& concern) const;
    void askReplaceAfterFiring(const QString& concern);
    void reportUnreadFile(const QString& path, const ReadResult& read);
    void warn(const QString& text, const QString& title);
    // False when a Re-order the user asked for did not sort the table.
    bool lookOver();
    void offerPdf(const QList<Printer::Line>& lines, const QString& why);
    static QString couldNotSave(const QString& path, const QString& why);
    static QString replaceTitle();
    static QString notSavedTitle();
    static QString printJobName();

    Schedule& schedule_;
    Dialogs& dialogs_;
    Printer& printer_;
    // A question about the file after a firing is open; later firings wait for its answer.
    bool askingAfterFiring_ = false;
};
