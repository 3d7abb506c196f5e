#pragma once

#include "SkedTable.h"
#include "TimeBase.h"

#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Putting the filled rows into date and time order. The rows are gathered as lines of the
// schedule file, sorted by the date and time in their columns, written to the schedule file and
// read back from it, so a re-order is also a save and the table shows what the file holds.

// The date and time of a row line: columns 3 to 10 (mm/dd/yy) and 15 to 18 (hhmm).
struct ReorderKey {
    CivilDate date;
    int hour = 0;
    int minute = 0;
    auto operator<=>(const ReorderKey&) const = default;
};

struct WorkLine {
    std::string line;
    ReorderKey key;
};

// The row's fields exactly as they stand: flag, blank, date, four blanks, time, two blanks,
// message. For a well-formed row these are the columns of the schedule file's row line.
std::string reorderRowLine(const SkedEntry& row);

// The key read from columns 3 to 10 and 15 to 18 of a row line, as "mm/dd/yy hh:mm"; nothing
// when they do not hold a real calendar date and time of day in that form.
std::optional<ReorderKey> reorderKey(std::string_view line);

// Whether the row's date is a real date written mm/dd/yy and its time four digits of a real
// time of day: only such rows line up in the file's columns and have a key.
bool isWellFormedForReorder(const SkedEntry& row);

enum class GatherStatus {
    Ok,
    NothingToSort, // the first row is empty
    MissingTime,   // `slot` has a date but no time
    Malformed,     // `slot` has a date or time that is not well formed
};

struct Gathered {
    GatherStatus status = GatherStatus::Ok;
    int slot = -1;
    std::vector<WorkLine> lines;
};

// The rows from slot 0 down to the first empty one, in table order. The first row with a date
// but no time, or with a date or time that is not well formed, stops the gathering.
Gathered gatherForReorder(const SkedTable& table);

// Shell sort with halving gaps. Lines with equal keys are never swapped with each other
// directly, but a longer move can still carry one past another, so equal keys may change order.
void shellSortByKey(std::vector<WorkLine>& lines);

// The file's lines: the sorted row lines, the weekly line and the end line, each with CR LF.
std::string reorderedFileText(const std::vector<WorkLine>& lines, int weekly);

struct ReorderResult {
    enum class Status {
        Reordered,
        NothingToSort,
        MissingTime,
        Malformed,
        WriteFailed,    // the file and the table are as they were
        ReadBackFailed, // the file holds the sorted rows, the table is as it was
    };
    Status status = Status::Reordered;
    int slot = -1;     // the row that stopped the gathering
    std::string error; // why writing or reading failed
};

// Gathers, sorts, writes `path` atomically and reloads the table from it. Only a complete
// re-order changes the table; rows from the first empty slot on stay as they were. A missing
// time or a malformed row leaves the table and the file alone: telling the user, and clearing
// the date of a row without a time, are the caller's.
ReorderResult reorderSkeds(SkedTable& table, const std::string& path);
