// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "Reorder.h"

#include "SkedFile.h"
#include "Text.h"
#include "Translation.h"

#include <utility>

std::optional<ReorderKey> reorderKey(const SkedEntry& row, int currentYear) {
    // The due test's own reading: whatever rings, sorts, and where it rings.
    if (!whyNeverRings(row, currentYear).empty())
        return std::nullopt;
    const std::string time = comparableTime(row.time);
    return ReorderKey{*readSkedDate(row.date, currentYear), twoDigitsAt(time, 0),
                      twoDigitsAt(time, 2)};
}

Gathered gatherForReorder(const SkedTable& table, int currentYear) {
    Gathered gathered;
    for (int slot = 0; slot < SkedTable::kRows; ++slot) {
        const SkedEntry& row = table.row(slot);
        if (table.isEmpty(slot))
            continue;
        if (isBlank(row.time))
            return {GatherStatus::MissingTime, slot, {}};
        const auto key = reorderKey(row, currentYear);
        if (!key)
            return {GatherStatus::Malformed, slot, {}};
        gathered.rows.push_back({row, *key});
    }
    if (gathered.rows.empty())
        gathered.status = GatherStatus::NothingToSort;
    return gathered;
}

std::optional<OutOfOrder> firstOutOfOrder(const SkedTable& table, int currentYear) {
    struct Moment {
        int slot;
        CivilDate date;
        std::string time;
        bool operator<(const Moment& other) const {
            return date < other.date || (date == other.date && time < other.time);
        }
    };
    std::vector<Moment> pending;
    for (int slot = 0; slot < SkedTable::kRows; ++slot) {
        if (!table.isPending(slot, currentYear))
            continue;
        const SkedEntry& row = table.row(slot);
        const Moment moment{slot, *readSkedDate(row.date, currentYear), comparableTime(row.time)};
        for (const Moment& above : pending) {
            if (moment < above)
                return OutOfOrder{slot, above.slot};
        }
        pending.push_back(moment);
    }
    return std::nullopt;
}

void shellSortByKey(std::vector<KeyedRow>& rows) {
    // Kept to the letter, 1-based like the rows it numbers: the order it leaves equal keys in is
    // the order users have always seen.
    const auto n = static_cast<std::ptrdiff_t>(rows.size());
    auto at = [&rows](std::ptrdiff_t number) -> KeyedRow& {
        return rows[static_cast<std::size_t>(number - 1)];
    };
    for (std::ptrdiff_t gap = n / 2; gap > 0; gap /= 2) {
        for (std::ptrdiff_t i = 1; i <= n - gap; ++i) {
            for (std::ptrdiff_t j = i; j >= 1; j -= gap) {
                if (at(j).key <= at(j + gap).key)
                    break;
                std::swap(at(j), at(j + gap));
            }
        }
    }
}

ReorderResult reorderSkeds(SkedTable& table, const std::string& path, int currentYear) {
    using Status = ReorderResult::Status;
    Gathered gathered = gatherForReorder(table, currentYear);
    switch (gathered.status) {
    case GatherStatus::NothingToSort:
        return {Status::NothingToSort, -1, {}};
    case GatherStatus::MissingTime:
        return {Status::MissingTime, gathered.slot, {}};
    case GatherStatus::Malformed:
        return {Status::Malformed, gathered.slot, {}};
    case GatherStatus::Ok:
        break;
    }
    shellSortByKey(gathered.rows);
    SkedTable sorted;
    sorted.setWeekly(table.weekly());
    for (std::size_t i = 0; i < gathered.rows.size(); ++i)
        sorted.setRow(static_cast<int>(i), gathered.rows[i].row);
    const WriteResult written = writeSkedFile(path, sorted);
    if (!written.ok)
        return {Status::WriteFailed, -1, written.error};

    // Read into a copy first, so a file that cannot be read back leaves the table whole. The
    // file was just written: anything but a whole read (one gone missing meanwhile, say) is a
    // failure, not an empty table.
    SkedTable reloaded = table;
    reloaded.setListener(nullptr);
    const ReadResult read = loadSkedFile(path, reloaded);
    if (read.status != ReadStatus::Ok)
        return {Status::ReadBackFailed, -1,
                read.error.empty() ? translated("Reorder", "cannot read it back") : read.error};
    table.copyFrom(reloaded);
    return {};
}
