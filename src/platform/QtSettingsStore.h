// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "SettingsStore.h"

// One INI file per application in the user's XDG config folder:
// $XDG_CONFIG_HOME/Tockmere/<application>.ini, one group per section.
class QtSettingsStore final : public SettingsStore {
public:
    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& fallback) const override;
    bool save(const QString& application, const QString& section, const QString& key,
              const QString& text) override;
    QString location(const QString& application) const override;
};
