// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

// The program-wide values. Program owns the one instance; windows receive it by reference.
struct BasicModule {
    // The armed slot 0..39; 40 means no sked is pending.
    std::int16_t AlarmIndex = 0;
    QString SkedFile;
    // The file's short name for the caption; empty when the path has no folder part.
    QString SkedName;
    bool SkedLoadedAtStart = false;
    // Hours added to local time to show UTC: a user at UTC-5 keeps 5.
    std::int16_t UtcOffset = 0;
    // UTC hour minus local hour found at start-up, offered by SysOffset.
    int SysUtcOffset = 0;
    bool TimeLabelsDone = false;
    std::int32_t CountdownSeconds = 0;
    QDateTime CountdownStart;
    QString programDir;
};
