#include "TestValues.h"

#include "data/CouponFile.h"
#include "draws/Backtest.h"
#include "draws/DrawsFile.h"

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
        entry.numbers[i++] = QString::number(n);
    return entry;
}

DrawList listOf(std::initializer_list<DrawEntry> entries)
{
    DrawList list;
    for (const DrawEntry &entry : entries)
        list.append(entry);
    return list;
}

data::CouponFileData couponsOf(int count, int game, std::vector<std::vector<std::uint8_t>> lines)
{
    data::CouponFileData file;
    file.count = count;
    file.game = game;
    file.valid = true;
    for (auto &numbers : lines)
        file.lines.push_back(data::CouponLine{std::move(numbers)});
    return file;
}

std::vector<std::int64_t> countsOf(const std::vector<BacktestCategory> &categories)
{
    std::vector<std::int64_t> counts;
    for (const BacktestCategory &category : categories)
        counts.push_back(category.count);
    return counts;
}

const DrawList kThreeDraws = listOf({
    drawOf("1001", "05/01/2026", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}),
    drawOf("1002", "06/01/2026", {1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 21, 22, 23, 24, 25, 31, 32, 33, 34, 35}),
    drawOf("1003", "07/01/2026", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80}),
});

} // namespace

// By hand: {1..5} hits 5 in every draw; {5,21,22,60,80} hits 1, 3 and 2.
TEST(Backtest, TwoCouponsAgainstThreeDraws)
{
    const BacktestResult result = Backtest(couponsOf(2, 5, {{1, 2, 3, 4, 5}, {5, 21, 22, 60, 80}}), kThreeDraws);
    EXPECT_EQ(result.categories.front().hits, 5);
    EXPECT_EQ(result.categories.back().hits, 0);
    EXPECT_EQ(countsOf(result.categories), (std::vector<std::int64_t>{3, 0, 1, 1, 1, 0}));
    EXPECT_EQ(result.columns, 2);
    EXPECT_EQ(result.draws, 3);
    // All three have one five; the second alone has a three.
    EXPECT_EQ(result.bestDraw, 1);
    EXPECT_EQ(countsOf(result.bestCategories), (std::vector<std::int64_t>{1, 0, 1, 0, 0, 0}));
    EXPECT_EQ(BestDrawText(result, kThreeDraws), "Καλύτερη κλήρωση: 1002 της 06/01/2026 (1 στήλη με 5 επιτυχίες)");
}

TEST(Backtest, EdgesOfCouponsAndDraws)
{
    // Coupons announced past the file's lines hit nothing; a repeated number counts once; numbers
    // outside 1..80 never hit.
    const BacktestResult padded = Backtest(couponsOf(4, 3, {{80, 80, 1}, {0, 81, 200}}), kThreeDraws);
    EXPECT_EQ(countsOf(padded.categories), (std::vector<std::int64_t>{0, 1, 2, 9}));
    EXPECT_EQ(padded.bestDraw, 2); // 1 and 80
    // No draws: zero counts and no best draw.
    const BacktestResult none = Backtest(couponsOf(1, 2, {{1, 2}}), {});
    EXPECT_EQ(countsOf(none.categories), (std::vector<std::int64_t>{0, 0, 0}));
    EXPECT_EQ(none.bestDraw, -1);
    EXPECT_TRUE(BestDrawText(none, {}).isEmpty());
    // No coupons: the best draw is the first.
    EXPECT_EQ(Backtest(couponsOf(0, 5, {}), kThreeDraws).bestDraw, 0);
}
