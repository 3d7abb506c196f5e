// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "SkedEntry.h"

#include <array>
#include <functional>
#include <optional>
#include <string_view>

// The 40 skeds plus the hidden spare slot 40, and the weekly switch. Every change is reported
// to one listener so that the table window always shows what the table holds.
class SkedTable {
public:
    static constexpr int kRows = 40;
    static constexpr int kSpare = 40;
    static constexpr int kSlots = 41;
    static constexpr std::size_t kDateLimit = 10;
    static constexpr std::size_t kTimeLimit = 4;
    static constexpr std::size_t kMessageLimit = 60;
    // The slot number passed to the listener when the weekly switch changed.
    static constexpr int kWeeklyChanged = -1;

    using Listener = std::function<void(int slot)>;

    const SkedEntry& row(int slot) const { return rows_.at(static_cast<std::size_t>(slot)); }
    int weekly() const { return weekly_; }

    // Texts are cut to their field's limit; a line break becomes a blank because no field may
    // span two lines of the schedule file. A date that becomes blank clears the row's skip.
    void setDate(int slot, std::string_view date);
    void setTime(int slot, std::string_view time);
    void setMessage(int slot, std::string_view message);
    void setSkip(int slot, bool skip);
    // All four fields at once, under the same rules.
    void setRow(int slot, const SkedEntry& entry);
    void setWeekly(int weekly);

    // An empty row is one whose date is blank.
    bool isEmpty(int slot) const;
    // Blanks slots first..last inclusive: texts empty, skip clear.
    void blank(int first, int last);
    // Takes over every slot and the weekly switch of `other`, exactly as they stand; only what
    // differs is reported to the listener.
    void copyFrom(const SkedTable& other);
    // The lowest slot from `from` to 39 that is pending: filled, its skip clear, and able to ring
    // (whyNeverRings). Arming a row that never fires would end the alarms of every row below it.
    std::optional<int> firstPendingRow(int currentYear, int from = 0) const;
    bool isPending(int slot, int currentYear) const;

    void setListener(Listener listener) { listener_ = std::move(listener); }

private:
    SkedEntry& slot(int index) { return rows_.at(static_cast<std::size_t>(index)); }
    void changed(int index) const;

    std::array<SkedEntry, kSlots> rows_{};
    int weekly_ = 0;
    Listener listener_;
};
