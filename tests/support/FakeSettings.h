#pragma once

#include "SettingsStore.h"

#include <QMap>

// The settings store as an in-memory map keyed "application/section/key".
class FakeSettings final : public SettingsStore {
public:
    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& fallback) const override {
        return values.value(path(application, section, key), fallback);
    }
    bool save(const QString& application, const QString& section, const QString& key,
              const QString& text) override {
        ++saves;
        if (failSaves)
            return false;
        values.insert(path(application, section, key), text);
        return true;
    }
    QString location(const QString& application) const override {
        return QStringLiteral("/fake/") + application + QStringLiteral(".ini");
    }

    // Shorthands for the program's own section.
    void setOption(const QString& key, const QString& text) {
        values.insert(path(QStringLiteral("Tockmere"), QStringLiteral("Options"), key), text);
    }
    QString option(const QString& key) const {
        return values.value(path(QStringLiteral("Tockmere"), QStringLiteral("Options"), key));
    }
    bool hasOption(const QString& key) const {
        return values.contains(path(QStringLiteral("Tockmere"), QStringLiteral("Options"), key));
    }

    QMap<QString, QString> values;
    int saves = 0;
    bool failSaves = false;

private:
    static QString path(const QString& application, const QString& section, const QString& key) {
        return application + u'/' + section + u'/' + key;
    }
};
