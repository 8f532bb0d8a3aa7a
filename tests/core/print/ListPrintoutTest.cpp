#include "print/ListPrintout.h"

#include "TestValues.h"

#include <gtest/gtest.h>

using namespace taru;

namespace {

ListPrintout sampleList(int rows)
{
    ListPrintout list;
    list.headerLines = {QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ"), QStringLiteral("ΟΔΟΣ 1")};
    list.headings = {QStringLiteral("ΟΝΟΜΑ"), QStringLiteral("ΑΡΙΘ"), QStringLiteral("ΟΡΟΣ")};
    list.columnWidths = {96, 48, 60};
    list.screenDpi = 96;
    for (int r = 1; r <= rows; ++r)
        list.rows.append({QStringLiteral("A%1").arg(r), QString::number(r), QStringLiteral("-")});
    return list;
}

QStringList pageTexts(const QList<ListLine> &lines, int page)
{
    QStringList texts;
    for (const ListLine &line : lines) {
        if (line.page == page)
            texts << QStringLiteral("%1,%2:%3").arg(line.x).arg(line.y).arg(line.text);
    }
    return texts;
}

} // namespace

TEST(ListPrintout, CellsStartWhereTheirColumnsStartOnScreenScaledToThePrinter)
{
    // 300 dpi: a screen pixel is 300/96 printer units; line height = 40 + 300 / 10.
    const QList<ListLine> lines = LayoutListPages(sampleList(1), 300, 300, 2400, 10000, 40);
    EXPECT_EQ(pageTexts(lines, 0), (QStringList{QStringLiteral("0,0:ΠΡΑΚΤΟΡΕΙΟ"), QStringLiteral("0,70:ΟΔΟΣ 1"),
                                               QStringLiteral("0,140:ΟΝΟΜΑ"), QStringLiteral("300,140:ΑΡΙΘ"),
                                               QStringLiteral("450,140:ΟΡΟΣ"), QStringLiteral("0,210:A1"),
                                               QStringLiteral("300,210:1"), QStringLiteral("450,210:-")}));
    // Columns wider than the page are narrowed to it.
    const QList<ListLine> narrow = LayoutListPages(sampleList(1), 300, 300, 204, 10000, 40);
    EXPECT_EQ(narrow.at(3).x, 96);
    EXPECT_EQ(narrow.at(4).x, 144);
}

TEST(ListPrintout, ANewPageRepeatsTheHeadingWhenTheNextLineWouldNotFit)
{
    // Lines of 10: a page of 65 holds the 3 heading lines and 3 rows (the 7th line would end at 70).
    const QList<ListLine> lines = LayoutListPages(sampleList(7), 100, 100, 1000, 65, 0);
    const auto rowsOn = [&](int page) {
        QStringList names;
        for (const ListLine &line : lines) {
            if (line.page == page && line.x == 0)
                names << line.text;
        }
        return names;
    };
    const QStringList heading{QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ"), QStringLiteral("ΟΔΟΣ 1"), QStringLiteral("ΟΝΟΜΑ")};
    EXPECT_EQ(rowsOn(0), (heading + QStringList{QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("A3")}));
    EXPECT_EQ(rowsOn(1), (heading + QStringList{QStringLiteral("A4"), QStringLiteral("A5"), QStringLiteral("A6")}));
    EXPECT_EQ(rowsOn(2), (heading + QStringList{QStringLiteral("A7")}));
    // A page too short for its heading still takes one row.
    const QList<ListLine> tiny = LayoutListPages(sampleList(2), 100, 100, 1000, 15, 0);
    EXPECT_EQ(tiny.last().page, 1);
}

TEST(ListPrintout, PrintsOneDocumentInPortraitAndAbortsOnAPrinterFailure)
{
    RecordingCanvas canvas(100, 100, 800, 120);
    canvas.orientation = PageOrientation::Landscape;
    ASSERT_TRUE(PrintList(canvas, sampleList(4)));
    EXPECT_EQ(canvas.orientation, PageOrientation::Portrait);
    int pages = 1;
    int texts = 0;
    for (const auto &call : canvas.calls) {
        pages += call.op == RecordingCanvas::Op::NewPage ? 1 : 0;
        texts += call.op == RecordingCanvas::Op::Text ? 1 : 0;
    }
    EXPECT_EQ(canvas.calls.last().op, RecordingCanvas::Op::End);
    EXPECT_EQ(texts, pages * 5 + 4 * 3);

    RecordingCanvas failing;
    failing.failOnText(2);
    EXPECT_FALSE(PrintList(failing, sampleList(4)));
    EXPECT_EQ(failing.calls.last().op, RecordingCanvas::Op::Abort);
}
