#include "CoreFixtures.h"
#include "TestValues.h"

#include "base/Errors.h"
#include "systems/Conditions.h"
#include "systems/Constructor.h"
#include "systems/GuaranteeCheck.h"
#include "systems/Optimiser.h"

#include <gtest/gtest.h>

using namespace taru;
using taru::test::conditionsWith;
using taru::test::greedy;
using taru::test::range;

namespace {

// A fixed amount of work: the same result on any machine, and the budget only as a safety net.
OptimiserOptions fixedWork(std::int64_t work, std::uint64_t seed = 7)
{
    OptimiserOptions options;
    options.workLimit = work;
    options.seed = seed;
    options.budget = std::chrono::seconds(60);
    return options;
}

// Checked here again, on its own: complete, every column G numbers of the pool that pass.
void expectKeepsThePromise(const OptimiserResult &result, const GuaranteeSetup &setup, const ColumnConditions &conditions)
{
    EXPECT_TRUE(result.check.holds());
    EXPECT_TRUE(CheckGuarantee(result.columns, setup, conditions).holds());
    for (const auto column : result.columns) {
        bool stop = false;
        EXPECT_TRUE(ColumnPassesConditions(conditions, column, stop));
        EXPECT_TRUE(std::is_sorted(column.begin(), column.end()));
        for (const std::uint8_t number : column)
            EXPECT_TRUE(std::binary_search(setup.pool.begin(), setup.pool.end(), number));
    }
    EXPECT_LE(result.columns.size(), static_cast<std::size_t>(result.startColumns));
}

} // namespace

// Small cases reach their known optima (10 numbers, game 5, "... 3": 2 columns, is the command
// line's); under conditions and required sets the system shrinks; large "G or G-1" systems start
// from a residue class and its patches instead of the greedy one.
TEST(Optimiser, ShrinksTheGreedySystemAndKeepsThePromise)
{
    struct Case { int first, last, game, threshold; ColumnConditions conditions; int workBits; std::size_t optimum; };
    const std::vector<Case> cases = {
        {1, 12, 6, 3, {}, 22, 2},
        {1, 10, 6, 4, {}, 22, 3},
        {11, 28, 6, 4, conditionsWith([](ConditionEntries &e) { e.sets[0] = {"11,13,17,19,23", "1", "3"}; }), 23, 0},
        {1, 14, 6, 4, conditionsWith([](ConditionEntries &e) {
             e.row(kOddRow) = {"2", "4"};
             e.sets[1] = {"1,2,3", "1", "2"};
         }), 23, 0},
        {21, 40, 5, 4, conditionsWith([](ConditionEntries &e) { e.row(kDecadesRow) = {"2", "2"}; }), 23, 0},
        {1, 25, 6, 5, {}, 16, 0}, // the class, after very little search
        {1, 25, 6, 5, conditionsWith([](ConditionEntries &e) {
             e.row(kSumRow) = {"40", "120"};
             e.sets[0] = {"2,3,5,7,11,13,17,19,23", "1", "4"};
         }), 16, 0},
    };
    for (const Case &c : cases) {
        const GuaranteeSetup setup{range(c.first, c.last), c.game, c.threshold};
        const SystemColumns start = greedy(setup, c.conditions);
        const OptimiserResult result = OptimiseSystem(start, setup, c.conditions, fixedWork(std::int64_t{1} << c.workBits));
        SCOPED_TRACE(testing::Message() << c.first << ".." << c.last << ", game " << c.game << ", T " << c.threshold);
        EXPECT_EQ(result.startColumns, static_cast<std::int64_t>(start.size()));
        if (c.optimum)
            EXPECT_EQ(result.columns.size(), c.optimum);
        else
            EXPECT_LT(result.columns.size(), start.size());
        expectKeepsThePromise(result, setup, c.conditions);
    }
}

TEST(Optimiser, AStopReturnsACompleteSystem)
{
    const GuaranteeSetup setup{range(1, 25), 6, 3};
    std::atomic<bool> stop{false};
    int reports = 0;
    OptimiserOptions options;
    options.stop = &stop;
    options.progress = [&](const OptimiserProgress &progress) {
        ++reports;
        EXPECT_GT(progress.bestColumns, 0);
        EXPECT_GE(progress.uncovered, 0);
        stop = true; // at once, at the first report
    };
    const OptimiserResult result = OptimiseSystem(greedy(setup), setup, {}, options);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(reports, 1);
    EXPECT_LT(result.seconds, 5.0);
    expectKeepsThePromise(result, setup, {});
}

TEST(Optimiser, TheSameSeedAndWorkGiveTheSameSystem)
{
    const GuaranteeSetup setup{range(1, 18), 6, 4};
    const SystemColumns start = greedy(setup);
    const OptimiserResult first = OptimiseSystem(start, setup, {}, fixedWork(std::int64_t{1} << 22, 99));
    const OptimiserResult again = OptimiseSystem(start, setup, {}, fixedWork(std::int64_t{1} << 22, 99));
    EXPECT_EQ(first.columns, again.columns);
    EXPECT_EQ(first.moves, again.moves);
}

TEST(Optimiser, StartsItCannotImproveOrRefuses)
{
    // The full system, and a single column: returned as they are.
    const GuaranteeSetup full{range(1, 8), 5, 5};
    EXPECT_EQ(OptimiseSystem(greedy(full), full).columns, greedy(full));
    const GuaranteeSetup one{range(1, 6), 5, 4};
    EXPECT_EQ(OptimiseSystem(greedy(one), one).columns.size(), 1u);
    // Too many G-subsets to hold: the start, marked.
    const GuaranteeSetup wide{range(1, 80), 6, 1};
    const OptimiserResult tooLarge = OptimiseSystem(greedy(wide), wide);
    EXPECT_TRUE(tooLarge.tooLarge);
    EXPECT_EQ(tooLarge.columns, greedy(wide));
    EXPECT_TRUE(tooLarge.check.holds());

    const GuaranteeSetup setup{range(1, 10), 5, 3};
    EXPECT_THROW(OptimiseSystem(SystemColumns{{1, 2, 3, 4, 5}}, setup), RangeError); // holes
    EXPECT_THROW(OptimiseSystem(SystemColumns{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 11}}, setup), RangeError); // 11
    EXPECT_THROW(OptimiseSystem(SystemColumns{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10, 1}}, setup), RangeError); // 6 numbers
    EXPECT_THROW(OptimiseSystem(greedy(setup), {range(1, 10), 5, 0}), RangeError);
}

TEST(Optimiser, LowerBoundAndTexts)
{
    // 252 / 126, 593,775 / 145, the full system, a game larger than the pool.
    for (const auto &[n, game, threshold, bound] : {std::tuple{10, 5, 3, 2}, {30, 6, 5, 4095}, {6, 6, 6, 1}, {5, 6, 3, 0}})
        EXPECT_EQ(CoverLowerBound(n, game, threshold), bound) << n << " " << game << " " << threshold;

    OptimiserResult result;
    result.startColumns = 78;
    result.columns = SystemColumns{{1, 2, 3}, {4, 5, 6}};
    result.check.total = result.check.covered = 20;
    EXPECT_EQ(OptimiserMessage(result), "Αρχικό σύστημα: 78 στήλες\nΒελτιστοποιημένο σύστημα: 2 στήλες\nΈλεγχος εγγύησης: 100%");
    EXPECT_EQ(OptimiserProgressText({30, 29, 4, 1000, 1.5}),
              "Βελτιστοποίηση: 30 στήλες, τρέχουσα αναζήτηση 29 στήλες με 4 ακάλυπτους συνδυασμούς");
}
