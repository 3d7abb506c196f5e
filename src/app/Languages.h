// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QString>

// Tockmere speaks the language the desktop's locale names (LANGUAGE, LC_ALL, LC_MESSAGES, LANG,
// as Qt reads them), with no setting of its own: Qt's own texts (the standard buttons) and
// Tockmere's from the folder `translations` beside the program. English is the source language
// and needs only its plural forms. The core gets the same translations. Needs the application
// object; the translators live as long as it does.
void installTranslations(const QString& programDir);
