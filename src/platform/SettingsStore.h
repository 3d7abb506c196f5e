#pragma once

#include <QString>

// Per-user text settings addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or `fallback` when the key is absent.
    virtual QString read(const QString& application, const QString& section, const QString& key,
                         const QString& fallback) const = 0;
    virtual void save(const QString& application, const QString& section, const QString& key,
                      const QString& text) = 0;
};
