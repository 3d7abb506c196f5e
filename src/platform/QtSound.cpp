// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "QtSound.h"

#include <utility>

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

// The effect, and with it the audio backend, is created at the first sound, not at start-up.
QtSound::QtSound(OutputCheck hasOutput) : hasOutput_(std::move(hasOutput)) {}

QtSound::~QtSound() = default;

QSoundEffect& QtSound::effect() {
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    return *effect_;
}

extern "C" Q_DECL_EXPORT Sound* tockmereCreateSound() {
    return new QtSound;
}

bool QtSound::systemHasOutput() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

Sound::Problem QtSound::play(const QString& path, Mode mode) {
    if (effect_)
        effect_->stop();
    if (!hasOutput_())
        return Problem::NoOutput;
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable() || file.size() == 0)
        return Problem::Unreadable;
    QSoundEffect& sound = effect();
    const QUrl source = QUrl::fromLocalFile(path);
    if (sound.source() != source)
        sound.setSource(source);
    sound.setLoopCount(mode == Mode::Loop ? QSoundEffect::Infinite : 1);
    sound.play();
    return Problem::None;
}
