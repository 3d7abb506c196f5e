// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Sound.h"

#include <functional>
#include <memory>

class QSoundEffect;

// Sound on Qt Multimedia. With no audio output at all nothing is played: QSoundEffect would
// otherwise report a play-once sound as playing for ever.
class QtSound final : public Sound {
public:
    // Whether the machine has an audio output; tests put their own answer in place of the
    // system's, so both answers are tried on any machine.
    using OutputCheck = std::function<bool()>;

    explicit QtSound(OutputCheck hasOutput = systemHasOutput);
    ~QtSound() override;
    QtSound(const QtSound&) = delete;
    QtSound& operator=(const QtSound&) = delete;

    Problem play(const QString& path, Mode mode) override;

    // The effect that plays, for tests of this adapter.
    QSoundEffect& effect();

private:
    static bool systemHasOutput();

    OutputCheck hasOutput_;
    std::unique_ptr<QSoundEffect> effect_;
};
