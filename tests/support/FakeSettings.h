// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "SettingsStore.h"

#include <QMap>
#include <QStringList>

// The settings store as an in-memory map keyed "application/section/key".
class FakeSettings final : public SettingsStore {
public:
    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& fallback) const override {
        return values.value(application + u'/' + section + u'/' + key, fallback);
    }
    bool save(const QString& application, const QString& section, const QString& key,
              const QString& text) override {
        if (!failSaves)
            values.insert(application + u'/' + section + u'/' + key, text);
        return !failSaves;
    }
    QString location(const QString& application) const override {
        return folder + u'/' + application;
    }
    QString folder = QStringLiteral("/fake");

    // Shorthands for the program's own settings.
    void setOption(const QString& key, const QString& text) {
        values["Tockmere/Options/" + key] = text;
    }
    QString option(const QString& key) const { return values.value("Tockmere/Options/" + key); }
    bool hasOption(const QString& key, const QString& section = "Options") const {
        return values.contains("Tockmere/" + section + u'/' + key);
    }
    // The options stored, as "key=value", but for the schedule's path.
    QStringList stored() const {
        QStringList out;
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            if (it.key().startsWith("Tockmere/Options/") && !it.key().endsWith("Plannex file"))
                out << it.key().section(u'/', 2) + u'=' + it.value();
        }
        return out;
    }

    QMap<QString, QString> values;
    bool failSaves = false;
};
