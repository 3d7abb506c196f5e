// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "QtSettingsStore.h"

#include <QSettings>
#include <QStringList>

namespace {

QString fullKey(const QString& section, const QString& key) {
    return section + u'/' + key;
}

QSettings open(const QString& application) {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tockmere"),
                     application);
}

} // namespace

QString QtSettingsStore::read(const QString& application, const QString& section,
                              const QString& key, const QString& fallback) const {
    const QVariant value = open(application).value(fullKey(section, key));
    if (!value.isValid())
        return fallback;
    // A hand-edited value with unquoted commas comes back as a list; keep its text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

bool QtSettingsStore::save(const QString& application, const QString& section, const QString& key,
                           const QString& text) {
    QSettings settings = open(application);
    settings.setValue(fullKey(section, key), text);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString QtSettingsStore::location(const QString& application) const {
    return open(application).fileName();
}
