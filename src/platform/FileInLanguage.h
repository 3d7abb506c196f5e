// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QString>

// A file of the program's in the user's language where there is one (`dir`/de/`name` for German),
// else `dir`/`name`; the languages as the desktop's locale lists them, each also without its
// country (de-AT, then de).
QString fileInLanguage(const QString& dir, const QString& name);
