// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QList>
#include <QString>

// Prints plain listings: lines of texts placed at character columns, in a fixed-pitch font so
// that the columns line up on paper.
class Printer {
public:
    struct Text {
        int column = 1; // 1-based
        QString text;
        bool operator==(const Text&) const = default;
    };
    // An empty line has no texts.
    using Line = QList<Text>;
    struct Result {
        bool ok = true;
        QString error; // what went wrong, for the user
    };

    virtual ~Printer() = default;
    // Prints the lines as one document on the default printer.
    virtual Result print(const QList<Line>& lines, const QString& title) = 0;
    // Writes the same document as a PDF file. A file already there is replaced only by a
    // complete new one.
    virtual Result saveAsPdf(const QList<Line>& lines, const QString& title,
                             const QString& path) = 0;
};

// The printer's lines from any list of lines of texts with a 1-based `column` and a UTF-8 `text`,
// such as the schedule's printout.
template <typename Lines> QList<Printer::Line> toPrinterLines(const Lines& lines) {
    QList<Printer::Line> out;
    for (const auto& line : lines) {
        Printer::Line texts;
        for (const auto& text : line)
            texts.append({text.column, QString::fromStdString(text.text)});
        out.append(texts);
    }
    return out;
}
