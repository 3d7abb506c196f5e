// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Sound.h"

#include <QList>

// Records every sound the program asks for.
class FakeSound final : public Sound {
public:
    struct Played {
        QString path;
        Mode mode;
        bool operator==(const Played&) const = default;
    };
    void play(const QString& path, Mode mode) override { played.append({path, mode}); }

    QList<Played> played;
};
