// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QString>

// Per-user text settings addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or `fallback` when the key is absent.
    virtual QString read(const QString& application, const QString& section, const QString& key,
                         const QString& fallback) const = 0;
    // False when the text could not be stored (a read-only folder, a full disk).
    virtual bool save(const QString& application, const QString& section, const QString& key,
                      const QString& text) = 0;
    // Where the application's settings are kept, for telling the user.
    virtual QString location(const QString& application) const = 0;
};
