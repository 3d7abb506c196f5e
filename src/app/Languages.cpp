// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "Languages.h"

#include "Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

std::string translateForCore(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

// The translator is searched before those installed earlier, so the user's language comes last.
void install(const QString& name, const QString& folder, bool inUserLanguage) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    const bool loaded = inUserLanguage
                            ? translator->load(QLocale(), name, QStringLiteral("_"), folder)
                            : translator->load(name, folder);
    if (loaded)
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void installTranslations(const QString& programDir) {
    const QString own = QDir(programDir).filePath(QStringLiteral("translations"));
    install(QStringLiteral("tockmere_en"), own, false);
    install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath), true);
    install(QStringLiteral("tockmere"), own, true);
    setTranslator(&translateForCore);
}
