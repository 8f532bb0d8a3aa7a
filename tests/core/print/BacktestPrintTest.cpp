#include "print/BacktestPrint.h"

#include <gtest/gtest.h>

using namespace taru;
using namespace taru::draws;

namespace {

DrawEntry drawOf(const QString &number, const QString &date, std::initializer_list<int> numbers)
{
    DrawEntry entry;
    entry.drawNumber = number;
    entry.date = date;
    int i = 0;
    for (const int n : numbers)
        entry.numbers[static_cast<std::size_t>(i++)] = QString::number(n);
    return entry;
}

DrawList threeDraws()
{
    DrawList list;
    list.append(drawOf("1001", "05/01/2026", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    list.append(drawOf("1002", "06/01/2026", {1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 21, 22, 23, 24, 25, 31, 32, 33, 34, 35}));
    list.append(drawOf("1003", "07/01/2026", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80}));
    return list;
}
const DrawList kThreeDraws = threeDraws();

// {1..5} hits 5 in every draw; {5,21,22,60,80} hits 1, 3 and 2 (counted by hand).
BacktestResult twoCoupons()
{
    data::CouponFileData file;
    file.count = 2;
    file.game = 5;
    file.valid = true;
    file.lines.push_back({{1, 2, 3, 4, 5}, {}});
    file.lines.push_back({{5, 21, 22, 60, 80}, {}});
    return Backtest(file, kThreeDraws);
}

BacktestSheet sheetOf(const BacktestResult &result, const QLocale &locale)
{
    return BacktestSheet{QStringLiteral("ΣΥΣΤΗΜΑ 5.tru"), BacktestSummary(result), BacktestDrawRange(kThreeDraws),
                         BacktestTable(result, locale), BestDrawText(result, kThreeDraws),
                         QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ   05/12/2026")};
}

QList<RecordingCanvas::Call> textsAt(const RecordingCanvas &canvas, int y)
{
    QList<RecordingCanvas::Call> out;
    for (const RecordingCanvas::Call &call : canvas.texts()) {
        if (call.y == y)
            out << call;
    }
    return out;
}

} // namespace

TEST(BacktestPrint, TableOfTwoCouponsAgainstThreeDraws)
{
    const BacktestResult result = twoCoupons();
    const auto rows = BacktestTable(result, QLocale(QLocale::Greek, QLocale::Greece));
    const struct {
        const char *hits, *count, *share, *best;
    } expected[] = {
        {"5 επιτυχίες", "3", "50,00%", "1"}, {"4 επιτυχίες", "0", "0,00%", "0"},
        {"3 επιτυχίες", "1", "16,67%", "1"}, {"2 επιτυχίες", "1", "16,67%", "0"},
        {"1 επιτυχία", "1", "16,67%", "0"},  {"0 επιτυχίες", "0", "0,00%", "0"},
    };
    ASSERT_EQ(rows.size(), std::size(expected));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].hits, QString::fromUtf8(expected[i].hits)) << i;
        EXPECT_EQ(rows[i].count, QString::fromUtf8(expected[i].count)) << i;
        EXPECT_EQ(rows[i].share, QString::fromUtf8(expected[i].share)) << i;
        EXPECT_EQ(rows[i].best, QString::fromUtf8(expected[i].best)) << i;
    }
    EXPECT_EQ(BacktestSummary(result), "2 στήλες των 5 αριθμών σε 3 κληρώσεις: 6 έλεγχοι στήλης με κλήρωση");
    EXPECT_EQ(BacktestDrawRange(kThreeDraws), "Κληρώσεις 1001 (05/01/2026) έως 1003 (07/01/2026)");
    EXPECT_TRUE(BacktestDrawRange(DrawList()).isEmpty());

    // No draws: counts without shares or a best draw.
    const auto none = BacktestTable(Backtest(data::CouponFileData{2, 5, {}, {}, 0, 0, {}, true, {}}, {}));
    ASSERT_EQ(none.size(), 6u);
    EXPECT_EQ(none[0].count, "0");
    EXPECT_TRUE(none[0].share.isEmpty());
    EXPECT_TRUE(none[0].best.isEmpty());
}

TEST(BacktestPrint, OnePageLaidOutAsATable)
{
    RecordingCanvas canvas;
    const BacktestSheet sheet = sheetOf(twoCoupons(), QLocale(QLocale::Greek, QLocale::Greece));
    ASSERT_TRUE(PrintBacktest(canvas, sheet).printed());
    EXPECT_EQ(canvas.orientation, PageOrientation::Portrait);
    EXPECT_EQ(canvas.calls.front().op, RecordingCanvas::Op::Orientation);
    EXPECT_EQ(canvas.calls.back().op, RecordingCanvas::Op::End);

    QStringList texts;
    for (const RecordingCanvas::Call &call : canvas.texts())
        texts << call.text;
    // The footer is written first on each page, then the page top to bottom.
    EXPECT_EQ(texts, (QStringList{
                         QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ   05/12/2026   Σελίδα 1"), kBacktestTitle,
                         QStringLiteral("Αρχείο δελτίων: ΣΥΣΤΗΜΑ 5.tru"), sheet.summary, sheet.drawRange,
                         QStringLiteral("ΕΠΙΤΥΧΙΕΣ"), QStringLiteral("ΣΤΗΛΕΣ × ΚΛΗΡΩΣΕΙΣ"), QStringLiteral("ΠΟΣΟΣΤΟ"),
                         QStringLiteral("ΣΤΗΝ ΚΑΛΥΤΕΡΗ"),
                         QStringLiteral("5 επιτυχίες"), QStringLiteral("3"), QStringLiteral("50,00%"), QStringLiteral("1"),
                         QStringLiteral("4 επιτυχίες"), QStringLiteral("0"), QStringLiteral("0,00%"), QStringLiteral("0"),
                         QStringLiteral("3 επιτυχίες"), QStringLiteral("1"), QStringLiteral("16,67%"), QStringLiteral("1"),
                         QStringLiteral("2 επιτυχίες"), QStringLiteral("1"), QStringLiteral("16,67%"), QStringLiteral("0"),
                         QStringLiteral("1 επιτυχία"), QStringLiteral("1"), QStringLiteral("16,67%"), QStringLiteral("0"),
                         QStringLiteral("0 επιτυχίες"), QStringLiteral("0"), QStringLiteral("0,00%"), QStringLiteral("0"),
                         QStringLiteral("Καλύτερη κλήρωση: 1002 της 06/01/2026 (1 στήλη με 5 επιτυχίες)")}));

    // Each row on one line, its cells under the headings, rows going down the page.
    const QList<RecordingCanvas::Call> all = canvas.texts();
    const RecordingCanvas::Call &heading = all.at(5);
    const QList<RecordingCanvas::Call> headings = textsAt(canvas, heading.y);
    ASSERT_EQ(headings.size(), 4);
    int previous = heading.y;
    for (int row = 0; row < 6; ++row) {
        const QList<RecordingCanvas::Call> cells = textsAt(canvas, all.at(9 + 4 * row).y);
        ASSERT_EQ(cells.size(), 4) << row;
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(cells.at(c).x, headings.at(c).x) << row << c;
        EXPECT_GT(cells.at(0).y, previous);
        EXPECT_FALSE(cells.at(0).style.bold);
        previous = cells.at(0).y;
    }
    EXPECT_TRUE(headings.at(0).style.bold);
    EXPECT_TRUE(all.last().style.bold);
    EXPECT_GT(all.last().y, previous);
    EXPECT_LT(all.first().y + all.first().fontSize, canvas.pageHeight()); // the footer stays on the page
    EXPECT_GT(all.first().y, all.last().y);
    EXPECT_EQ(all.at(1).fontSize, 14);
    EXPECT_TRUE(all.at(1).style.bold);
}

TEST(BacktestPrint, LongTablesGoOnWithTheirHeadingAndAFailedPrinterAborts)
{
    // A game of 80 numbers: 81 rows, more than a page holds.
    BacktestResult result;
    result.game = 80;
    result.columns = 1;
    result.draws = 1;
    for (int hits = 80; hits >= 0; --hits)
        result.categories.push_back(BacktestCategory{hits, hits == 20 ? 1 : 0});
    const BacktestSheet sheet = sheetOf(result, QLocale::c());
    RecordingCanvas canvas;
    ASSERT_TRUE(PrintBacktest(canvas, sheet).printed());

    int pages = 1;
    int headingsSeen = 0;
    int rowsSeen = 0;
    for (const RecordingCanvas::Call &call : canvas.calls) {
        if (call.op == RecordingCanvas::Op::NewPage)
            ++pages;
        if (call.op != RecordingCanvas::Op::Text)
            continue;
        EXPECT_LT(call.y, canvas.pageHeight());
        headingsSeen += call.text == QStringLiteral("ΕΠΙΤΥΧΙΕΣ");
        rowsSeen += call.text.endsWith(QStringLiteral("επιτυχίες")) || call.text.endsWith(QStringLiteral("επιτυχία"));
    }
    EXPECT_EQ(pages, 2);
    EXPECT_EQ(headingsSeen, 2);
    EXPECT_EQ(rowsSeen, 81);

    RecordingCanvas failing;
    failing.failOnText(3);
    const PrintResult failed = PrintBacktest(failing, sheet);
    EXPECT_EQ(failed.outcome, PrintOutcome::PrinterFailed);
    EXPECT_EQ(failing.calls.back().op, RecordingCanvas::Op::Abort);
}
