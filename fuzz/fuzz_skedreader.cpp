// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "SkedFile.h"
#include "SkedTable.h"
#include "Text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// Any bytes must load or fail without a crash, keep every field within its limit, and a table
// that was read must survive a write and a second read whole and unchanged, its weekly switch
// included: the program reads back every file it writes, to its end line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    SkedTable table;
    readSked(bytes, table);
    for (int i = 0; i < SkedTable::kSlots; ++i) {
        const SkedEntry& row = table.row(i);
        if (codePointCount(row.date) > SkedTable::kDateLimit ||
            codePointCount(row.time) > SkedTable::kTimeLimit ||
            codePointCount(row.message) > SkedTable::kMessageLimit)
            std::abort();
    }
    const std::string written = encodeSkedFile(skedFileText(table));
    SkedTable again;
    const ReadStatus status = readSked(written, again).status;
    // Whatever the fields hold, a table the program wrote reads back whole.
    if (status != ReadStatus::Ok)
        std::abort();
    if (skedFileText(again) != skedFileText(table))
        std::abort();
    return 0;
}
