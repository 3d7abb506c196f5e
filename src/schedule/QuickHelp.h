// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <string>

// The quick help of the main window's menu, adapted to the UTC offset and the time base; lines
// joined with CR LF.
std::string quickHelpText(int offsetMinutes, bool utcMode);
