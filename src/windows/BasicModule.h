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
    // Minutes added to local time to show UTC: a user at UTC-5 keeps 300, one at UTC+5:30 -330.
    int utcOffsetMinutes = 0;
    // The system's own offset, the same way round, offered when the two differ.
    int systemOffsetMinutes = 0;
    bool TimeLabelsDone = false;
    std::int32_t CountdownSeconds = 0;
    QDateTime CountdownStart;
    QString programDir;
};
