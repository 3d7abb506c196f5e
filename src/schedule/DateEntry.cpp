#include "DateEntry.h"

#include "Text.h"
#include "TimeBase.h"

std::optional<std::string> weeklyStep(std::string_view previous) {
    if (previous.size() != 8 || previous[2] != '/' || previous[5] != '/')
        return std::nullopt;
    for (std::size_t at : {0u, 1u, 3u, 4u, 6u, 7u}) {
        if (!isAsciiDigit(previous[at]))
            return std::nullopt;
    }
    const int month = twoDigitsAt(previous, 0);
    const int day = twoDigitsAt(previous, 3);
    int year = twoDigitsAt(previous, 6);
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;

    // Two-digit years count from 2000, so "00" is a leap year as 2000 was.
    int d = day + 7;
    int newMonth = month;
    const int length = daysInMonth(2000 + year, month);
    if (d > length) {
        d -= length;
        if (++newMonth > 12) {
            newMonth = 1;
            year = (year + 1) % 100;
        }
    }
    return twoDigitText(newMonth) + "/" + twoDigitText(d) + "/" + twoDigitText(year);
}

void dateFocusRule(SkedTable& table, int slot, const std::string& today) {
    if (!isBlank(table.row(slot).date))
        return;
    table.setDate(slot, slot == 0 ? today : table.row(slot - 1).date);
}

void dateClickRule(SkedTable& table, int slot, const std::string& today) {
    if (slot == 0) {
        if (isBlank(table.row(0).date))
            table.setDate(0, today);
        return;
    }
    const SkedEntry& above = table.row(slot - 1);
    if (table.weekly() == 1) {
        // A date above that is no mm/dd/yy date gives no step, and the row stays as it was.
        if (const auto stepped = weeklyStep(above.date)) {
            table.setTime(slot, above.time);
            table.setDate(slot, *stepped);
        }
        return;
    }
    table.setDate(slot, above.date);
}
