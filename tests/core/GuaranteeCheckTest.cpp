#include "CoreFixtures.h"
#include "TestValues.h"

#include "base/Errors.h"
#include "systems/Conditions.h"
#include "systems/Constructor.h"
#include "systems/GuaranteeCheck.h"
#include "systems/SubsetIndex.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <numeric>
#include <random>

using namespace taru;
using taru::test::conditionsWith;
using taru::test::greedy;
using taru::test::nextCombination;
using taru::test::range;

namespace {

// Every G-subset of the pool in lexicographic order, compared number by number with every column.
GuaranteeCheckResult bruteForce(const SystemColumns &columns, const GuaranteeSetup &setup, const ColumnConditions &conditions)
{
    GuaranteeCheckResult result;
    result.holes = SystemColumns(setup.game);
    const int n = static_cast<int>(setup.pool.size());
    const int g = setup.game;
    if (n < g)
        return result;
    std::vector<int> p(g);
    std::iota(p.begin(), p.end(), 0);
    do {
        std::vector<std::uint8_t> subset(g);
        for (int i = 0; i < g; ++i)
            subset[i] = setup.pool[p[i]];
        bool scratch = false;
        if (ColumnPassesConditions(conditions, subset, scratch)) {
            ++result.total;
            bool covered = false;
            for (const auto column : columns) {
                int shared = 0;
                for (const std::uint8_t x : subset)
                    shared += std::find(column.begin(), column.end(), x) != column.end() ? 1 : 0;
                covered = covered || shared >= setup.threshold;
            }
            if (covered)
                ++result.covered;
            else
                result.holes.append(subset);
        }
    } while (nextCombination(p, n));
    return result;
}

// The holes as lines, the brute force's cut to the limit.
QStringList holeLines(const SystemColumns &holes, std::size_t limit = 1000)
{
    QStringList lines;
    for (std::size_t i = 0; i < std::min(limit, holes.size()); ++i)
        lines.append(HoleText(holes[i]));
    return lines;
}

void expectSame(const GuaranteeCheckResult &actual, const GuaranteeCheckResult &expected)
{
    EXPECT_EQ(actual.total, expected.total);
    EXPECT_EQ(actual.covered, expected.covered);
    EXPECT_EQ(holeLines(actual.holes), holeLines(expected.holes));
    EXPECT_FALSE(actual.stopped);
}

} // namespace

// Conditions count only the G-subsets that pass them; the greedy systems are built under the same.
// Small pools, every threshold up to the full system and conditions against the brute force:
// RandomSystemsAndConditionsAgreeWithTheBruteForce; 1..7, game 5: cli.construct_verify.
TEST(GuaranteeCheck, GreedySystemsHoldTheirPromise)
{
    struct Case { int first, last, game, threshold; ColumnConditions conditions; };
    const Case cases[] = {
        {1, 30, 6, 5, {}}, // 18,655 columns
        {1, 80, 3, 2, {}},
        {1, 24, 6, 4, conditionsWith([](ConditionEntries &e) {
             e.row(kSumRow) = {"60", "110"};
             e.sets[0] = {"1,5,9,13,17,21", "1", "2"};
         })},
    };
    for (const Case &c : cases) {
        const GuaranteeSetup setup{range(c.first, c.last), c.game, c.threshold};
        const GuaranteeCheckResult result = CheckGuarantee(greedy(setup, c.conditions), setup, c.conditions);
        SCOPED_TRACE(testing::Message() << c.first << ".." << c.last << " " << c.game << " " << c.threshold);
        EXPECT_TRUE(result.holds());
        EXPECT_EQ(result.total, c.conditions.testsNothing() ? Combinations(c.last - c.first + 1, c.game)
                                                            : bruteForce({}, setup, c.conditions).total);
        EXPECT_EQ(GuaranteeCheckText(result), "Έλεγχος εγγύησης: 100%");
    }
    // No 6 of 1..20 lie within a range of 4: nothing to check.
    const GuaranteeSetup setup{range(1, 20), 6, 4};
    const ColumnConditions none = conditionsWith([](ConditionEntries &e) { e.row(kRangeRow) = {"0", "4"}; });
    EXPECT_EQ(GuaranteeCheckText(CheckGuarantee(greedy(setup), setup, none)), "Έλεγχος εγγύησης: κανένας συνδυασμός για έλεγχο");
}

// Random pools, conditions and columns (some wider than the game, some with numbers outside the
// pool), or a greedy system with one column left out; every kind of index behind the check.
TEST(GuaranteeCheck, RandomSystemsAndConditionsAgreeWithTheBruteForce)
{
    std::mt19937 rng(1405);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    const IndexOptions indexes[] = {{}, {kIndexBudgetBytes, false}, {64, false}, {0, false}};
    for (int round = 0; round < 200; ++round) {
        std::vector<int> all(80);
        std::iota(all.begin(), all.end(), 1);
        std::shuffle(all.begin(), all.end(), rng);
        const int n = pick(4, 16);
        std::vector<std::uint8_t> pool(all.begin(), all.begin() + n);
        std::sort(pool.begin(), pool.end());
        const int g = pick(1, std::min(n, 7));
        const GuaranteeSetup setup{pool, g, pick(1, g)};
        ConditionEntries entries;
        if (pick(0, 1)) {
            entries.row(kOddRow) = {QString::number(pick(0, 2)), QString::number(pick(2, 6))};
            entries.sets[1] = {QString::number(pool[0]) + "," + QString::number(pool[n / 2]), "0", QString::number(pick(0, 1))};
        }
        const ColumnConditions conditions = ColumnConditions::fromEntries(entries);
        SystemColumns columns(g + 2);
        if (round % 2) {
            const SystemColumns full = greedy(setup);
            const std::size_t left = static_cast<std::size_t>(pick(0, static_cast<int>(full.size()) - 1));
            for (std::size_t i = 0; i < full.size(); ++i) {
                if (i != left)
                    columns.append(full[i]);
            }
        } else {
            for (int c = pick(0, 12); c > 0; --c) {
                std::vector<std::uint8_t> column;
                for (int i = pick(1, g + 2); i > 0; --i)
                    column.push_back(static_cast<std::uint8_t>(pick(0, 1) ? pool[pick(0, n - 1)] : all[pick(0, 79)]));
                columns.append(column);
            }
        }
        GuaranteeCheckOptions options;
        options.index = indexes[round / 2 % 4];
        SCOPED_TRACE(testing::Message() << "round " << round << " n=" << n << " g=" << g << " t=" << setup.threshold);
        expectSame(CheckGuarantee(columns, setup, conditions, options), bruteForce(columns, setup, conditions));
    }
}

// The first holes in lexicographic order up to the limit, and none at a limit of 0:
// cli.verify_holes, cli.verify_no_holes_listed.
TEST(GuaranteeCheck, AStopFromTheProgressCallbackEndsTheCheck)
{
    const GuaranteeSetup setup{range(1, 50), 8, 7}; // C(50,8) = 536,878,650: far longer than one interval
    std::atomic<bool> stop{false};
    int calls = 0;
    GuaranteeCheckOptions options;
    options.stop = &stop;
    options.progress = [&](const GuaranteeCheckProgress &progress) {
        ++calls;
        EXPECT_EQ(progress.candidates, Combinations(50, 8));
        stop = true;
    };
    const GuaranteeCheckResult result = CheckGuarantee(SystemColumns{{1, 2, 3, 4, 5, 6, 7}}, setup, {}, options);
    EXPECT_TRUE(result.stopped);
    EXPECT_FALSE(result.holds());
    EXPECT_EQ(calls, 2); // the one that stopped, and the last report
    EXPECT_LT(result.total, Combinations(50, 8));
    EXPECT_EQ(GuaranteeCheckText(result), "Έλεγχος εγγύησης: διακόπηκε");
}

TEST(GuaranteeCheck, BadSetupsAreRefused)
{
    const std::vector<GuaranteeSetup> bad = {
        {range(1, 10), 5, 0}, {range(1, 10), 5, 6}, {range(1, 20), 13, 5}, {range(1, 10), 0, 0},
        {{3, 2, 5}, 2, 1},    {{1, 1, 5}, 2, 1},    {{0, 1, 5}, 2, 1},
    };
    for (const GuaranteeSetup &setup : bad)
        EXPECT_THROW(CheckGuarantee({}, setup), RangeError);
    // Fewer numbers than the game: nothing to check, nothing refused.
    EXPECT_EQ(CheckGuarantee({}, {range(1, 4), 5, 3}).total, 0);
}

TEST(GuaranteeCheck, TextCutsTheShareAndCountsTheHoles)
{
    const QLocale greek(QLocale::Greek, QLocale::Greece);
    struct Case { std::int64_t covered, total; const char *text; } cases[] = {
        {99999, 100000, "Έλεγχος εγγύησης: 99,99% (1 ακάλυπτος συνδυασμός)"},
        {1, 3, "Έλεγχος εγγύησης: 33,33% (2 ακάλυπτοι συνδυασμοί)"},
        {0, 7, "Έλεγχος εγγύησης: 0,00% (7 ακάλυπτοι συνδυασμοί)"},
        {7, 7, "Έλεγχος εγγύησης: 100%"},
    };
    for (const Case &c : cases) {
        GuaranteeCheckResult result;
        result.covered = c.covered;
        result.total = c.total;
        EXPECT_EQ(GuaranteeCheckText(result, greek), QString::fromUtf8(c.text));
    }
}

TEST(GuaranteeCheck, NumbersUsedIgnoresPaddingAndNumbersOutsideTheBoard)
{
    EXPECT_EQ(NumbersUsed(SystemColumns{{5, 3, 0}, {80, 81, 3}, {200}}), (std::vector<std::uint8_t>{3, 5, 80}));
}

// The enumeration behind the optimiser's exchanges: each set Q + R ranked as a sorted set would be.
TEST(SubsetIndex, UnionRanksMatchTheRanksOfTheSortedSets)
{
    std::mt19937 rng(16);
    subsets::UnionRanks unions;
    for (int round = 0; round < 200; ++round) {
        std::vector<int> all(30);
        std::iota(all.begin(), all.end(), 0);
        std::shuffle(all.begin(), all.end(), rng);
        const int qn = std::uniform_int_distribution<int>(0, 6)(rng);
        const int on = std::uniform_int_distribution<int>(0, 12)(rng);
        std::vector<int> q(all.begin(), all.begin() + qn);
        std::vector<int> o(all.begin() + qn, all.begin() + qn + on);
        std::sort(q.begin(), q.end());
        std::sort(o.begin(), o.end());
        const int r = std::uniform_int_distribution<int>(0, std::min(on, 5))(rng);
        std::vector<std::uint64_t> expected;
        std::vector<int> idx(r);
        std::iota(idx.begin(), idx.end(), 0);
        do {
            std::vector<int> set = q;
            for (const int i : idx)
                set.push_back(o[i]);
            std::sort(set.begin(), set.end());
            expected.push_back(subsets::rankOf(set));
        } while (nextCombination(idx, on));
        std::vector<std::uint64_t> actual;
        unions.run(q, o, r, [&](std::uint64_t rank) { actual.push_back(rank); });
        ASSERT_EQ(actual, expected) << "round " << round;
    }
}
