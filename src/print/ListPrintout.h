#pragma once

#include "print/PrintCanvas.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace taru {

// A list window's printout: on portrait pages, every page headed by the same lines and the
// column headings, then one line per row, each cell where its column starts on screen.
struct ListPrintout {
    QStringList headerLines; // the owner's details, a program line, the list's title (the last, in bold)
    QStringList headings;
    QList<int> columnWidths; // on screen, in pixels, one per heading
    int screenDpi = 96;      // what the widths are measured in
    QList<QStringList> rows;
    int fontSize = 9;
};

struct ListLine {
    int page = 0; // 0 for the first
    int x = 0;
    int y = 0;
    QString text;
    bool bold = false;    // the list's title and the column headings
    bool heading = false; // a column heading
};

// Where every text lands: line height = the height of "X" + ppiY / 10; cell x = the sum of the
// preceding column widths scaled from the screen to the printer (narrowed to the page when the
// columns would not fit across it); a page is full when the next line would pass its height,
// and the next one starts with the heading again.
QList<ListLine> LayoutListPages(const ListPrintout &list, int ppiX, int ppiY, int pageWidth, int pageHeight,
                                int textHeight);

// Prints the list as one document on the canvas in portrait, a rule under the headings. A
// printer failure aborts the document and answers false.
bool PrintList(PrintCanvas &canvas, const ListPrintout &list);

} // namespace taru
