// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <optional>
#include <string>
#include <string_view>

// The short name of a schedule file: the text after the last separator ("\" or "/") found at
// character position 5 or later, scanning from the end. Nothing when there is none, in which case
// the caller keeps the name it had; a separator at positions 1 to 4 (a root folder) is ignored.
std::optional<std::string> skedNameFrom(std::string_view skedFile);

// Whether a chosen file name is nothing but the extension: ".dat" in any letter case right after
// the last separator (backslash or "/"). Saving to such a name does nothing.
bool isExtensionOnlyName(std::string_view path);
