// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "SkedTable.h"

#include <string>
#include <string_view>

// The schedule file: row lines (skip flag in column 1, date from column 3, time from column 15,
// message from column 21), then "WeeklyIncr: " and the weekly switch, then "end".

enum class ReadStatus {
    Ok,             // an end line, after at most 40 rows and a weekly line; or an empty file
    Missing,        // there is no file of that name
    CannotOpen,     // not a regular file, or unreadable
    NoEndLine,      // the lines ran out before an end line
    BadWeeklyLine,  // a weekly line whose last character is not 0, 1 or 2; reading stops there
    NotASked,       // a line the writer could not have written; it is read as a row all the same
    RowsLeftUnread, // 40 rows read, and more sked lines follow them
};

struct ReadResult {
    ReadStatus status = ReadStatus::Ok;
    int line = 0;     // 1-based line of the first thing wrong (0 when the file could not be opened)
    std::string text; // that line as read, at most 80 characters of it
    std::string error; // why a file that is there could not be read, for the user
    // Writing the table back keeps everything the file held: it was read whole, or there is no
    // file at all.
    bool readWhole() const { return status == ReadStatus::Ok || status == ReadStatus::Missing; }
};

// Why a file was not read whole, in words that follow the file's path: "has no end line", "line
// 3 is not a sked". Empty when it was.
std::string notWholeReason(const ReadResult& read);

struct WriteResult {
    bool ok = true;
    std::string error; // what failed and why, for the user (the caller names the file)
};

// Fills slots from slot 0 on and may set the weekly switch; it does not blank anything first.
// Rows read before a failure stay in the table; a line that is no sked line is still read as its
// row, so nothing of a file the user answers Yes for is lost at the next save.
ReadResult readSked(std::string_view fileBytes, SkedTable& table);
ReadResult readSkedFile(const std::string& path, SkedTable& table);
// Loading another file: slots 0 to 39 are blanked and filled from the file, which may also set
// the weekly switch. A missing file leaves them blank; a file that is there but cannot be read
// leaves the table as it was, so nothing is lost to a file the user cannot even open.
ReadResult loadSkedFile(const std::string& path, SkedTable& table);

// Whether writing `path` would replace something the user has: a file that is there and not
// empty.
bool holdsData(const std::string& path);

// The file's lines as UTF-8, each ended by CR LF: every filled row in slot order, so a row below
// an empty one is kept and the gap closes.
std::string skedFileText(const SkedTable& table);
// The bytes to store: Windows-1252 when every character fits, otherwise UTF-8.
std::string encodeSkedFile(std::string_view utf8Text);
// Writes the table atomically: a failure leaves the previous file as it was.
WriteResult writeSkedFile(const std::string& path, const SkedTable& table);
