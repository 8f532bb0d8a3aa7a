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
    file.lines.push_back({{1, 2, 3, 4, 5}});
    file.lines.push_back({{5, 21, 22, 60, 80}});
    return Backtest(file, kThreeDraws);
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
    data::CouponFileData twoEmpty;
    twoEmpty.count = 2;
    twoEmpty.game = 5;
    twoEmpty.valid = true;
    const auto none = BacktestTable(Backtest(twoEmpty, {}));
    ASSERT_EQ(none.size(), 6u);
    EXPECT_EQ(none[0].count, "0");
    EXPECT_TRUE(none[0].share.isEmpty());
    EXPECT_TRUE(none[0].best.isEmpty());
}

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
                         QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ"), QStringLiteral("Οδός 1"), QStringLiteral("Τηλ. 210"),
                         QStringLiteral("ΙΣΤΟΡΙΚΟ ΔΕΛΤΙΩΝ: ΣΥΣΤΗΜΑ 5.tru"), kListBanner,
                         QStringLiteral("ΕΠΙΤΥΧΙΕΣ"), QStringLiteral("ΣΤΗΛΕΣ × ΚΛΗΡΩΣΕΙΣ"), QStringLiteral("ΠΟΣΟΣΤΟ"),
                         QStringLiteral("ΣΤΗΝ ΚΑΛΥΤΕΡΗ"),
                         QStringLiteral("5 επιτυχίες"), QStringLiteral("3"), QStringLiteral("50,00%"), QStringLiteral("1"),
                         QStringLiteral("4 επιτυχίες"), QStringLiteral("0"), QStringLiteral("0,00%"), QStringLiteral("0"),
                         QStringLiteral("3 επιτυχίες"), QStringLiteral("1"), QStringLiteral("16,67%"), QStringLiteral("1"),
                         QStringLiteral("2 επιτυχίες"), QStringLiteral("1"), QStringLiteral("16,67%"), QStringLiteral("0"),
                         QStringLiteral("1 επιτυχία"), QStringLiteral("1"), QStringLiteral("16,67%"), QStringLiteral("0"),
                         QStringLiteral("0 επιτυχίες"), QStringLiteral("0"), QStringLiteral("0,00%"), QStringLiteral("0"),
                         sheet.summary, sheet.drawRange,
                         QStringLiteral("Καλύτερη κλήρωση: 1002 της 06/01/2026 (1 στήλη με 5 επιτυχίες)")}));

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

TEST(BacktestPrint, AFailedPrinterAbortsTheDocument)
{
    RecordingCanvas failing;
    failing.failOnText(12);
    const PrintResult failed = PrintBacktest(failing, sheetOfGame(6), kHeader);
    EXPECT_EQ(failed.outcome, PrintOutcome::PrinterFailed);
    EXPECT_EQ(failing.calls.back().op, RecordingCanvas::Op::Abort);
}
