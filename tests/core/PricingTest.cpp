#include "base/Errors.h"
#include "game/Pricing.h"

#include <gtest/gtest.h>

using namespace taru;

namespace {
const QLocale kPoint = QLocale::c();
const QLocale kComma(QLocale::Greek, QLocale::Greece);
} // namespace

TEST(Pricing, MultiplierIsTheSumOfMarkedBoxesOrOneAndDrawsTheLastMarkedBoxInScanOrder)
{
    MultiplierBoxes multipliers{};
    EXPECT_EQ(CouponMultiplier(multipliers), 1);
    multipliers[0] = multipliers[1] = true; // 2 + 3
    EXPECT_EQ(CouponMultiplier(multipliers), 5);
    multipliers.fill(true);
    EXPECT_EQ(CouponMultiplier(multipliers), 70);

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
    struct Case { int columns, draws, multiplier; const char *point, *comma; };
    const Case cases[] = {
        // 200 draws of every box: cli.price_all_boxes.
        {1, 1, 1, "0.50", "0,50"}, {1, 5, 12, "30.00", "30,00"}, {18655, 1, 1, "9327.50", "9327,50"}, // no digit grouping
    };
    for (const Case &c : cases) {
        const double cost = CouponCost(c.columns, c.draws, c.multiplier, 0.5);
        EXPECT_EQ(QStringList({FormatMoney(cost, kPoint), FormatMoney(cost, kComma)}), QStringList({c.point, c.comma}));
    }
    EXPECT_DOUBLE_EQ(LoadColumnPrice(kPoint), 0.5);
    EXPECT_DOUBLE_EQ(LoadColumnPrice(kComma), 0.5);
}

TEST(Pricing, ProductOverflowRaisesOverflowError)
{
    EXPECT_NO_THROW(CouponCost(153391689, 14, 1, 0.5)); // 2147483646
    EXPECT_THROW(CouponCost(2147483647, 2, 1, 0.5), OverflowError);
    EXPECT_THROW(CouponCost(1000000, 200, 70, 0.5), OverflowError);
}

TEST(Pricing, CombinationsAndTheirOverflowFromK21)
{
    struct Case { int n, k; std::int64_t expected; };
    const Case cases[] = {
        {10, 5, 252}, {5, 6, 0}, {0, 0, 1}, {7, 0, 1}, {1, 1, 1}, {30, 6, 593775}, {30, 8, 5852925},
        {40, 6, 3838380}, {80, 12, 60246643120300LL}, {80, 1, 80}, {12, 12, 1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Combinations(c.n, c.k), c.expected) << c.n << " choose " << c.k;
    EXPECT_NO_THROW(Combinations(25, 20));
    EXPECT_THROW(Combinations(30, 21), OverflowError);
    EXPECT_THROW(Combinations(80, 40), OverflowError);
}
