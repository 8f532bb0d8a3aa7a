#pragma once

#include "draws/Backtest.h"
#include "print/ListPrint.h"
#include "print/PrintCanvas.h"
#include "print/PrintJob.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

namespace taru {

// One row of the backtest table, as the window shows it and the printout prints it.
struct BacktestTableRow {
    QString hits;  // "5 επιτυχίες"
    QString count; // (draw, column) pairs with that many hits
    QString share; // of all pairs, "12,50%"
    QString best;  // columns with that many hits in the best draw
};

// The column headings, in the order of the row's fields.
QStringList BacktestHeadings();
// The categories from k hits down to 0.
std::vector<BacktestTableRow> BacktestTable(const draws::BacktestResult &result, const QLocale &locale = QLocale());
// "4 στήλες των 5 αριθμών σε 3 κληρώσεις: 12 έλεγχοι στήλης με κλήρωση"
QString BacktestSummary(const draws::BacktestResult &result);
// "Κληρώσεις 1001 (01/01/2026) έως 1003 (03/01/2026)"; empty without draws.
QString BacktestDrawRange(const draws::DrawList &draws);
// The caption of the window and of the printout's pages.
QString BacktestCaption(const QString &fileName);

// What the printout holds.
struct BacktestSheet {
    QString fileName;  // the coupon file
    QString summary;   // BacktestSummary
    QString drawRange; // BacktestDrawRange
    std::vector<BacktestTableRow> rows;
    QString best;      // BestDrawText
};

// The table as the program's other lists print (the header's lines and the caption on every
// page, a 7-point table under its heading row), on portrait pages; the summary, the range of
// draws and the best draw after it. A printer failure aborts the document.
PrintResult PrintBacktest(PrintCanvas &canvas, const BacktestSheet &sheet, const ListHeader &header);

} // namespace taru
