#include "print/ListPrintout.h"

#include <algorithm>

namespace taru {

namespace {

QList<int> columnStarts(const ListPrintout &list, int ppiX, int pageWidth)
{
    long long total = 0;
    for (int width : list.columnWidths)
        total += width;
    // Device units per screen pixel: the printer's size of a pixel, less when the page is narrower.
    long long num = ppiX;
    long long den = std::max(list.screenDpi, 1);
    if (total > 0 && total * num > static_cast<long long>(pageWidth) * den) {
        num = pageWidth;
        den = total;
    }
    QList<int> starts;
    long long screenX = 0;
    for (int width : list.columnWidths) {
        starts.append(static_cast<int>(screenX * num / den));
        screenX += width;
    }
    return starts;
}

} // namespace

QList<ListLine> LayoutListPages(const ListPrintout &list, int ppiX, int ppiY, int pageWidth, int pageHeight,
                                int textHeight)
{
    const int lineHeight = std::max(textHeight + ppiY / 10, 1);
    const QList<int> starts = columnStarts(list, ppiX, pageWidth);
    QList<ListLine> lines;
    int page = 0;
    int y = 0;
    const auto putRow = [&](const QStringList &cells, bool heading) {
        for (qsizetype c = 0; c < cells.size() && c < starts.size(); ++c) {
            if (!cells.at(c).isEmpty())
                lines.append(ListLine{page, starts.at(c), y, cells.at(c), heading, heading});
        }
        y += lineHeight;
    };
    const auto heading = [&] {
        for (qsizetype i = 0; i < list.headerLines.size(); ++i) {
            lines.append(ListLine{page, 0, y, list.headerLines.at(i), i == list.headerLines.size() - 1, false});
            y += lineHeight;
        }
        putRow(list.headings, true);
    };
    heading();
    int rowsOnPage = 0;
    for (const QStringList &row : list.rows) {
        // A page always takes at least one row, however tall its heading.
        if (y + lineHeight > pageHeight && rowsOnPage > 0) {
            ++page;
            y = 0;
            rowsOnPage = 0;
            heading();
        }
        putRow(row, false);
        ++rowsOnPage;
    }
    return lines;
}

bool PrintList(PrintCanvas &canvas, const ListPrintout &list)
{
    canvas.setOrientation(PageOrientation::Portrait);
    canvas.setFontSize(list.fontSize);
    canvas.setFontStyle(FontStyle{});
    const QList<ListLine> lines = LayoutListPages(list, canvas.ppiX(), canvas.ppiY(), canvas.pageWidth(), canvas.pageHeight(),
                                                  canvas.textHeight(QStringLiteral("X")));
    // The rule under the headings, a little below their text.
    const int ruleOffset = canvas.textHeight(QStringLiteral("X")) + canvas.ppiY() / 40;
    try {
        canvas.beginDocument();
        int page = 0;
        bool ruled = false;
        for (const ListLine &line : lines) {
            if (line.page != page) {
                canvas.newPage();
                page = line.page;
                ruled = false;
            }
            if (line.heading && !ruled) {
                canvas.line(0, line.y + ruleOffset, canvas.pageWidth(), line.y + ruleOffset);
                ruled = true;
            }
            if (canvas.fontStyle().bold != line.bold)
                canvas.setFontStyle(FontStyle{line.bold, false});
            canvas.textOut(line.x, line.y, line.text);
        }
        canvas.endDocument();
    } catch (const PrinterError &) {
        canvas.abortDocument();
        return false;
    }
    return true;
}

} // namespace taru
