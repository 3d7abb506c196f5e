// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QGuiApplication>
#include <QRect>

// Designed sizes are in twips; 15 twips make one pixel at 96 dpi. Qt's own high-DPI scaling
// takes care of other screens.
constexpr int twipsToPixels(int twips) {
    return (twips * 2 + 15) / 30;
}
constexpr int pixelsToTwips(int pixels) {
    return pixels * 15;
}

// A Wayland compositor places windows itself and tells a client nothing of where: there a
// window's place reads as (0, 0), which must not be stored over the place of an earlier run.
inline bool windowPlacesAreKnown() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}
