// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "SkedFile.h"

#include <cstdint>
#include <string>
#include <string_view>

// Replaces the file at `path` with `bytes` so that it holds either its old or its new contents,
// never a part: the bytes go to a temporary file beside it, reach the disk, and are renamed over
// it. A symbolic link is written through to its target and stays a link; an existing file keeps
// its owner, group and mode; a new one gets the mode the user's umask allows. A file that is
// read-only is not replaced. Temporary files left by a save that was interrupted are removed.
WriteResult writeFileAtomically(const std::string& path, std::string_view bytes);

// Which version of a file is on disk, so a change by another program can be noticed. Links
// are followed.
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};
FileStamp fileStamp(const std::string& path);
