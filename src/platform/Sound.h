// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QString>

// Plays wave files without waiting for them. A new sound ends the one still playing; a missing or
// unplayable file, or no audio device, changes nothing else.
class Sound {
public:
    enum class Mode { Once, Loop };

    virtual ~Sound() = default;
    virtual void play(const QString& path, Mode mode) = 0;
};
