// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QString>

// Plays wave files without waiting for them. A new sound, even one that cannot play, ends the one
// still playing. A sound that cannot play is not played, and the call says why, so an alarm that
// cannot be heard can say so.
class Sound {
public:
    enum class Mode { Once, Loop };
    // Why a sound cannot play, in the order it is checked: no audio output at all, then a file
    // that is missing, not a regular file, empty or not readable.
    enum class Problem { None, NoOutput, Unreadable };

    virtual ~Sound() = default;
    virtual Problem play(const QString& path, Mode mode) = 0;
};
