// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "SkedTable.h"

#include <string>
#include <vector>

// The schedule as a plain list for the printer: a heading, then every sked's date, time and
// message at fixed columns, each followed by an empty line, down to sked 40 or to the first
// sked whose date reads "Done".

// A text that starts at a character column (1-based) of its line.
struct PlacedText {
    int column = 1;
    std::string text;
    bool operator==(const PlacedText&) const = default;
};

// An empty line has no texts.
using PrintLine = std::vector<PlacedText>;

// Date, time and message columns: a date of ten characters ends before the time, a time of four
// before the message.
inline constexpr int kPrintDateColumn = 2;
inline constexpr int kPrintTimeColumn = 14;
inline constexpr int kPrintMessageColumn = 22;

std::vector<PrintLine> printoutLines(const SkedTable& table, const std::string& skedFile, bool utc);
