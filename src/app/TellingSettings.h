// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Dialogs.h"
#include "SettingsStore.h"

// Passes the program's settings to the store, and tells the user once per run, naming the file,
// when they could not be stored, instead of losing them without a word.
class TellingSettings final : public SettingsStore {
public:
    TellingSettings(SettingsStore& store, Dialogs& dialogs) : store_(store), dialogs_(dialogs) {}

    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& fallback) const override;
    bool save(const QString& application, const QString& section, const QString& key,
              const QString& text) override;
    QString location(const QString& application) const override;

    // While the program ends on a signal or with the session nobody can answer a box.
    void setQuiet(bool quiet) { quiet_ = quiet; }

private:
    SettingsStore& store_;
    Dialogs& dialogs_;
    bool told_ = false;
    bool quiet_ = false;
};
