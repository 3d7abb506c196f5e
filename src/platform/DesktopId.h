// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QString>

// What the program calls itself on the desktop: the name of its desktop entry, its icon and its
// AppStream data, by which the desktop matches windows, notifications and the autostart entry.
inline const QString kDesktopId = QStringLiteral("org.tockmere.Tockmere");
