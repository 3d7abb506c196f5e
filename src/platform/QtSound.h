// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Sound.h"

#include <memory>

class QSoundEffect;

// Sound on Qt Multimedia. With no audio output at all nothing is played: QSoundEffect would
// otherwise report a play-once sound as playing for ever.
class QtSound final : public Sound {
public:
    QtSound();
    ~QtSound() override;
    QtSound(const QtSound&) = delete;
    QtSound& operator=(const QtSound&) = delete;

    void play(const QString& path, Mode mode) override;

    // The effect that plays, for tests of this adapter.
    QSoundEffect& effect();

private:
    std::unique_ptr<QSoundEffect> effect_;
};
