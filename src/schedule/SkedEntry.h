// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <string>

// One sked: texts as typed or loaded (UTF-8), never validated here.
struct SkedEntry {
    std::string date;
    std::string time;
    std::string message;
    bool skip = false;

    bool operator==(const SkedEntry&) const = default;
};
