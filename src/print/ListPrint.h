#pragma once

#include "draws/DrawStatistics.h"
#include "draws/DrawsFile.h"
#include "print/PrintCanvas.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace taru {

// The last line of the page header of list printouts, naming the program.
inline const QString kListBanner = QStringLiteral("Εκτύπωση από το πρόγραμμα TARU");

// What heads every page of a list printout: the owner's lines (title, address, third line),
// the window's caption, the banner.
struct ListHeader {
    QStringList ownerLines;
    QString caption;
    QString banner = kListBanner;
};

// A column of a printed table: its screen width in pixels and how many tenths of an inch a
// pixel takes on paper.
struct ListColumn {
    int screenWidth = 0;
    double tenthsPerPixel = 0.104;
};

// Prints a table page by page as the list windows do: a 7-point table font, rows 2 × LineGap
// apart under a rule, each cell's text centred and clipped, a new page with the header and the
// heading row again when the next row would not fit. LineGap is a tenth of the vertical
// resolution; LineHeight the height of "X" plus LineGap.
class ListPrinter {
public:
    ListPrinter(PrintCanvas &canvas, ListHeader header, QList<ListColumn> columns, QStringList headings);

    // Orientation, font, document, then the header and heading row of the first page.
    void begin(PageOrientation orientation);
    // One table row, then a new page when the next would not fit.
    void row(const QStringList &cells);
    // A line of 12-point type centred on the page width.
    void centredLine(const QString &text);
    // Centred lines a line's height under the table, all on a new page (with its header) when
    // they would not fit.
    void closingLines(const QStringList &texts);
    void end();

    // A column's width: screen pixels × tenthsPerPixel to whole tenths, then tenths of the
    // resolution to whole device pixels (halves to even).
    static int cellWidth(const ListColumn &column, int dpi);
    int lineGap() const { return lineGap_; }
    int lineHeight() const { return lineHeight_; }
    int posY() const { return posY_; }

private:
    void pageHeader(bool firstPage);
    void cells(const QStringList &texts);

    PrintCanvas &canvas_;
    ListHeader header_;
    QList<ListColumn> columns_;
    QStringList headings_;
    QList<int> widths_;
    int lineGap_ = 0;
    int lineHeight_ = 0;
    int posY_ = 0;
};

// Rows to print, as the print range dialog gives them: grid rows from 1 for the first draw,
// -1 for "all".
struct PrintRange {
    int from = -1;
    int to = -1;
};

// The draws list on landscape pages: columns 1 to 30 of the list (the sequence number is not
// printed), rows from `from` while their draw number is not empty and, unless `to` is -1,
// their row is not past `to` (the first row is printed whatever `to` says). afterRow runs after
// every row (the window lets pending events through). A printer failure aborts the document
// and is passed on.
void PrintDraws(PrintCanvas &canvas, const draws::DrawList &draws, const ListHeader &header, PrintRange range,
                const std::function<void()> &afterRow = {});

// The statistics table on portrait pages: the five columns and 80 rows, then the total line.
void PrintStatisticsTable(PrintCanvas &canvas, const draws::DrawStatistics &stats, const ListHeader &header);

// The 31 headings and screen widths of the draws list.
QStringList DrawListHeadings();
int DrawListScreenWidth(int column);
// The five headings and screen widths of the statistics grid.
QStringList StatisticsHeadings();
int StatisticsScreenWidth(int column);

} // namespace taru
