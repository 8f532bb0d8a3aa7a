#pragma once

#include "draws/DrawStatistics.h"
#include "draws/DrawsFile.h"
#include "print/PrintCanvas.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace taru {

// The last line of the page header of the draws printouts, naming the program.
inline const QString kListBanner = QStringLiteral("Εκτύπωση από το πρόγραμμα TARU");

// What heads every page of the draws windows' printouts: the owner's lines (title, address,
// third line), the window's caption, the banner.
struct ListHeader {
    QStringList ownerLines;
    QString caption;
    QString banner = kListBanner;
    QStringList lines() const { return ownerLines + QStringList{caption, banner}; }
};

// A column of a printed list: its width on screen in pixels, and for boxed lists how many
// tenths of an inch a pixel takes on paper.
struct ListColumn {
    int screenWidth = 0;
    double tenthsPerPixel = 0.104;
};

// What sets one list printout apart from another; the defaults are a plain list.
struct ListStyle {
    int fontSize = 9; // the table's type, in points
    // Boxed (the draws windows): header lines in 12-point type centred on the page with a gap under
    // each and a blank line by the last one; each column to whole tenths of an inch; each text
    // centred and clipped in its cell, a line at each cell's left edge and a rule under every row;
    // rows two gaps apart; the page turns as soon as a row fills it, after the last row too.
    // Plain: header lines in the table's type at the left margin, the last one (the list's title)
    // in bold; the columns scaled from the screen's dpi, narrowed to the page; each text where its
    // column starts; rows a line apart, one rule across the page under the headings; the page
    // turns only when another row follows.
    bool boxed = false;
    int screenDpi = 96; // what a plain list's column widths are measured in
    FontStyle headingStyle{true, false};
};

// Prints a table page by page: every page headed by the header lines and the column headings,
// a new page when the next row would not fit. LineGap is a tenth of the vertical resolution;
// LineHeight the height of "X" in the table's type plus LineGap. A page always takes one row,
// however tall its header.
class ListPrinter {
public:
    ListPrinter(PrintCanvas &canvas, ListStyle style, QStringList headerLines, QList<ListColumn> columns,
                QStringList headings);
    // A boxed list in 7-point type, its headings bold and underlined, as the draws windows print.
    ListPrinter(PrintCanvas &canvas, const ListHeader &header, QList<ListColumn> columns, QStringList headings);

    // Orientation, font, document, then the header and heading row of the first page.
    void begin(PageOrientation orientation);
    void row(const QStringList &cells);
    // A line of 12-point type centred on the page width.
    void centredLine(const QString &text);
    // Centred lines a line's height under the table, all on a new page (with its header) when
    // they would not fit.
    void closingLines(const QStringList &texts);
    void end();

    // A boxed column's width: screen pixels × tenthsPerPixel to whole tenths, then tenths of the
    // resolution to whole device pixels (halves to even).
    static int cellWidth(const ListColumn &column, int dpi);

private:
    void pageHeader();
    void newPage();
    void cells(const QStringList &texts, bool heading);
    QList<int> columnEdges() const;

    PrintCanvas &canvas_;
    ListStyle style_;
    QStringList headerLines_;
    QList<ListColumn> columns_;
    QStringList headings_;
    QList<int> edges_; // the left edge of every column, then the right edge of the last
    int lineGap_ = 0;
    int textHeight_ = 0;
    int lineHeight_ = 0;
    int posY_ = 0;
    bool firstPage_ = true;
    int rowsOnPage_ = 0;
};

// A whole list to print at once (the library list).
struct ListPrintout {
    QStringList headerLines; // the owner's details, a program line, the list's title
    QStringList headings;
    QList<int> columnWidths; // on screen, in pixels, one per heading
    int screenDpi = 96;      // what the widths are measured in
    QList<QStringList> rows;
    int fontSize = 9;
};

// Prints the list as one plain document in portrait. A printer failure aborts the document and
// answers false.
bool PrintList(PrintCanvas &canvas, const ListPrintout &list);

// Rows to print, as the print range dialog gives them: grid rows from 1 for the first draw,
// -1 for "all".
struct PrintRange {
    int from = -1;
    int to = -1;
};

// The draws list on landscape pages: columns 1 to 30 of the list (the sequence number is not
// printed), rows from `from` while their draw number is not empty and, unless `to` is -1,
// their row is not past `to` (the first row is printed whatever `to` says). afterRow runs after
// every row (the window lets pending events through). A printer failure aborts the document and
// is passed on.
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
