// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Printer.h"

#include <QStringList>

// Records every document and answers with a scripted result.
class FakePrinter final : public Printer {
public:
    struct Document {
        QList<Line> lines;
        QString path; // of a PDF file
    };

    Result print(const QList<Line>& lines, const QString&) override {
        printed.append({lines, {}});
        return printResult;
    }
    Result saveAsPdf(const QList<Line>& lines, const QString&, const QString& path) override {
        pdfs.append({lines, path});
        return {};
    }

    // The lines as a fixed-pitch printer puts them on paper; a text placed over another
    // overprints it, so overlapping columns show as garbled text.
    static QStringList paper(const QList<Line>& lines) {
        QStringList out;
        for (const Line& line : lines) {
            QString text;
            for (const Text& placed : line) {
                const qsizetype at = placed.column - 1;
                if (text.size() < at + placed.text.size())
                    text = text.leftJustified(at + placed.text.size());
                text.replace(at, placed.text.size(), placed.text);
            }
            out << text;
        }
        return out;
    }

    QList<Document> printed;
    QList<Document> pdfs;
    Result printResult;
};
