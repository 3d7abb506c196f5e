// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "Printout.h"
#include "Translation.h"

#include <utility>

std::vector<PrintLine> printoutLines(const SkedTable& table, const std::string& skedFile,
                                     bool utc) {
    std::vector<PrintLine> lines;
    lines.push_back({});
    lines.push_back(
        {{10, withArgs(translated("Printout", "Scheduled Alarms   File: %1"), {skedFile})}});
    lines.push_back({});
    lines.push_back({{2, utc ? translated("Printout", "Dates and Times are UTC")
                             : translated("Printout", "Dates and Times are Local")}});
    lines.push_back({});
    for (int slot = 0; slot < SkedTable::kRows; ++slot) {
        const SkedEntry& row = table.row(slot);
        // Only this exact text ends the list; "done" or " Done" are printed like any date.
        if (row.date == "Done")
            break;
        PrintLine line;
        // An empty field puts nothing on paper, so an empty sked is an empty line.
        for (const PlacedText& text :
             {PlacedText{kPrintDateColumn, row.date}, PlacedText{kPrintTimeColumn, row.time},
              PlacedText{kPrintMessageColumn, row.message}}) {
            if (!text.text.empty())
                line.push_back(text);
        }
        lines.push_back(std::move(line));
        lines.push_back({});
    }
    return lines;
}
