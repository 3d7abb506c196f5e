// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "QuickHelp.h"

#include "Numbers.h"
#include "Translation.h"

#include <vector>

std::string quickHelpText(int offsetMinutes, bool utcMode) {
    // Each line is translated on its own: the box shows the lines as they are broken here.
    std::vector<std::string> lines = {
        translated("QuickHelp", "The alarms follow the sequence in the sked table."),
        translated("QuickHelp", "Enter the scheduled events in chronological order."),
        translated("QuickHelp", "If needed, click the {Re-order} button to put them"),
        translated("QuickHelp", "        in correct date/time order."),
        "",
    };
    if (offsetMinutes != 0) {
        lines.push_back(withArgs(translated("QuickHelp", "You have a %1 hour offset selected."),
                                 {offsetText(offsetMinutes)}));
        if (!utcMode)
            lines.push_back(translated("QuickHelp", "Select UTC in the menu to use this offset."));
    } else {
        lines.push_back(translated("QuickHelp", "Enter your UTC hour offset."));
        lines.push_back(translated("QuickHelp", "Select UTC in the menu to use this offset."));
    }
    for (const std::string& text :
         {std::string(), translated("QuickHelp", "The alarm and skeds table screens, can sized by"),
          translated("QuickHelp", "dragging a corner. Use upper-right-X to save."), std::string(),
          translated("QuickHelp", "You can un-check <Silent Alarm> to play a wave"),
          translated("QuickHelp", "file when the alarm triggers. Use your own wave"),
          translated("QuickHelp", "file, but it must be named <alarm.wav>."), std::string(),
          translated("QuickHelp", "Click <Test Alarm> to test it."), std::string(),
          translated("QuickHelp", "The file <stop.wav> is required to stop playing a"),
          translated("QuickHelp", "continuous alarm. No <stop.wav> = no stop.")})
        lines.push_back(text);
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i == 0 ? "" : "\r\n") + lines[i];
    return text;
}
