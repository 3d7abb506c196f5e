// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "SkedTable.h"

#include <algorithm>

#include "Text.h"
#include "TimeBase.h"

namespace {

// What a field keeps is what a line of the schedule file can give back: no control character
// (a line break would split the line), no tab, no blanks around it (the reader trims them).
std::string fieldText(std::string_view text, std::size_t limit) {
    std::string out(text);
    for (char& c : out) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    }
    return leftCodePoints(trimBlanks(out), limit);
}

// Stores the field's text; true when that changed it.
bool assign(std::string& field, std::string_view text, std::size_t limit) {
    std::string cut = fieldText(text, limit);
    if (cut == field)
        return false;
    field = std::move(cut);
    return true;
}

} // namespace

void SkedTable::setDate(int index, std::string_view date) {
    SkedEntry& entry = slot(index);
    if (!assign(entry.date, date, kDateLimit))
        return;
    if (isBlank(entry.date))
        entry.skip = false;
    changed(index);
}

void SkedTable::setTime(int index, std::string_view time) {
    if (assign(slot(index).time, time, kTimeLimit))
        changed(index);
}

void SkedTable::setMessage(int index, std::string_view message) {
    if (assign(slot(index).message, message, kMessageLimit))
        changed(index);
}

void SkedTable::setSkip(int index, bool skip) {
    SkedEntry& entry = slot(index);
    if (entry.skip == skip)
        return;
    entry.skip = skip;
    changed(index);
}

void SkedTable::setRow(int index, const SkedEntry& entry) {
    setDate(index, entry.date);
    setTime(index, entry.time);
    setMessage(index, entry.message);
    setSkip(index, entry.skip);
}

void SkedTable::setWeekly(int weekly) {
    if (weekly_ == weekly)
        return;
    weekly_ = weekly;
    changed(kWeeklyChanged);
}

bool SkedTable::isEmpty(int index) const {
    return isBlank(row(index).date);
}

void SkedTable::blank(int first, int last) {
    for (int i = first; i <= last; ++i) {
        if (slot(i) == SkedEntry{})
            continue;
        slot(i) = SkedEntry{};
        changed(i);
    }
}

void SkedTable::copyFrom(const SkedTable& other) {
    // Every slot is taken over before any is reported, so a listener never sees half of each.
    const auto before = rows_;
    rows_ = other.rows_;
    for (int i = 0; i < kSlots; ++i) {
        if (before.at(std::size_t(i)) != rows_.at(std::size_t(i)))
            changed(i);
    }
    setWeekly(other.weekly());
}

bool SkedTable::isPending(int index, int currentYear) const {
    return !row(index).skip && !isEmpty(index) && whyNeverRings(row(index), currentYear).empty();
}

std::optional<int> SkedTable::firstPendingRow(int currentYear, int from) const {
    for (int i = std::max(from, 0); i < kRows; ++i) {
        if (isPending(i, currentYear))
            return i;
    }
    return std::nullopt;
}

void SkedTable::changed(int index) const {
    if (listener_)
        listener_(index);
}
