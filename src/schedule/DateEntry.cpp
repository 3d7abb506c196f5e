// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "DateEntry.h"

#include "Text.h"
#include "TimeBase.h"

std::optional<std::string> weeklyStep(std::string_view previous, int currentYear) {
    const auto date = readSkedDate(previous, currentYear);
    if (!date)
        return std::nullopt;
    return skedDateText(addDays(*date, 7));
}

void dateFocusRule(SkedTable& table, int slot, CivilDate today) {
    if (!isBlank(table.row(slot).date))
        return;
    table.setDate(slot, slot == 0 ? skedDateText(today) : table.row(slot - 1).date);
}

void dateClickRule(SkedTable& table, int slot, CivilDate today) {
    if (slot == 0) {
        if (isBlank(table.row(0).date))
            table.setDate(0, skedDateText(today));
        return;
    }
    const SkedEntry& above = table.row(slot - 1);
    if (table.weekly() == 1) {
        // A date above that is no mm/dd/yy date gives no step, and the row stays as it was.
        if (const auto stepped = weeklyStep(above.date, today.year)) {
            table.setTime(slot, above.time);
            table.setDate(slot, *stepped);
        }
        return;
    }
    table.setDate(slot, above.date);
}
