// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QLatin1String>

// Where the program keeps its settings, and the keys of the section.
namespace SettingsKeys {
inline constexpr QLatin1String kApplication{"Tockmere"};
inline constexpr QLatin1String kSection{"Options"};
inline constexpr QLatin1String kPositionTop{"PositionTop"};
inline constexpr QLatin1String kPositionLeft{"PositionLeft"};
inline constexpr QLatin1String kMinimize{"Minimize"};
inline constexpr QLatin1String kSilent{"Silent"};
inline constexpr QLatin1String kAlarmPopUp{"AlarmPopUp"};
inline constexpr QLatin1String kAlarmCloseButton{"AlarmCloseButton"};
inline constexpr QLatin1String kContinuous{"Continuous"};
inline constexpr QLatin1String kUseUtc{"Use UTC"};
inline constexpr QLatin1String kUtcLabel{"UTC Label"};
inline constexpr QLatin1String kUtcOffset{"UTC offset"};
inline constexpr QLatin1String kPlannexFile{"Plannex file"};
// Minutes ahead of each sked that a reminder comes; 0 or none: no reminder.
inline constexpr QLatin1String kRemindMinutes{"Remind minutes"};
// Skeds later than this many minutes are marked done and told, not rung; 0 or none: no limit.
inline constexpr QLatin1String kLateLimitMinutes{"Late limit minutes"};
// Where the end of the last session kept a table its file could not take unasked.
inline constexpr QLatin1String kKeptSchedule{"Kept schedule"};
inline constexpr QLatin1String kTrue{"TRUE"};
inline constexpr QLatin1String kFalse{"FALSE"};
} // namespace SettingsKeys
