// Prints the schedule's listing of three skeds through the program's real printer service to the
// default printer, so a script can read back what the print queue produced:
//   printprobe <schedule file name to print in the heading>
// prints the column pitch in points, for `pdftotext -fixed`, then "printed" or the error.
#include "Printout.h"
#include "QtPrinter.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: printprobe <schedule file name>\n");
        return 2;
    }
    SkedTable table;
    const char* rows[][3] = {{"12/05/26", "1430", "W1AW bulletin"},
                             {"12/31/2026", "0930", "DL1ABC weekly sked on 14.047"},
                             {"01/01/27", "2359", "JA1XYZ 20 m CW"}};
    for (int i = 0; i < 3; ++i) {
        table.setDate(i, rows[i][0]);
        table.setTime(i, rows[i][1]);
        table.setMessage(i, rows[i][2]);
    }
    std::printf("pitch %.4f\n", QtPrinter::characterWidthPoints());
    QtPrinter printer;
    const auto result = printer.print(toPrinterLines(printoutLines(table, argv[1], true)),
                                      QStringLiteral("Tockmere schedule"));
    if (!result.ok) {
        std::printf("failed: %s\n", qPrintable(result.error));
        return 1;
    }
    std::printf("printed\n");
    return 0;
}
