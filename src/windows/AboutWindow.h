// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QDialog>

// The About window: the program's banner and version, placed below the main window's top and
// centred on the screen.
class AboutWindow final : public QDialog {
    Q_OBJECT

public:
    // `mainTop` is the main window's top edge in pixels.
    AboutWindow(int mainTop, int screenWidth);

    // Where the window goes: 1200 twips below the main window's top, centred across the screen.
    static QPoint placement(int mainTop, int screenWidth, int aboutWidth);
    // The banner: 294 x 60 pixels, light green, naming the program and its version.
    static QPixmap banner();
    // The copyright, the licence, the absence of warranty and where the source is.
    static QString legalNotice();
};
