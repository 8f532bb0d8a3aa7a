#include "print/ListPrint.h"

#include <cmath>

namespace taru {

namespace {

constexpr int kTableFontSize = 7;
constexpr int kHeaderFontSize = 12;

int nearest(double value)
{
    return static_cast<int>(std::nearbyint(value)); // halves to even
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

ListPrinter::ListPrinter(PrintCanvas &canvas, ListHeader header, QList<ListColumn> columns, QStringList headings)
    : canvas_(canvas)
    , header_(std::move(header))
    , columns_(std::move(columns))
    , headings_(std::move(headings))
{
}

int ListPrinter::cellWidth(const ListColumn &column, int dpi)
{
    const int tenths = nearest(column.screenWidth * column.tenthsPerPixel);
    return nearest(dpi * tenths * 0.1);
}

void ListPrinter::begin(PageOrientation orientation)
{
    lineGap_ = canvas_.ppiY() / 10;
    posY_ = 0;
    canvas_.setOrientation(orientation);
    canvas_.setFontSize(kTableFontSize);
    canvas_.setFontStyle(FontStyle{});
    canvas_.beginDocument();
    lineHeight_ = canvas_.textHeight(QStringLiteral("X")) + lineGap_;
    widths_.clear();
    for (const ListColumn &column : columns_)
        widths_ << cellWidth(column, canvas_.ppiX());
    pageHeader(true);
}

void ListPrinter::centredLine(const QString &text)
{
    canvas_.setFontSize(kHeaderFontSize);
    canvas_.textOut((canvas_.pageWidth() - canvas_.textWidth(text)) / 2, posY_, text);
    posY_ += lineHeight_ + lineGap_;
    canvas_.setFontSize(kTableFontSize);
}

void ListPrinter::closingLines(const QStringList &texts)
{
    // A line's height of space under the table's last rule.
    posY_ += lineHeight_;
    if (canvas_.pageHeight() < posY_ + static_cast<int>(texts.size()) * (lineHeight_ + lineGap_)) {
        posY_ = 0;
        canvas_.newPage();
        pageHeader(false);
    }
    for (const QString &text : texts)
        centredLine(text);
}

void ListPrinter::pageHeader(bool firstPage)
{
    for (const QString &line : header_.ownerLines)
        centredLine(line);
    centredLine(header_.caption);
    // The gap follows the banner on the first page and comes before it on the others.
    if (!firstPage)
        posY_ += lineHeight_ + lineGap_;
    centredLine(header_.banner);
    if (firstPage)
        posY_ += lineHeight_ + lineGap_;
    canvas_.setFontStyle(FontStyle{true, true});
    cells(headings_);
    canvas_.setFontStyle(FontStyle{});
}

void ListPrinter::cells(const QStringList &texts)
{
    int x = 0;
    for (int i = 0; i < widths_.size(); ++i) {
        const int width = widths_.at(i);
        const QString text = texts.value(i);
        const QRect clip(x, posY_, width, lineHeight_);
        canvas_.textClipped(x + (width - canvas_.textWidth(text)) / 2, posY_, clip, text);
        canvas_.line(x, posY_, x, posY_ + lineHeight_);
        x += width;
    }
    const int rule = posY_ + nearest(1.5 * lineGap_);
    canvas_.line(0, rule, x, rule);
    posY_ += 2 * lineGap_;
}

void ListPrinter::row(const QStringList &texts)
{
    cells(texts);
    if (canvas_.pageHeight() < posY_ + lineHeight_) {
        posY_ = 0;
        canvas_.newPage();
        pageHeader(false);
    }
}

void ListPrinter::end()
{
    canvas_.endDocument();
}

namespace {

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
