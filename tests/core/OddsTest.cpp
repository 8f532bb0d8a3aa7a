#include "TestValues.h"

#include "base/Errors.h"
#include "systems/Odds.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <array>
#include <cmath>

using namespace taru;

namespace {

// The 20 numbers drawn one at a time: dp[h] is the chance of h pool numbers so far.
long double sequentialDraw(int n, int game)
{
    std::array<long double, 21> dp{};
    dp[0] = 1.0L;
    for (int drawn = 0; drawn < 20; ++drawn) {
        std::array<long double, 21> next{};
        for (int h = 0; h <= drawn; ++h) {
            const long double fromPool = static_cast<long double>(n - h) / (80 - drawn);
            next[h + 1] += dp[h] * fromPool;
            next[h] += dp[h] * (1.0L - fromPool);
        }
        dp = next;
    }
    long double p = 0.0L;
    for (int h = game; h <= 20; ++h)
        p += dp[h];
    return p;
}

} // namespace

TEST(Odds, AgreeWithDrawingOneNumberAtATime)
{
    const std::pair<int, int> cases[] = {{10, 5}, {30, 6}, {20, 4}, {80, 12}, {12, 12}, {1, 1}, {40, 8}};
    for (const auto &[n, game] : cases) {
        const GameOdds odds = OddsOfGame(n, game);
        EXPECT_NEAR(static_cast<double>(odds.probability() / sequentialDraw(n, game)), 1.0, 1e-12) << n << " " << game;
    }
    // Ten numbers, game five: sum over k = 5..10 of C(10,k) C(70,20-k) out of C(80,20).
    const GameOdds ten = OddsOfGame(10, 5);
    EXPECT_EQ(ten.total, 3535316142212174320ull);
    EXPECT_EQ(ten.favourable, 228593109020450944ull); // its decimal: cli.odds_10_5
}

// 12 of 12 and more than the pool as decimals: cli.odds_12_12, cli.odds_more_than_the_pool.
TEST(Odds, EdgesOfThePool)
{
    EXPECT_EQ(ProbabilityDecimal(OddsOfGame(80, 12)), "1.00000000000"); // every draw brings 20 of 80
    EXPECT_EQ(OddsOfGame(20, 20).favourable, 1u);
    EXPECT_EQ(OddsOfGame(12, 12).favourable, 7392009768u); // C(68,8)
    EXPECT_EQ(ProbabilityDecimal(OddsOfGame(80, 21)), "0");         // more than a draw
    EXPECT_THROW(OddsOfGame(81, 5), RangeError);
    EXPECT_THROW(OddsOfGame(-1, 5), RangeError);
}

TEST(Odds, TextsForTheWindow)
{
    const QLocale greek(QLocale::Greek, QLocale::Greece);
    EXPECT_EQ(OddsText(10, 5, OddsOfGame(10, 5), greek), "Πιθανότητα για 5 από τους 10 αριθμούς σε μια κλήρωση: 6,47% (1 στις 15,47)");
    EXPECT_EQ(OddsText(12, 12, OddsOfGame(12, 12), greek),
              "Πιθανότητα για 12 από τους 12 αριθμούς σε μια κλήρωση: 0,0000002091% (1 στις 478261833)");
    EXPECT_EQ(OddsText(5, 6, OddsOfGame(5, 6), greek), "Πιθανότητα για 6 από τους 5 αριθμούς σε μια κλήρωση: καμία");
    EXPECT_EQ(GuaranteeCostText(10.0, OddsOfGame(10, 5), greek), "Κόστος ανά κλήρωση που ενεργοποιεί την εγγύηση: 154,66 Ευρώ");
    EXPECT_EQ(GuaranteeCostText(10.0, OddsOfGame(5, 6), greek), "");
}
