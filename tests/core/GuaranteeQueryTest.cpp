#include "systems/GuaranteeQuery.h"

#include "CoreFixtures.h"
#include "TestValues.h"

#include <gtest/gtest.h>

using namespace taru;
using taru::test::col;

// Each text reads to its pool, and the pool is written back the short way and reads again.
TEST(GuaranteeQuery, PoolTextsReadAndAreWrittenBackShort)
{
    const struct {
        const char *text;
        std::vector<std::uint8_t> pool;
        const char *written;
    } cases[] = {
        {"1-5", col({1, 2, 3, 4, 5}), "1-5"},
        {" 7, 3 ;5\t1 ", col({1, 3, 5, 7}), "1,3,5,7"},
        {"80 1 80 1-2", col({1, 2, 80}), "1,2,80"},
        {"9-9", col({9}), "9"},
        {"78-80,1", col({1, 78, 79, 80}), "1,78-80"},
        {"11,10,9,8,80,6,5,3,2,1", col({1, 2, 3, 5, 6, 8, 9, 10, 11, 80}), "1-3,5,6,8-11,80"},
    };
    for (const auto &c : cases) {
        const PoolParse parsed = ParsePool(QString::fromUtf8(c.text));
        EXPECT_TRUE(parsed.ok()) << c.text << ": " << parsed.error.toStdString();
        EXPECT_EQ(parsed.pool, c.pool) << c.text;
        EXPECT_EQ(PoolText(c.pool), QString::fromUtf8(c.written));
        EXPECT_EQ(ParsePool(PoolText(c.pool)).pool, c.pool) << c.written;
    }
    EXPECT_EQ(PoolText({}), QString());
}

TEST(GuaranteeQuery, PoolTextsThatDoNotRead)
{
    const struct {
        const char *text;
        const char *error;
    } cases[] = {
        {"", "Δώστε τους αριθμούς του ελέγχου"},         {" , ;", "Δώστε τους αριθμούς του ελέγχου"},
        {"1,x,3", "Μη έγκυρος αριθμός: «x»"},           {"1-", "Μη έγκυρος αριθμός: «1-»"},
        {"-3", "Μη έγκυρος αριθμός: «-3»"},             {"+3", "Μη έγκυρος αριθμός: «+3»"},
        {"2.5", "Μη έγκυρος αριθμός: «2.5»"},           {"0", "Οι αριθμοί είναι από 1 έως 80: «0»"},
        {"75-81", "Οι αριθμοί είναι από 1 έως 80: «75-81»"}, {"20-1", "Μη έγκυρο διάστημα: «20-1»"},
    };
    for (const auto &c : cases) {
        const PoolParse parsed = ParsePool(QString::fromUtf8(c.text));
        EXPECT_FALSE(parsed.ok()) << c.text;
        EXPECT_EQ(parsed.error, QString::fromUtf8(c.error)) << c.text;
    }
}

TEST(GuaranteeQuery, ChecksThatCannotRun)
{
    const struct {
        int game, threshold, pool;
        const char *error;
    } cases[] = {
        {0, 1, 10, "Το παιχνίδι είναι από 1 έως 12 αριθμούς"},
        {13, 1, 20, "Το παιχνίδι είναι από 1 έως 12 αριθμούς"},
        {6, 0, 10, "Η εγγύηση είναι από 1 έως 6 αριθμούς"},
        {6, 7, 10, "Η εγγύηση είναι από 1 έως 6 αριθμούς"},
        {6, 5, 5, "Χρειάζονται τουλάχιστον 6 αριθμοί για παιχνίδι 6 (δόθηκαν 5)"},
        {6, 6, 6, ""},
        {12, 1, 80, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GuaranteeQueryError(c.game, c.threshold, c.pool), QString::fromUtf8(c.error)) << c.game << c.threshold;
}

TEST(GuaranteeQuery, HolesHeadings)
{
    const struct {
        std::int64_t total, covered;
        int listed;
        bool stopped;
        const char *heading;
    } cases[] = {
        {10, 10, 0, false, "Κανένας ακάλυπτος συνδυασμός"},
        {10, 9, 1, false, "Ακάλυπτος συνδυασμός: 1"},
        {10, 7, 3, false, "Ακάλυπτοι συνδυασμοί: 3"},
        {5000, 2000, 1000, false, "Οι πρώτοι 1000 από 3000 ακάλυπτους συνδυασμούς"},
        {10, 7, 3, true, "Ακάλυπτοι συνδυασμοί ως τη διακοπή: 3"},
    };
    for (const auto &c : cases) {
        GuaranteeCheckResult r;
        r.total = c.total;
        r.covered = c.covered;
        r.stopped = c.stopped;
        r.holes = SystemColumns(2);
        for (int i = 0; i < c.listed; ++i)
            r.holes.append({1, 2});
        EXPECT_EQ(HolesHeading(r), QString::fromUtf8(c.heading));
    }
}

TEST(GuaranteeQuery, CouponFileColumnsCheckAsWritten)
{
    // Five numbers a coupon, a short line, and coupons announced past the lines (they cover nothing).
    const SystemColumns columns = CouponFileColumns(test::couponsOf(1'000'000, 5, {{1, 2, 3, 4, 5}, {6, 7, 8}}));
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(HoleText(columns[1]), "6 7 8");

    // Pool 1..8, game 3, guarantee 3: the 3-subsets inside {1..5} or {6,7,8} are covered.
    const GuaranteeCheckResult check = CheckGuarantee(columns, GuaranteeSetup{NumbersUsed(columns), 3, 3});
    EXPECT_EQ(check.total, 56);
    EXPECT_EQ(check.covered, 10 + 1);
    EXPECT_EQ(HoleText(check.holes[0]), "1 2 6");
}
