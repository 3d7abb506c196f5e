// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "ClockHealth.h"
#include "HelpViewer.h"
#include "Sound.h"

#include <QList>
#include <QStringList>

// The small services as records of what the program asked of them.

class FakeHelpViewer final : public HelpViewer {
public:
    bool showContents(const QString& path) override {
        shown.append(path);
        return true;
    }
    QStringList shown;
};

class FakeSound final : public Sound {
public:
    struct Played {
        QString path;
        Mode mode;
    };
    void play(const QString& path, Mode mode) override { played.append({path, mode}); }
    QList<Played> played;
};

// Answers a scripted reading of the kernel and counts how often it was asked.
class FakeClockHealth final : public ClockHealth {
public:
    ClockReading read() const override {
        ++reads;
        return reading;
    }
    ClockReading reading{0, 0, 16'000, 3'000};
    mutable int reads = 0;
};
