#include "base/Errors.h"
#include "game/Pricing.h"

#include <gtest/gtest.h>

using namespace taru;

namespace {
const QLocale kPoint = QLocale::c();
const QLocale kComma(QLocale::Greek, QLocale::Greece);
} // namespace

TEST(Pricing, MultiplierIsSumOfMarkedBoxesOrOne)
{
    MultiplierBoxes boxes{};
    EXPECT_EQ(CouponMultiplier(boxes), 1);
    boxes[0] = boxes[1] = true; // 2 + 3
    EXPECT_EQ(CouponMultiplier(boxes), 5);
    boxes.fill(true);
    EXPECT_EQ(CouponMultiplier(boxes), 70);
}

TEST(Pricing, DrawsTakeTheLastMarkedBoxInScanOrder)
{
    DrawBoxes boxes{};
    EXPECT_EQ(CouponDraws(boxes), 1);
    boxes[0][3] = true;
    EXPECT_EQ(CouponDraws(boxes), 5);
    boxes[1][0] = true; // column 1 is scanned after column 0
    EXPECT_EQ(CouponDraws(boxes), 10);
    boxes = {};
    boxes[1][4] = true;
    EXPECT_EQ(CouponDraws(boxes), 200);
}

TEST(Pricing, CostAndItsTextUnderBothSeparators)
{
    EXPECT_EQ(FormatMoney(CouponCost(1, 1, 1, 0.5), kPoint), "0.50");
    EXPECT_EQ(FormatMoney(CouponCost(1, 1, 1, 0.5), kComma), "0,50");
    EXPECT_EQ(FormatMoney(CouponCost(1, 5, 12, 0.5), kPoint), "30.00");
    EXPECT_EQ(FormatMoney(CouponCost(1, 200, 70, 0.5), kPoint), "7000.00"); // no digit grouping
    EXPECT_EQ(FormatMoney(CouponCost(1, 200, 70, 0.5), kComma), "7000,00");
    EXPECT_EQ(FormatMoney(CouponCost(18655, 1, 1, 0.5), kComma), "9327,50");
}

TEST(Pricing, ProductOverflowRaisesOverflowError)
{
    EXPECT_NO_THROW(CouponCost(153391689, 14, 1, 0.5)); // 2147483646
    EXPECT_THROW(CouponCost(2147483647, 2, 1, 0.5), OverflowError);
    EXPECT_THROW(CouponCost(1000000, 200, 70, 0.5), OverflowError);
}

TEST(Pricing, CombinationsTable)
{
    struct Case { int n, k; std::int64_t expected; };
    const Case cases[] = {
        {10, 5, 252}, {5, 6, 0}, {0, 0, 1}, {7, 0, 1}, {1, 1, 1}, {30, 6, 593775}, {30, 8, 5852925},
        {40, 6, 3838380}, {80, 12, 60246643120300LL}, {80, 1, 80}, {12, 12, 1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Combinations(c.n, c.k), c.expected) << c.n << " choose " << c.k;
}

TEST(Pricing, CombinationsFactorialOverflowFromK21)
{
    EXPECT_NO_THROW(Combinations(25, 20));
    EXPECT_THROW(Combinations(30, 21), OverflowError);
    EXPECT_THROW(Combinations(80, 40), OverflowError);
}

TEST(Pricing, GameBoxOfGame)
{
    EXPECT_EQ(gameBoxOf(5), 8);
    EXPECT_EQ(gameBoxOf(12), 1);
    EXPECT_EQ(gameBoxOf(1), 12);
}

TEST(Pricing, ColumnPriceUnderBothSeparators)
{
    EXPECT_DOUBLE_EQ(LoadColumnPrice(kPoint), 0.5);
    EXPECT_DOUBLE_EQ(LoadColumnPrice(kComma), 0.5);
}
