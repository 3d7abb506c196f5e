// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

// Saves two schedules in turn, for ever or once, so a script can interrupt saves at random
// moments and check that the file always holds one of them whole.
//   saveloop PATH            save A, B, A, ... until killed
//   saveloop PATH once       save A once (clears what interrupted saves left behind)
//   saveloop PATH print A|B  print the bytes of A or B
#include "SkedFile.h"

#include <cstdio>
#include <string>

namespace {

SkedTable schedule(char which) {
    SkedTable table;
    for (int slot = 0; slot < (which == 'A' ? 40 : 3); ++slot) {
        table.setDate(slot, "12/07/26");
        table.setTime(slot, "1200");
        table.setMessage(slot, std::string("schedule ") + which + " sked " + std::to_string(slot));
    }
    return table;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2)
        return 2;
    const std::string path = argv[1];
    const std::string mode = argc > 2 ? argv[2] : "";
    if (mode == "print" && argc > 3) {
        const std::string bytes = encodeSkedFile(skedFileText(schedule(argv[3][0])));
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        return 0;
    }
    if (mode == "once")
        return writeSkedFile(path, schedule('A')).ok ? 0 : 1;
    for (char which = 'A';; which = which == 'A' ? 'B' : 'A') {
        if (!writeSkedFile(path, schedule(which)).ok)
            return 1;
    }
}
