// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "frmSkeds.h"

#include "Controls.h"
#include "Printout.h"
#include "SkedForm.h"
#include "Text.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

// The printout, with a PDF file in its place when printing fails, and the help document.

void frmSkeds::Command2_Click() {
    if (context_.dialogs.message(
            QStringLiteral(" Do you want to print the schedule?"), Dialogs::Buttons::OkCancel,
            false, QStringLiteral(" Line print the schedule?")) != Dialogs::Answer::Ok)
        return;
    const QList<Printer::Line> lines =
        toPrinterLines(printoutLines(table_, context_.basic.SkedFile.toStdString(),
                                     context_.forms.main().mUTCtime->isChecked()));
    const Printer::Result printed =
        context_.printer.print(lines, QStringLiteral("Tockmere schedule"));
    if (!printed.ok)
        offerPdf(lines, printed.error);
}

void frmSkeds::offerPdf(const QList<Printer::Line>& lines, const QString& why) {
    if (context_.dialogs.message(
            QStringLiteral("The schedule could not be printed (%1).\r\n\r\n"
                           "Do you want to save the printout as a PDF file instead?")
                .arg(why),
            Dialogs::Buttons::YesNo, true,
            QStringLiteral(" Printout failed")) != Dialogs::Answer::Yes)
        return;
    const QFileInfo skedFile(context_.basic.SkedFile);
    const QString proposed =
        skedFile.absoluteDir().filePath(skedFile.completeBaseName() + QStringLiteral(".pdf"));
    const QString chosen =
        context_.dialogs.saveFile(QStringLiteral(" Save the printout as..."),
                                  QStringLiteral("PDF files (*.pdf)|*.pdf"), proposed);
    if (isBlank(chosen.toStdString()))
        return;
    if (!mayOverwrite(chosen))
        return;
    const Printer::Result saved =
        context_.printer.saveAsPdf(lines, QStringLiteral("Tockmere schedule"), chosen);
    if (!saved.ok)
        warn(QStringLiteral("The printout could not be saved to\r\n%1\r\n\r\n(%2)")
                 .arg(chosen, saved.error),
             QStringLiteral(" Printout not saved"));
}

void frmSkeds::mWinHelp_Click() {
    const QString path = QDir(context_.basic.programDir).filePath(QStringLiteral("Tockmere.HLP"));
    if (!context_.help.showContents(path))
        warn(QStringLiteral("The help file\r\n%1\r\ncould not be opened.").arg(path),
             QStringLiteral(" Help not found"));
}
