// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "SkedTable.h"
#include "TimeBase.h"

#include <optional>
#include <string>
#include <string_view>

// The helps of the table's date fields: the first date field offers today's date, every later one
// the date above, and with the weekly switch on a click copies the time above and steps its date
// by seven days. `today` is the local date, offered as "mm/dd/yy".

// The date seven days after a well-formed "mm/dd/yy" date; nothing for any other text.
std::optional<std::string> weeklyStep(std::string_view previous, int currentYear);

// The field of `slot` received the input focus.
void dateFocusRule(SkedTable& table, int slot, CivilDate today);
// The field of `slot` was clicked.
void dateClickRule(SkedTable& table, int slot, CivilDate today);
