#include "CoreFixtures.h"

#include "data/CouponFile.h"
#include "draws/Backtest.h"
#include "draws/DrawsFile.h"

#include <gtest/gtest.h>

using namespace taru;
using namespace taru::draws;
using taru::test::couponsOf;

namespace {

std::vector<std::int64_t> countsOf(const std::vector<BacktestCategory> &categories)
{
    std::vector<std::int64_t> counts;
    for (const BacktestCategory &category : categories)
        counts.push_back(category.count);
    return counts;
}

} // namespace

// Two coupons against three draws counted by hand: the command line's backtest and the printed
// sheet (BacktestPrint).
TEST(Backtest, EdgesOfCouponsAndDraws)
{
    const DrawList three = test::threeDraws();
    // Coupons announced past the file's lines hit nothing; a repeated number counts once; numbers
    // outside 1..80 never hit.
    const BacktestResult padded = Backtest(couponsOf(4, 3, {{80, 80, 1}, {0, 81, 200}}), three);
    EXPECT_EQ(countsOf(padded.categories), (std::vector<std::int64_t>{0, 1, 2, 9}));
    EXPECT_EQ(padded.bestDraw, 2); // 1 and 80
    // No draws: zero counts and no best draw.
    const BacktestResult none = Backtest(couponsOf(1, 2, {{1, 2}}), {});
    EXPECT_EQ(countsOf(none.categories), (std::vector<std::int64_t>{0, 0, 0}));
    EXPECT_EQ(none.bestDraw, -1);
    EXPECT_TRUE(BestDrawText(none, {}).isEmpty());
    // No coupons: the best draw is the first.
    EXPECT_EQ(Backtest(couponsOf(0, 5, {}), three).bestDraw, 0);
}
