// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "SkedTable.h"
#include "TimeBase.h"

#include <compare>
#include <optional>
#include <string>
#include <vector>

// Putting the filled rows into date and time order. The sorted rows are written to the schedule
// file and read back from it, so a re-order is also a save and the table shows what the file
// holds.

struct ReorderKey {
    CivilDate date;
    int hour = 0;
    int minute = 0;
    auto operator<=>(const ReorderKey&) const = default;
};

// The key of a row whose date is a real date written mm/dd/yy and whose time is four digits of
// a real time of day; nothing for any other row. Only such rows line up in the file's columns.
std::optional<ReorderKey> reorderKey(const SkedEntry& row, int currentYear);

struct KeyedRow {
    SkedEntry row;
    ReorderKey key;
};

enum class GatherStatus {
    Ok,
    NothingToSort, // no row is filled
    MissingTime,   // `slot` has a date but no time
    Malformed,     // `slot` has a date or time that is not well formed
};

struct Gathered {
    GatherStatus status = GatherStatus::Ok;
    int slot = -1;
    std::vector<KeyedRow> rows;
};

// Every filled row, in table order; empty rows are passed over. The first row with a date but no
// time, or with a date or time that is not well formed, stops the gathering.
Gathered gatherForReorder(const SkedTable& table, int currentYear);

// Shell sort with halving gaps. Rows with equal keys are never swapped with each other directly,
// but a longer move can still carry one past another, so equal keys may change order.
void shellSortByKey(std::vector<KeyedRow>& rows);

// The first pending sked (by slot) that a pending sked above it holds back, because it is later:
// arming goes down the table, so `later` rings first. Nothing when the pending skeds are in date
// and time order.
struct OutOfOrder {
    int held = -1;
    int later = -1;
};
std::optional<OutOfOrder> firstOutOfOrder(const SkedTable& table, int currentYear);

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

// Gathers, sorts, writes `path` atomically and reloads the table from it; only a complete
// re-order changes the table. A missing time or a malformed row leaves the table and the file
// alone: telling the user, and clearing the date of a row without a time, are the caller's.
ReorderResult reorderSkeds(SkedTable& table, const std::string& path, int currentYear);
