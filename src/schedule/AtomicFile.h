#pragma once

#include "SkedFile.h"

#include <string>
#include <string_view>

// Writes the bytes to a temporary file beside `path`, flushes it to disk and renames it over
// `path`, so the target holds either its old or its new contents, never a part.
WriteResult writeFileAtomically(const std::string& path, std::string_view bytes);
