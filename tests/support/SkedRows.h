// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "SkedTable.h"

#include <QFile>
#include <QStringList>
#include <QTest>

// Rows of the sked table written in tests as "flag|date|time|message", flag S or blank.

inline SkedEntry entryFrom(const QString& text) {
    const QStringList parts = text.split(u'|');
    return {parts.value(1).toStdString(), parts.value(2).toStdString(),
            parts.value(3).toStdString(), parts.value(0) == u"S"};
}

inline QString describe(const SkedEntry& row) {
    return QStringLiteral("%1|%2|%3|%4")
        .arg(row.skip ? QStringLiteral("S") : QStringLiteral(" "), QString::fromStdString(row.date),
             QString::fromStdString(row.time), QString::fromStdString(row.message));
}

inline QStringList describeRows(const SkedTable& table, int count = SkedTable::kSlots) {
    QStringList rows;
    for (int i = 0; i < count; ++i)
        rows << describe(table.row(i));
    return rows;
}

// Fills slots 0.. in order.
inline void fillRows(SkedTable& table, const QStringList& rows) {
    for (int i = 0; i < rows.size(); ++i)
        table.setRow(i, entryFrom(rows[i]));
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}
