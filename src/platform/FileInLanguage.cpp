// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "FileInLanguage.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

QString fileInLanguage(const QString& dir, const QString& name) {
    for (const QString& language : QLocale().uiLanguages()) {
        for (const QString& folder : {language, language.section(u'-', 0, 0)}) {
            const QString path = QDir(dir).filePath(folder + u'/' + name);
            if (QFileInfo(path).isFile())
                return path;
        }
    }
    return QDir(dir).filePath(name);
}
