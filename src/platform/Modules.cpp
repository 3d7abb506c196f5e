// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "Modules.h"

#include <QCoreApplication>

ModuleSound::ModuleSound(const QString& folder)
    : module_(folder + QStringLiteral("/modules/libtockmere-sound.so"), "tockmereCreateSound") {}

Sound::Problem ModuleSound::play(const QString& path, Mode mode) {
    Sound* sound = module_.get();
    return sound ? sound->play(path, mode) : Problem::NoOutput;
}

ModulePrinter::ModulePrinter(const QString& folder)
    : module_(folder + QStringLiteral("/modules/libtockmere-print.so"), "tockmereCreatePrinter") {}

Printer::Result ModulePrinter::print(const QList<Line>& lines, const QString& title) {
    Printer* printer = module_.get();
    return printer ? printer->print(lines, title) : unavailable();
}

Printer::Result ModulePrinter::saveAsPdf(const QList<Line>& lines, const QString& title,
                                         const QString& path) {
    Printer* printer = module_.get();
    return printer ? printer->saveAsPdf(lines, title, path) : unavailable();
}

Printer::Result ModulePrinter::unavailable() const {
    //: Why printing failed: %1 is the system's word on the printing module that could not be
    //: loaded.
    return {false, QCoreApplication::translate("ModulePrinter", "printing is not installed: %1")
                       .arg(module_.error())};
}
