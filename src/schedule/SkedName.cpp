// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "SkedName.h"

#include "Text.h"

std::optional<std::string> skedNameFrom(std::string_view skedFile) {
    const auto separator = skedFile.find_last_of("\\/");
    if (separator == std::string_view::npos)
        return std::nullopt;
    // Only the last separator matters: an earlier one lies at a lower position still.
    if (codePointCount(skedFile.substr(0, separator)) + 1 < 5)
        return std::nullopt;
    return std::string(skedFile.substr(separator + 1));
}

bool isExtensionOnlyName(std::string_view path) {
    if (path.size() < 5)
        return false;
    const std::string last = upperAscii(path.substr(path.size() - 5));
    return last == "\\.DAT" || last == "/.DAT";
}
