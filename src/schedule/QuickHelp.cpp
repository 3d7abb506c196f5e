// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "QuickHelp.h"

#include "Numbers.h"

#include <vector>

std::string quickHelpText(int offsetMinutes, bool utcMode) {
    std::vector<std::string> lines = {
        "The alarms follow the sequence in the sked table.",
        "Enter the scheduled events in chronological order.",
        "If needed, click the {Re-order} button to put them",
        "        in correct date/time order.",
        "",
    };
    if (offsetMinutes != 0) {
        lines.push_back("You have a " + offsetText(offsetMinutes) + " hour offset selected.");
        if (!utcMode)
            lines.push_back("Select UTC in the menu to use this offset.");
    } else {
        lines.push_back("Enter your UTC hour offset.");
        lines.push_back("Select UTC in the menu to use this offset.");
    }
    for (const char* line :
         {"", "The alarm and skeds table screens, can sized by",
          "dragging a corner. Use upper-right-X to save.", "",
          "You can un-check <Silent Alarm> to play a wave",
          "file when the alarm triggers. Use your own wave",
          "file, but it must be named <alarm.wav>.", "", "Click <Test Alarm> to test it.", "",
          "The file <stop.wav> is required to stop playing a",
          "continuous alarm. No <stop.wav> = no stop."})
        lines.push_back(line);
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i == 0 ? "" : "\r\n") + lines[i];
    return text;
}
