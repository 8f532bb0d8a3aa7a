#include "print/ListPrint.h"

#include <gtest/gtest.h>

using namespace taru;
using Op = RecordingCanvas::Op;

namespace {

const ListHeader kHeader{{QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ"), QStringLiteral("Οδός 1"), QStringLiteral("Τηλ. 210")},
                         QStringLiteral("ΝΙΚΗΤΡΙΕΣ ΣΤΗΛΕΣ - ΣΤΑΤΙΣΤΙΚΑ")};

// Draws 1001, 1002, ... with plain ascending numbers.
draws::DrawList drawList(int count)
{
    draws::DrawList list;
    for (int d = 1; d <= count; ++d) {
        draws::DrawEntry entry;
        entry.sequence = QString::number(d);
        entry.drawNumber = QString::number(1000 + d);
        entry.date = QStringLiteral("05/01/2026");
        for (int i = 0; i < draws::kDrawNumbers; ++i)
            entry.numbers[static_cast<std::size_t>(i)] = QString::number(i + 1 + (d % 3));
        list.append(entry, draws::ComputeRowFigures(entry));
    }
    return list;
}

// The draw numbers printed, in order.
QStringList printedDraws(const RecordingCanvas &canvas)
{
    QStringList numbers;
    for (const RecordingCanvas::Call &call : canvas.texts()) {
        if (call.text.size() == 4 && call.text.startsWith(QLatin1String("10")) && call.text.at(3).isDigit())
            numbers << call.text;
    }
    return numbers;
}

// A plain list of three columns, 96 + 48 + 60 pixels at 96 dpi.
ListPrintout plainList(int rows, int fontSize)
{
    ListPrintout list;
    list.headerLines = {QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ"), QStringLiteral("ΟΔΟΣ 1")};
    list.headings = {QStringLiteral("ΟΝΟΜΑ"), QStringLiteral("ΑΡΙΘ"), QStringLiteral("ΟΡΟΣ")};
    list.columnWidths = {96, 48, 60};
    list.fontSize = fontSize;
    for (int r = 1; r <= rows; ++r)
        list.rows.append({QStringLiteral("A%1").arg(r), QString::number(r), QStringLiteral("-")});
    return list;
}

// Every text as "page x,y:text", pages from 0; with column0Only, only those at x = 0.
QStringList placed(const RecordingCanvas &canvas, bool column0Only = false)
{
    QStringList texts;
    int page = 0;
    for (const RecordingCanvas::Call &call : canvas.calls) {
        page += call.op == Op::NewPage ? 1 : 0;
        if (call.op == Op::Text && (!column0Only || call.x == 0))
            texts << QStringLiteral("%1 %2,%3:%4").arg(page).arg(call.x).arg(call.y).arg(call.text);
    }
    return texts;
}

} // namespace

TEST(ListPrint, CellWidths)
{
    struct Case { int screen; double perPixel; int dpi; int device; };
    const Case cases[] = {
        {40, 0.092, 600, 240}, {85, 0.092, 600, 480}, {37, 0.092, 600, 180}, {40, 0.104, 600, 240},
        {88, 0.104, 600, 540}, {70, 0.104, 600, 420}, {37, 0.092, 96, 29}, {37, 0.092, 75, 22}, // 22.5: to even
    };
    for (const Case &c : cases)
        EXPECT_EQ(ListPrinter::cellWidth(ListColumn{c.screen, c.perPixel}, c.dpi), c.device)
            << c.screen << " × " << c.perPixel << " at " << c.dpi;
}

TEST(ListPrint, RangeOfRows)
{
    struct Case { const char *name; PrintRange range; QStringList printed; };
    const Case cases[] = {
        {"all", {-1, -1}, {"1001", "1002", "1003", "1004", "1005", "1006"}},
        {"3 to 5", {3, 5}, {"1003", "1004", "1005"}},
        {"5 to 3: the first row only", {5, 3}, {"1005"}},
        {"to past the end", {4, 40}, {"1004", "1005", "1006"}},
        {"from the heading row", {0, 2}, {"1001", "1002"}},
        {"from past the end", {7, 9}, {}},
    };
    const draws::DrawList list = drawList(6);
    for (const Case &c : cases) {
        RecordingCanvas canvas;
        int rows = 0;
        PrintDraws(canvas, list, kHeader, c.range, [&rows] { ++rows; });
        EXPECT_EQ(printedDraws(canvas), c.printed) << c.name;
        EXPECT_EQ(rows, c.printed.size()) << c.name;
        EXPECT_EQ(canvas.calls.last().op, Op::End) << c.name;
    }
}

TEST(ListPrint, PagesOfTheDrawsList)
{
    // 600 dpi: LineGap 60, "X" at 7 points 70 high, LineHeight 130; landscape page 7015 x 4960;
    // a character 60 wide at 12 points, 35 at 7.
    RecordingCanvas canvas;
    PrintDraws(canvas, drawList(40), kHeader, {});
    EXPECT_EQ(canvas.calls.first().orientation, PageOrientation::Landscape);
    const QList<RecordingCanvas::Call> texts = canvas.texts();
    const QStringList all = placed(canvas);
    // First page: five 12-point header lines centred 190 apart, a gap, the headings at 1140 in
    // bold underlined type (the sequence column is never printed), then rows 120 apart.
    const QStringList header = kHeader.lines();
    for (int i = 0; i < header.size(); ++i) {
        EXPECT_EQ(all.at(i), QStringLiteral("0 %1,%2:%3").arg((7015 - header.at(i).size() * 60) / 2).arg(190 * i).arg(header.at(i)));
        EXPECT_EQ(texts.at(i).fontSize, 12);
    }
    EXPECT_EQ(all.at(5), QStringLiteral("0 50,1140:ΚΛΗΡ")); // centred in the first cell, 240 wide
    EXPECT_EQ(std::pair(texts.at(5).fontSize, texts.at(5).style), std::pair(7, FontStyle{true, true}));
    EXPECT_EQ(all.at(5 + 30), QStringLiteral("0 50,1260:1001"));
    EXPECT_EQ(texts.at(5 + 30).style, FontStyle{});
    // The date cell: 85 pixels give 8 tenths, 480 device pixels from x = 240.
    EXPECT_EQ(texts.at(5 + 31).clip, QRect(240, 1260, 480, 130));
    EXPECT_EQ(texts.at(5 + 31).x, 240 + (480 - 10 * 35) / 2);

    // Lines of the first row of each page: a vertical line at each cell's left edge, then the
    // rule under the row across all 30 cells (6480 wide) at PosY + 90.
    QList<QRect> lines;
    for (const RecordingCanvas::Call &call : canvas.calls) {
        if (call.op == Op::Line && (call.y == 1260 || call.y == 1350))
            lines << QRect(QPoint(call.x, call.y), QPoint(call.x2, call.y2));
    }
    ASSERT_EQ(lines.size(), 62);
    EXPECT_EQ(lines.at(1), QRect(QPoint(240, 1260), QPoint(240, 1390)));
    EXPECT_EQ(lines.at(30), QRect(QPoint(0, 1350), QPoint(6480, 1350)));

    // 30 rows fill the first page (the 30th ends at 4860, and 4860 + 130 > 4960); the second
    // and last page repeats the header with the gap before the banner.
    EXPECT_EQ(printedDraws(canvas).size(), 40);
    EXPECT_TRUE(all.contains(QStringLiteral("1 3057,0:ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ")));
    EXPECT_TRUE(all.contains(QStringLiteral("1 2607,950:") + kListBanner));
    EXPECT_TRUE(all.contains(QStringLiteral("1 50,1260:1031")));
    EXPECT_TRUE(all.last().startsWith(QStringLiteral("1 ")));
}

TEST(ListPrint, StatisticsTable)
{
    draws::StatisticsBuilder builder;
    const int draw[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    builder.add(draw, 20);
    RecordingCanvas canvas(600, 600, 4960, 7015);
    PrintStatisticsTable(canvas, builder.finish(), kHeader);
    EXPECT_EQ(canvas.calls.first().orientation, PageOrientation::Portrait);
    EXPECT_EQ(canvas.calls.last().op, Op::Orientation);
    EXPECT_EQ(canvas.calls.last().orientation, PageOrientation::Portrait);

    const QList<RecordingCanvas::Call> texts = canvas.texts();
    EXPECT_EQ(texts.at(5).text, QStringLiteral("ΨΗΦΙΑ"));
    EXPECT_EQ(texts.last().text, QStringLiteral("ΣΥΝΟΛΟ ΚΛΗΡΩΣΕΩΝ :1"));
    EXPECT_EQ(texts.last().fontSize, 12);
    // The first row: 42 pixels give 4 tenths, 75 give 8: the share cell starts at 240 + 480.
    const auto share = std::find_if(texts.begin(), texts.end(), [](const auto &c) { return c.text == "100 %"; });
    ASSERT_NE(share, texts.end());
    EXPECT_EQ(share->clip.left(), 720);
    int rows = 0;
    for (const auto &call : texts)
        rows += call.clip.isValid() && call.clip.left() == 0 && call.style == FontStyle{} ? 1 : 0;
    EXPECT_EQ(rows, 80);
}

TEST(ListPrint, APrinterFailureAbortsTheDocument)
{
    RecordingCanvas canvas;
    canvas.failOnText(40);
    EXPECT_THROW(PrintDraws(canvas, drawList(6), kHeader, {}), PrinterError);
    EXPECT_EQ(canvas.calls.last().op, Op::Abort);
    RecordingCanvas plain;
    plain.failOnText(2);
    EXPECT_FALSE(PrintList(plain, plainList(4, 9)));
    EXPECT_EQ(plain.calls.last().op, Op::Abort);
}

TEST(ListPrint, PlainCellsStartWhereTheirColumnsStartOnScreenScaledToThePrinter)
{
    // 300 dpi: a screen pixel is 300/96 printer units; 8-point "X" 40 high, lines 40 + 300 / 10.
    RecordingCanvas canvas(300, 300, 2400, 10000);
    canvas.orientation = PageOrientation::Landscape;
    ASSERT_TRUE(PrintList(canvas, plainList(1, 8)));
    EXPECT_EQ(canvas.orientation, PageOrientation::Portrait);
    EXPECT_EQ(placed(canvas), (QStringList{"0 0,0:ΠΡΑΚΤΟΡΕΙΟ", "0 0,70:ΟΔΟΣ 1", "0 0,140:ΟΝΟΜΑ", "0 300,140:ΑΡΙΘ",
                                           "0 450,140:ΟΡΟΣ", "0 0,210:A1", "0 300,210:1", "0 450,210:-"}));
    // One rule across the page under the headings: 140 + 40 + 300 / 40.
    const auto rule = std::find_if(canvas.calls.begin(), canvas.calls.end(), [](const auto &c) { return c.op == Op::Line; });
    ASSERT_NE(rule, canvas.calls.end());
    EXPECT_EQ(QRect(QPoint(rule->x, rule->y), QPoint(rule->x2, rule->y2)), QRect(QPoint(0, 187), QPoint(2400, 187)));
    // Columns wider than the page are narrowed to it.
    RecordingCanvas narrow(300, 300, 204, 10000);
    PrintList(narrow, plainList(1, 8));
    EXPECT_EQ(placed(narrow).mid(3, 2), (QStringList{"0 96,140:ΑΡΙΘ", "0 144,140:ΟΡΟΣ"}));
}

TEST(ListPrint, APlainPageTurnsWhenTheNextRowWouldNotFitAndRepeatsTheHeading)
{
    // 100 dpi, 6-point "X" 10 high: lines of 20; a page of 130 holds the 3 heading lines and 3
    // rows (the 7th line would end at 140); no page is left with the heading alone.
    RecordingCanvas canvas(100, 100, 1000, 130);
    ASSERT_TRUE(PrintList(canvas, plainList(6, 6)));
    EXPECT_EQ(placed(canvas, true), (QStringList{"0 0,0:ΠΡΑΚΤΟΡΕΙΟ", "0 0,20:ΟΔΟΣ 1", "0 0,40:ΟΝΟΜΑ", "0 0,60:A1",
                                                 "0 0,80:A2", "0 0,100:A3", "1 0,0:ΠΡΑΚΤΟΡΕΙΟ", "1 0,20:ΟΔΟΣ 1",
                                                 "1 0,40:ΟΝΟΜΑ", "1 0,60:A4", "1 0,80:A5", "1 0,100:A6"}));
    EXPECT_EQ(canvas.calls.last().op, Op::End);
    // A page too short for its heading still takes one row.
    RecordingCanvas tiny(100, 100, 1000, 30);
    PrintList(tiny, plainList(2, 6));
    EXPECT_EQ(placed(tiny, true).last(), QStringLiteral("1 0,60:A2"));
}
