// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Printer.h"

#include <QFont>

// Printer on Qt Print Support. Without a printer set up, Qt would quietly turn the printer
// into a PDF writer with no file name and fail to start, so that case is told apart first.
class QtPrinter final : public Printer {
public:
    Result print(const QList<Line>& lines, const QString& title) override;
    Result saveAsPdf(const QList<Line>& lines, const QString& title, const QString& path) override;

    // The font of every listing: 10-point DejaVu Sans Mono, or the system's fixed-pitch font.
    static QFont listingFont();
    // The width of one character of that font on paper, in points: the pitch of the columns.
    static double characterWidthPoints();
};
