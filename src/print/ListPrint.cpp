#include "print/ListPrint.h"

#include <algorithm>
#include <cmath>

namespace taru {

namespace {

constexpr int kTableFontSize = 7;
constexpr int kHeaderFontSize = 12;

int nearest(double value)
{
    return static_cast<int>(std::nearbyint(value)); // halves to even
}

// The draws list and the statistics table: 7-point type, headings bold and underlined.
ListStyle boxedStyle()
{
    ListStyle style;
    style.fontSize = kTableFontSize;
    style.boxed = true;
    style.headingStyle = FontStyle{true, true};
    return style;
}

// Runs a print job; a printer failure drops the document and is passed on.
template <typename Job>
void printJob(PrintCanvas &canvas, Job job)
{
    try {
        job();
    } catch (const PrinterError &) {
        canvas.abortDocument();
        throw;
    }
}

} // namespace

QStringList DrawListHeadings()
{
    QStringList headings{QStringLiteral("Α/Α"), QStringLiteral("ΚΛΗΡ"), QStringLiteral("ΗΜ/ΝΙΑ")};
    for (int i = 1; i <= draws::kDrawNumbers; ++i)
        headings << QString::number(i) + QStringLiteral("ος");
    headings << QStringLiteral("ΑΘΡ") << QStringLiteral("ΜΟΝ") << QStringLiteral("ΖΥΓ") << QStringLiteral("ΑΡΙ")
             << QStringLiteral("ΔΕΞ") << QStringLiteral("ΛΗΓ") << QStringLiteral("10ες") << QStringLiteral("ΕΥΡ");
    return headings;
}

int DrawListScreenWidth(int column)
{
    if (column == 0)
        return 30;
    if (column == 1)
        return 40;
    if (column == 2)
        return 85;
    if (column <= 11)
        return 37;
    if (column <= 23)
        return 40;
    return 37;
}

QStringList StatisticsHeadings()
{
    return {QStringLiteral("ΨΗΦΙΑ"), QStringLiteral("Εμφανίσεις"), QStringLiteral("%"), QStringLiteral("Επαναλήψεις"),
            QStringLiteral("Καθυστερήσεις")};
}

int StatisticsScreenWidth(int column)
{
    static constexpr int kWidths[] = {42, 75, 70, 85, 88};
    return kWidths[column];
}

ListPrinter::ListPrinter(PrintCanvas &canvas, ListStyle style, QStringList headerLines, QList<ListColumn> columns,
                         QStringList headings)
    : canvas_(canvas)
    , style_(style)
    , headerLines_(std::move(headerLines))
    , columns_(std::move(columns))
    , headings_(std::move(headings))
{
}

ListPrinter::ListPrinter(PrintCanvas &canvas, const ListHeader &header, QList<ListColumn> columns, QStringList headings)
    : ListPrinter(canvas, boxedStyle(), header.lines(), std::move(columns), std::move(headings))
{
}

int ListPrinter::cellWidth(const ListColumn &column, int dpi)
{
    const int tenths = nearest(column.screenWidth * column.tenthsPerPixel);
    return nearest(dpi * tenths * 0.1);
}

QList<int> ListPrinter::columnEdges() const
{
    QList<int> edges{0};
    if (style_.boxed) {
        for (const ListColumn &column : columns_)
            edges << edges.last() + cellWidth(column, canvas_.ppiX());
        return edges;
    }
    long long total = 0;
    for (const ListColumn &column : columns_)
        total += column.screenWidth;
    // Device units per screen pixel: the printer's size of a pixel, less when the page is narrower.
    long long num = canvas_.ppiX();
    long long den = std::max(style_.screenDpi, 1);
    if (total > 0 && total * num > static_cast<long long>(canvas_.pageWidth()) * den) {
        num = canvas_.pageWidth();
        den = total;
    }
    long long screenX = 0;
    for (const ListColumn &column : columns_) {
        screenX += column.screenWidth;
        edges << static_cast<int>(screenX * num / den);
    }
    return edges;
}

void ListPrinter::begin(PageOrientation orientation)
{
    lineGap_ = canvas_.ppiY() / 10;
    posY_ = 0;
    firstPage_ = true;
    rowsOnPage_ = 0;
    canvas_.setOrientation(orientation);
    canvas_.setFontSize(style_.fontSize);
    canvas_.setFontStyle(FontStyle{});
    canvas_.beginDocument();
    textHeight_ = canvas_.textHeight(QStringLiteral("X"));
    lineHeight_ = std::max(textHeight_ + lineGap_, 1);
    edges_ = columnEdges();
    pageHeader();
}

void ListPrinter::centredLine(const QString &text)
{
    canvas_.setFontSize(kHeaderFontSize);
    canvas_.textOut((canvas_.pageWidth() - canvas_.textWidth(text)) / 2, posY_, text);
    posY_ += lineHeight_ + lineGap_;
    canvas_.setFontSize(style_.fontSize);
}

void ListPrinter::closingLines(const QStringList &texts)
{
    // A line's height of space under the table's last rule.
    posY_ += lineHeight_;
    if (canvas_.pageHeight() < posY_ + static_cast<int>(texts.size()) * (lineHeight_ + lineGap_))
        newPage();
    for (const QString &text : texts)
        centredLine(text);
}

void ListPrinter::newPage()
{
    posY_ = 0;
    firstPage_ = false;
    rowsOnPage_ = 0;
    canvas_.newPage();
    pageHeader();
}

void ListPrinter::pageHeader()
{
    for (qsizetype i = 0; i < headerLines_.size(); ++i) {
        const bool last = i == headerLines_.size() - 1;
        if (!style_.boxed) {
            canvas_.setFontStyle(FontStyle{last, false});
            canvas_.textOut(0, posY_, headerLines_.at(i));
            posY_ += lineHeight_;
            continue;
        }
        // The blank line follows the last header line on the first page and comes before it on
        // the others.
        if (last && !firstPage_)
            posY_ += lineHeight_ + lineGap_;
        centredLine(headerLines_.at(i));
        if (last && firstPage_)
            posY_ += lineHeight_ + lineGap_;
    }
    canvas_.setFontStyle(style_.headingStyle);
    cells(headings_, true);
    canvas_.setFontStyle(FontStyle{});
}

void ListPrinter::cells(const QStringList &texts, bool heading)
{
    if (!style_.boxed) {
        bool ruled = !heading;
        for (qsizetype i = 0; i < texts.size() && i < columns_.size(); ++i) {
            if (texts.at(i).isEmpty())
                continue;
            if (!ruled) { // the rule under the headings, when there are any
                const int rule = posY_ + textHeight_ + canvas_.ppiY() / 40;
                canvas_.line(0, rule, canvas_.pageWidth(), rule);
                ruled = true;
            }
            canvas_.textOut(edges_.at(i), posY_, texts.at(i));
        }
        posY_ += lineHeight_;
        return;
    }
    for (qsizetype i = 0; i < columns_.size(); ++i) {
        const int x = edges_.at(i);
        const int width = edges_.at(i + 1) - x;
        const QString text = texts.value(i);
        canvas_.textClipped(x + (width - canvas_.textWidth(text)) / 2, posY_, QRect(x, posY_, width, lineHeight_), text);
        canvas_.line(x, posY_, x, posY_ + lineHeight_);
    }
    const int rule = posY_ + nearest(1.5 * lineGap_);
    canvas_.line(0, rule, edges_.last(), rule);
    posY_ += 2 * lineGap_;
}

void ListPrinter::row(const QStringList &texts)
{
    const auto turnPageWhenFull = [this] {
        if (canvas_.pageHeight() < posY_ + lineHeight_)
            newPage();
    };
    if (!style_.boxed && rowsOnPage_ > 0)
        turnPageWhenFull();
    cells(texts, false);
    ++rowsOnPage_;
    if (style_.boxed)
        turnPageWhenFull();
}

void ListPrinter::end()
{
    canvas_.endDocument();
}

bool PrintList(PrintCanvas &canvas, const ListPrintout &list)
{
    ListStyle style;
    style.fontSize = list.fontSize;
    style.screenDpi = list.screenDpi;
    QList<ListColumn> columns;
    for (int width : list.columnWidths)
        columns << ListColumn{width};
    ListPrinter printer(canvas, style, list.headerLines, columns, list.headings);
    try {
        printJob(canvas, [&] {
            printer.begin(PageOrientation::Portrait);
            for (const QStringList &row : list.rows)
                printer.row(row);
            printer.end();
        });
    } catch (const PrinterError &) {
        return false;
    }
    return true;
}

void PrintDraws(PrintCanvas &canvas, const draws::DrawList &draws, const ListHeader &header, PrintRange range,
                const std::function<void()> &afterRow)
{
    QList<ListColumn> columns;
    for (int column = 1; column < draws::kDrawListColumns; ++column)
        columns << ListColumn{DrawListScreenWidth(column), column == 1 ? 0.104 : 0.092};
    ListPrinter printer(canvas, header, columns, DrawListHeadings().mid(1));
    const auto drawNumber = [&draws](int row) {
        return row >= 1 && static_cast<std::size_t>(row) <= draws.size() ? draws.field(static_cast<std::size_t>(row - 1), 1)
                                                                           : QString();
    };
    printJob(canvas, [&] {
        printer.begin(PageOrientation::Landscape);
        // Row 0 is the heading row of the grid; a range starting there starts at the first draw.
        int row = std::max(range.from, 1);
        while (!drawNumber(row).isEmpty()) {
            printer.row(draws.cells(static_cast<std::size_t>(row - 1)).mid(1));
            if (afterRow)
                afterRow();
            ++row;
            if (range.to != -1 && row > range.to)
                break;
        }
        printer.end();
    });
}

void PrintStatisticsTable(PrintCanvas &canvas, const draws::DrawStatistics &stats, const ListHeader &header)
{
    QList<ListColumn> columns;
    for (int column = 0; column < 5; ++column)
        columns << ListColumn{StatisticsScreenWidth(column), 0.104};
    ListPrinter printer(canvas, header, columns, StatisticsHeadings());
    printJob(canvas, [&] {
        printer.begin(PageOrientation::Portrait);
        for (int n = 1; n <= draws::kHighestNumber; ++n)
            printer.row(stats.cells(n));
        printer.centredLine(stats.totalText());
        printer.end();
    });
    canvas.setOrientation(PageOrientation::Portrait);
}

} // namespace taru
