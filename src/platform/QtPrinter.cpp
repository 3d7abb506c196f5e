// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "QtPrinter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

Printer::Result failure(const QString& error) {
    return {false, error};
}

// Every text starts at its column's distance from the left margin, so a character that the font
// lacks and that another font draws wider cannot push the later columns out of line.
Printer::Result paint(QPrinter& printer, const QList<Printer::Line>& lines) {
    QPainter painter;
    //: Why printing failed, in parentheses after "The schedule could not be printed".
    if (!painter.begin(&printer))
        return failure(
            QCoreApplication::translate("QtPrinter", "the printer could not be started"));
    const QFont font = QtPrinter::listingFont();
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const qreal advance = metrics.horizontalAdvance(QLatin1Char('0'));
    const qreal lineHeight = metrics.lineSpacing();
    const qreal pageHeight = printer.height();
    qreal top = 0;
    for (const Printer::Line& line : lines) {
        if (top + lineHeight > pageHeight) {
            if (!printer.newPage()) {
                painter.end();
                //: Why printing failed, in parentheses after "The schedule could not be printed".
                return failure(QCoreApplication::translate(
                    "QtPrinter", "the printer could not start a new page"));
            }
            top = 0;
        }
        for (const Printer::Text& text : line)
            painter.drawText(QPointF((text.column - 1) * advance, top + metrics.ascent()),
                             text.text);
        top += lineHeight;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        //: Why printing failed, in parentheses after "The schedule could not be printed".
        return failure(QCoreApplication::translate("QtPrinter", "the printer reported an error"));
    return {};
}

} // namespace

QFont QtPrinter::listingFont() {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    return font;
}

Printer::Result QtPrinter::print(const QList<Line>& lines, const QString& title) {
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        //: Why printing failed, in parentheses after "The schedule could not be printed".
        return failure(
            QCoreApplication::translate("QtPrinter", "no printer is set up on this computer"));
    const QPrinterInfo chosen = QPrinterInfo::defaultPrinter();
    if (chosen.isNull())
        //: Why printing failed, in parentheses after "The schedule could not be printed".
        return failure(QCoreApplication::translate("QtPrinter", "no default printer is chosen"));
    QPrinter printer(chosen, QPrinter::HighResolution);
    printer.setDocName(title);
    return paint(printer, lines);
}

Printer::Result QtPrinter::saveAsPdf(const QList<Line>& lines, const QString& title,
                                     const QString& path) {
    // Written beside the target first and renamed over it once complete.
    const QFileInfo target(path);
    QTemporaryFile temp(target.absolutePath() + QStringLiteral("/.tockmere-XXXXXX.pdf"));
    if (!temp.open())
        return failure(temp.errorString());
    temp.close();
    // A temporary file is private to its owner; the listing is an ordinary document.
    temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(temp.fileName());
    printer.setDocName(title);
    const Result painted = paint(printer, lines);
    if (!painted.ok)
        return painted;
    if (std::rename(QFile::encodeName(temp.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        return failure(QString::fromLocal8Bit(std::strerror(errno)));
    temp.setAutoRemove(false);
    return {};
}

double QtPrinter::characterWidthPoints() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QFontMetricsF metrics(listingFont(), &printer);
    return metrics.horizontalAdvance(QLatin1Char('0')) * 72.0 / printer.resolution();
}

extern "C" Q_DECL_EXPORT Printer* tockmereCreatePrinter() {
    return new QtPrinter;
}
