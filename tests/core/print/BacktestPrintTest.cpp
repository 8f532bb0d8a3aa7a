#include "CoreFixtures.h"

#include "print/BacktestPrint.h"

#include <gtest/gtest.h>

using namespace taru;
using namespace taru::draws;

namespace {

const DrawList kThreeDraws = test::threeDraws();

// {1..5} hits 5 in every draw; {5,21,22,60,80} hits 1, 3 and 2 (counted by hand).
BacktestResult twoCoupons(const DrawList &draws = kThreeDraws, bool withLines = true)
{
    return Backtest(test::couponsOf(2, 5, withLines ? std::vector<std::vector<std::uint8_t>>{{1, 2, 3, 4, 5}, {5, 21, 22, 60, 80}}
                                                    : std::vector<std::vector<std::uint8_t>>{}),
                    draws);
}

BacktestSheet sheetOf(const BacktestResult &result, const QLocale &locale)
{
    return BacktestSheet{QStringLiteral("ΣΥΣΤΗΜΑ 5.tru"), BacktestSummary(result), BacktestDrawRange(kThreeDraws),
                         BacktestTable(result, locale), BestDrawText(result, kThreeDraws)};
}

const ListHeader kHeader{{QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ"), QStringLiteral("Οδός 1"), QStringLiteral("Τηλ. 210")}, QString()};

// A sheet of a game of k numbers: k + 1 rows.
BacktestSheet sheetOfGame(int game)
{
    BacktestResult result;
    result.game = game;
    result.columns = 1;
    result.draws = 1;
    for (int hits = game; hits >= 0; --hits)
        result.categories.push_back(BacktestCategory{hits, hits == 0 ? 1 : 0});
    BacktestSheet sheet = sheetOf(result, QLocale::c());
    sheet.best = QStringLiteral("Καλύτερη κλήρωση: 1001");
    return sheet;
}

} // namespace

// The table as printed: the rows counted by hand (share in the Greek locale's format), the
// summary, the range of draws and the best draw.
TEST(BacktestPrint, OnePageAsTheOtherListsPrint)
{
    RecordingCanvas canvas;
    const BacktestSheet sheet = sheetOf(twoCoupons(), QLocale(QLocale::Greek, QLocale::Greece));
    ASSERT_TRUE(PrintBacktest(canvas, sheet, kHeader).printed());
    EXPECT_EQ(canvas.orientation, PageOrientation::Portrait);
    EXPECT_EQ(canvas.calls.back().op, RecordingCanvas::Op::End);

    const QList<RecordingCanvas::Call> all = canvas.texts();
    QStringList texts;
    for (const RecordingCanvas::Call &call : all)
        texts << call.text;
    EXPECT_EQ(texts, (QStringList{
                         "ΠΡΑΚΤΟΡΕΙΟ", "Οδός 1", "Τηλ. 210", "ΙΣΤΟΡΙΚΟ ΔΕΛΤΙΩΝ: ΣΥΣΤΗΜΑ 5.tru", kListBanner,
                         "ΕΠΙΤΥΧΙΕΣ", "ΣΤΗΛΕΣ × ΚΛΗΡΩΣΕΙΣ", "ΠΟΣΟΣΤΟ", "ΣΤΗΝ ΚΑΛΥΤΕΡΗ",
                         "5 επιτυχίες", "3", "50,00%", "1",
                         "4 επιτυχίες", "0", "0,00%", "0",
                         "3 επιτυχίες", "1", "16,67%", "1",
                         "2 επιτυχίες", "1", "16,67%", "0",
                         "1 επιτυχία", "1", "16,67%", "0",
                         "0 επιτυχίες", "0", "0,00%", "0",
                         "2 στήλες των 5 αριθμών σε 3 κληρώσεις: 6 έλεγχοι στήλης με κλήρωση",
                         "Κληρώσεις 1001 (05/01/2026) έως 1003 (07/01/2026)",
                         "Καλύτερη κλήρωση: 1002 της 06/01/2026 (1 στήλη με 5 επιτυχίες)"}));

    // Each row on one line in the table's font, the cells left to right, rows going down the
    // page; the closing lines under the table in the header's size.
    int previous = all.at(5).y;
    for (int row = 0; row <= 6; ++row) {
        const int first = 5 + 4 * row;
        for (int c = 1; c < 4; ++c) {
            EXPECT_EQ(all.at(first + c).y, all.at(first).y) << row;
            EXPECT_GT(all.at(first + c).x, all.at(first + c - 1).x) << row;
        }
        EXPECT_EQ(all.at(first).fontSize, 7);
        EXPECT_EQ(all.at(first).style.bold, row == 0) << row;
        if (row > 0) {
            EXPECT_GT(all.at(first).y, previous);
        }
        previous = all.at(first).y;
    }
    for (int i = 33; i < all.size(); ++i) {
        EXPECT_GT(all.at(i).y, previous);
        EXPECT_EQ(all.at(i).fontSize, 12);
        previous = all.at(i).y;
    }
}

// Whatever the number of rows, nothing is printed past the foot of a page: the table goes on
// under its heading, and the closing lines move to a page of their own when they would not fit.
TEST(BacktestPrint, NothingFallsOffAPage)
{
    bool closingMoved = false;
    for (int game = 0; game <= 80; ++game) {
        RecordingCanvas canvas;
        ASSERT_TRUE(PrintBacktest(canvas, sheetOfGame(game), kHeader).printed());
        int pages = 1;
        int headings = 0;
        int lastRowPage = 0;
        int rows = 0;
        for (const RecordingCanvas::Call &call : canvas.calls) {
            if (call.op == RecordingCanvas::Op::NewPage)
                ++pages;
            if (call.op != RecordingCanvas::Op::Text)
                continue;
            ASSERT_LE(call.y + canvas.textHeight(call.text), canvas.pageHeight()) << game << " " << call.text.toStdString();
            headings += call.text == QStringLiteral("ΕΠΙΤΥΧΙΕΣ");
            if (call.text.contains(QStringLiteral("επιτυχ"))) {
                ++rows;
                lastRowPage = pages;
            }
            if (call.text == QStringLiteral("Καλύτερη κλήρωση: 1001") && pages > lastRowPage)
                closingMoved = true;
        }
        EXPECT_EQ(rows, game + 1);
        EXPECT_EQ(headings, pages) << game;
    }
    EXPECT_TRUE(closingMoved) << "some row count leaves no room for the closing lines";
}

// Without draws: counts, no shares and no best draw; a failed printer aborts the document.
TEST(BacktestPrint, NoDrawsAndAFailedPrinter)
{
    const auto none = BacktestTable(twoCoupons({}, false));
    ASSERT_EQ(none.size(), 6u);
    EXPECT_EQ((QStringList{none[0].count, none[0].share, none[0].best}), (QStringList{"0", "", ""}));
    EXPECT_TRUE(BacktestDrawRange(DrawList()).isEmpty());

    RecordingCanvas failing;
    failing.failOnText(12);
    const PrintResult failed = PrintBacktest(failing, sheetOfGame(6), kHeader);
    EXPECT_EQ(failed.outcome, PrintOutcome::PrinterFailed);
    EXPECT_EQ(failing.calls.back().op, RecordingCanvas::Op::Abort);
}
