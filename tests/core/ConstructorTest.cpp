#include "ConstructorReference.h"
#include "CoreFixtures.h"
#include "TestValues.h"

#include "base/Errors.h"
#include "game/Pricing.h"
#include "systems/Conditions.h"
#include "systems/Constructor.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

using namespace taru;
using taru::test::col;
using taru::test::conditionsWith;
using taru::test::range;

namespace {

ConstructionSetup setupOf(std::vector<std::uint8_t> pool, int game, int guaranteeIndex)
{
    return ConstructionSetup{std::move(pool), game, game, GuaranteeThreshold(game, guaranteeIndex)};
}

ConstructionResult build(const ConstructionSetup &setup, const ColumnConditions &conditions = {})
{
    bool stop = false;
    return ConstructSystem(setup, conditions, stop);
}

} // namespace

TEST(GuaranteeLists, ItemsThresholdsAndSpacing)
{
    const int expectedCounts[] = {1, 2, 2, 3, 3, 4, 5, 5, 6, 6, 7, 7};
    for (int game = 1; game <= 12; ++game) {
        const QStringList items = GuaranteeItems(game);
        ASSERT_EQ(items.size(), expectedCounts[game - 1]) << game;
        // The last item ends with the smallest number of hits it promises, which is T.
        const int lastThreshold = GuaranteeThreshold(game, static_cast<int>(items.size()) - 1);
        EXPECT_TRUE(items.last().endsWith(QString::number(lastThreshold) + (items.size() == 1 ? "αρι" : "αρι(α)")))
            << items.last().toStdString();
    }
    // Games 6 to 12 have one blank after "100%" in their first item, the others two.
    EXPECT_EQ(GuaranteeItems(6).first(), "100% 6αρι");
    EXPECT_EQ(GuaranteeItems(5).first(), "100%  5αρι");
    EXPECT_EQ(GuaranteeItems(12).at(6), "100%  12 ή 11 ή 10 ή 9 ή 8 ή 7 ή 6αρι(α)");
    EXPECT_TRUE(GuaranteeItems(0).isEmpty());
    EXPECT_TRUE(GuaranteeItems(13).isEmpty());
}

// 1..7, game 5, 4 hits (three columns and the summary): cli.construct_pool_of_seven.
TEST(Constructor, BuildsTheColumnsInOrderAndCountsTheCandidates)
{
    const ColumnConditions odd = conditionsWith([](ConditionEntries &e) { e.row(kOddRow) = {"1", "1"}; });
    struct Case {
        const char *name;
        ConstructionSetup setup;
        ColumnConditions conditions;
        std::size_t count;
        std::int64_t processed;
        SystemColumns first; // the first columns built
        std::vector<std::uint8_t> last;
    };
    const Case cases[] = {
        {"first guarantee: the full system", setupOf(range(3, 12), 5, 0), {}, 252, 252, {{3, 4, 5, 6, 7}},
         col({8, 9, 10, 11, 12})},
        {"fewer numbers than the game", setupOf(range(1, 4), 5, 1), {}, 0, 0, {}, {}},
        {"game 1 keeps every number that passes", setupOf(col({4, 7, 9, 80}), 1, 0), odd, 2, 4, {{7}, {9}}, col({9})},
        {"30 numbers, game 6, 5 hits", setupOf(range(1, 30), 6, 1), {}, 18655, 593775, {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const ConstructionResult result = build(c.setup, c.conditions);
        EXPECT_FALSE(result.stopped);
        EXPECT_EQ(result.processed, c.processed);
        ASSERT_EQ(result.columns.size(), c.count);
        for (std::size_t i = 0; i < c.first.size(); ++i)
            EXPECT_EQ(test::row(result.columns[i]), test::row(c.first[i])) << i;
        if (!c.last.empty()) {
            EXPECT_EQ(test::row(result.columns.back()), c.last);
        }
    }
    EXPECT_EQ(PercentageText("5", 0, Combinations(4, 5)), "Ποσοστό για 5άρι :%");
    EXPECT_EQ(CouponCountText(0), "Δελτία : 0");
}

TEST(Constructor, ImpossibleMinimumStopsAtTheEndOfTheFirstSweep)
{
    // Odd from 7 + even from 6 ask for 13 numbers: the first column that passes the sum test
    // raises the stop; its sweep (the last position running to the pool's end) is finished.
    const ColumnConditions impossible = conditionsWith([](ConditionEntries &e) {
        e.row(kSumRow) = {"20", "894"};
        e.row(kOddRow) = {"7", "7"};
        e.row(kEvenRow) = {"6", "12"};
    });
    ASSERT_TRUE(impossible.impossibleMinimum());
    bool stop = false;
    // Pool 1..10, game 3: 1 2 x has sums 6..13, 1 3 x up to 14 ..., the first column with sum >= 20
    // is 1 9 10; its sweep ends with it.
    const ConstructionResult result = ConstructSystem(setupOf(range(1, 10), 3, 1), impossible, stop);
    EXPECT_TRUE(stop);
    EXPECT_TRUE(result.stopped);
    EXPECT_TRUE(result.columns.empty());
    EXPECT_EQ(result.processed, 36); // 8 + 7 + ... + 1 candidates start with 1
}

TEST(Constructor, StopFromTheProgressCallbackDiscardsTheResult)
{
    bool stop = false;
    int calls = 0;
    std::int64_t lastAccepted = 0;
    const ConstructionResult result =
        ConstructSystem(setupOf(range(1, 30), 6, 1), ColumnConditions(), stop, [&](const ConstructionProgress &progress) {
            ++calls;
            lastAccepted = progress.accepted;
            if (progress.accepted == 100)
                stop = true;
        });
    EXPECT_TRUE(result.stopped);
    EXPECT_TRUE(result.columns.empty());
    EXPECT_GE(calls, 100); // after every accepted column (and now and then in between), none once stopped
    EXPECT_EQ(lastAccepted, 100);
    EXPECT_LT(result.processed, 593775);
}

TEST(Constructor, ConstructorRejectsBadSetups)
{
    // Unsorted, 0, repeated, 81; games 13 and 0.
    for (const ConstructionSetup &bad : {setupOf(col({3, 2, 5}), 2, 1), setupOf(col({0, 2, 5}), 2, 1), setupOf(col({2, 2, 5}), 2, 1),
                                         setupOf(col({1, 81}), 2, 1), setupOf(range(1, 20), 13, 1), setupOf(range(1, 20), 0, 0)})
        EXPECT_THROW(SystemConstructor(bad, {}), RangeError) << bad.game;
    EXPECT_NO_THROW(SystemConstructor(setupOf(range(1, 80), 12, 6), {}));
}

namespace {

// Random conditions that keep a fair share of columns (and sometimes none, or a stop).
ColumnConditions randomConditions(std::mt19937 &rng, const std::vector<std::uint8_t> &pool, int k, QString *description)
{
    ConditionEntries entries;
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    auto maybe = [&](int percent) { return pick(1, 100) <= percent; };
    QStringList what;
    if (maybe(30)) {
        const int centre = pick(k * 5, k * 60);
        entries.row(kSumRow) = {QString::number(centre - pick(0, 80)), QString::number(centre + pick(0, 80))};
    }
    for (int row = kOddRow; row <= kRangeRow; ++row) {
        if (!maybe(15))
            continue;
        const ConditionRange clamp = ConditionOf(row).clamp;
        const int high = std::min(clamp.to, row == kRangeRow ? 79 : k);
        const int from = pick(clamp.from, high);
        entries.row(row) = {QString::number(from), QString::number(pick(from, high))};
    }
    if (maybe(3)) { // now and then an impossible minimum
        entries.row(kLeftRow) = {"7", "12"};
        entries.row(kRightRow) = {"6", "12"};
    }
    for (int s = 0; s < kRequiredSetCount; ++s) {
        if (!maybe(20))
            continue;
        QStringList items;
        for (const std::uint8_t number : pool) {
            if (maybe(30))
                items.append(QString::number(number));
        }
        if (maybe(10))
            items.append(" 3"); // never matches: sets are compared as texts
        entries.sets[s].label = items.join(',');
        const int from = pick(0, 2);
        entries.sets[s] = {entries.sets[s].label, QString::number(from), QString::number(pick(from, std::max(from, k)))};
    }
    for (int row = kSumRow; row <= kRangeRow; ++row)
        what << entries.row(row).from + ".." + entries.row(row).to;
    for (const auto &set : entries.sets)
        what << "[" + set.label + "] " + set.from + ".." + set.to;
    *description = what.join(' ');
    return ColumnConditions::fromEntries(entries);
}

} // namespace

TEST(Constructor, FastEngineEqualsTheReferenceOnRandomSetups)
{
    std::mt19937 rng(20261205);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    for (int round = 0; round < 300; ++round) {
        const int n = pick(5, 20);
        std::vector<int> all(80);
        std::iota(all.begin(), all.end(), 1);
        std::shuffle(all.begin(), all.end(), rng);
        std::vector<int> chosen(all.begin(), all.begin() + n);
        std::sort(chosen.begin(), chosen.end());
        const std::vector<std::uint8_t> pool(chosen.begin(), chosen.end());
        // Games up to 8 on any pool, and the large games on pools small enough for the reference.
        int game = pick(1, std::min(12, n));
        while (game > 8 && Combinations(n, game) > 20000)
            --game;
        const int index = pick(0, static_cast<int>(GuaranteeItems(game).size()) - 1);
        QString description;
        const ColumnConditions conditions = randomConditions(rng, pool, game, &description);
        const ConstructionSetup setup = setupOf(pool, game, index);

        bool referenceStop = false;
        const reference::Result expected = reference::construct(setup, conditions, referenceStop);
        // The bitset; the hash set (growing from its smallest table); a hash set that fills up
        // and falls back to direct comparison; direct comparison from the first column.
        const IndexOptions indexes[] = {{}, {kIndexBudgetBytes, false}, {256, false}, {0, false}};
        for (const IndexOptions &option : indexes) {
            bool stop = false;
            SystemConstructor constructor(setup, conditions, option);
            const ConstructionResult actual = constructor.EnumerateCandidates(stop);
            SCOPED_TRACE(QStringLiteral("round %1 n=%2 game=%3 index=%4 budget=%5/%6 %7")
                             .arg(round).arg(n).arg(game).arg(index).arg(option.budgetBytes).arg(option.allowBitset)
                             .arg(description).toStdString());
            ASSERT_EQ(actual.columns, expected.columns);
            ASSERT_EQ(actual.stopped, expected.stopped);
            ASSERT_EQ(actual.processed, expected.processed);
        }
    }
}

TEST(Constructor, IndexKindsFollowTheBudget)
{
    const ConstructionSetup setup = setupOf(range(1, 30), 6, 1);
    EXPECT_EQ(SystemConstructor(setup, {}).indexKind(), SystemConstructor::IndexKind::Bitset);
    EXPECT_EQ(SystemConstructor(setupOf(range(1, 30), 6, 0), {}).indexKind(), SystemConstructor::IndexKind::None);
    // 80 numbers, game 12, T = 11: C(80,11) bits would be far above the budget.
    EXPECT_EQ(SystemConstructor(setupOf(range(1, 80), 12, 1), {}).indexKind(), SystemConstructor::IndexKind::HashSet);
    // 80 numbers, T = 6: C(80,6) bits (36 MiB) fit.
    EXPECT_EQ(SystemConstructor(setupOf(range(1, 80), 12, 6), {}).indexKind(), SystemConstructor::IndexKind::Bitset);

    // A budget too small for the bitset: the hash set fills up, later columns are compared directly.
    // (The hash set growing from its smallest table: FastEngineEqualsTheReferenceOnRandomSetups.)
    const ConstructionSetup twenty = setupOf(range(1, 20), 5, 1);
    SystemConstructor small(twenty, {}, IndexOptions{256});
    bool stop = false;
    const ConstructionResult result = small.EnumerateCandidates(stop);
    EXPECT_EQ(small.indexKind(), SystemConstructor::IndexKind::HashSet);
    EXPECT_GT(small.directlyComparedColumns(), 0);
    EXPECT_EQ(result.columns, build(twenty).columns);
}

TEST(Constructor, SingleStepsAgreeWithTheWholeSearch)
{
    const ConstructionSetup setup = setupOf(range(11, 24), 5, 2);
    const ColumnConditions conditions = conditionsWith([](ConditionEntries &e) { e.row(kDecadesRow) = {"2", "2"}; });
    SystemConstructor stepwise(setup, conditions);
    bool stop = false;
    std::vector<int> positions{0, 1, 2, 3, 4};
    do
        stepwise.TryAcceptCandidate(positions, stop);
    while (test::nextCombination(positions, 14));
    EXPECT_EQ(stepwise.acceptedColumns(), build(setup, conditions).columns);
    EXPECT_GT(stepwise.acceptedCount(), 1);
    // A new whole search starts afresh.
    EXPECT_EQ(stepwise.EnumerateCandidates(stop).columns, build(setup, conditions).columns);
}

TEST(ConstructionSummary, PoolAndProgressMaximum)
{
    std::array<bool, kNumbers> board{};
    board[0] = board[79] = board[41] = true;
    EXPECT_EQ(PoolOf(board), col({1, 42, 80}));
    EXPECT_EQ(ProgressBarMaximum(30, 6), 593775);
    EXPECT_EQ(ProgressBarMaximum(4, 5), 0);
    EXPECT_EQ(ProgressBarMaximum(80, 6), 300500200);
    EXPECT_EQ(ProgressBarMaximum(80, 7), 10000000); // 3,176,716,400 does not fit
}

TEST(ConstructionSummary, FiguresMessageAndNumberLines)
{
    const std::vector<std::uint8_t> pool = range(1, 23);
    const ConstructionSummary summary =
        MakeConstructionSummary(pool, 5, 5, "5", "100%  5 ή 4αρι(α)", "5αδες", 1234, 0.5);
    EXPECT_EQ(summary.fullColumns, 33649);
    EXPECT_DOUBLE_EQ(summary.fullCost, 16824.5);
    EXPECT_EQ(summary.fifteenNumberLines, 2);
    EXPECT_EQ(summary.numberLines, (QStringList{"1  2  3  4  5  6  7  8  9  10", "11  12  13  14  15  16  17  18  19  20  21",
                                                "22  23"}));
    EXPECT_EQ(ConstructionMessage(summary, QLocale(QLocale::Greek, QLocale::Greece)).section('\n', 1),
              "Βρέθηκαν 1234 στήλες   Κόστος : 617,00 Ευρώ  Δελτία : 1234");
    EXPECT_EQ(PercentageText("5", 1234, 33649, QLocale::c()), "Ποσοστό για 5άρι : 3.67%");

    const ConstructionSummary empty = MakeConstructionSummary({}, 5, 5, "5", "", "", 0, 0.5);
    EXPECT_EQ(empty.fifteenNumberLines, 0);
    EXPECT_TRUE(empty.numberLines.isEmpty());
    EXPECT_EQ(MakeConstructionSummary(range(1, 15), 5, 5, "5", "", "", 0, 0.5).fifteenNumberLines, 1);
    EXPECT_EQ(MakeConstructionSummary(range(1, 16), 5, 5, "5", "", "", 0, 0.5).fifteenNumberLines, 2);
    EXPECT_EQ(MarkedNumberLines(range(1, 32)).size(), 3);
    EXPECT_EQ(MarkedNumberLines(range(1, 33)).size(), 4);
    EXPECT_EQ(MarkedNumberLines(range(1, 33)).last(), "33");
}

// The name with a required-number set: cli.construct_files.
TEST(ConstructionSummary, LibrarySystemFileName)
{
    const std::vector<std::uint8_t> pool = range(1, 10);
    const ConstructionResult result = build(setupOf(pool, 5, 1));
    ASSERT_EQ(result.columns.size(), 22u);
    const ConstructionSummary summary = MakeConstructionSummary(pool, 5, 5, "5", GuaranteeItems(5).at(1), "5αδες", 22, 0.5);
    // 22 columns cost 11.00 (1100 cents); 22 of C(10,5) = 252 is 8.73%.
    EXPECT_EQ(LibrarySystemFileName(summary, 4, 5, 5, RequiredNumberSet{}, 0.5), "A10455_10_4_5_22_1100_22_873_5.tbi");
    EXPECT_EQ(LibrarySystemFileName(summary, 4, 5, 5, RequiredNumberSet{" ", "1", "2"}, 0.5),
              "A10455_10_4_5_22_1100_22_873_5.tbi"); // a blank label is no set
}

TEST(LargeBuildQuestion, AskedAboveFiveMillionColumnsOnly)
{
    struct Case {
        int n, k;
        bool asks;
    };
    // C(27,9) = 4,686,825; C(28,9) = 6,906,900; C(80,12) does not even fit the cost's digits.
    for (const Case &c : {Case{27, 9, false}, Case{28, 9, true}, Case{80, 12, true}, Case{5, 7, false}})
        EXPECT_EQ(LargeBuildQuestion(c.n, c.k, c.k, 0.5, QLocale::c()).has_value(), c.asks) << c.n << " " << c.k;
    EXPECT_EQ(*LargeBuildQuestion(28, 9, 9, 0.5, QLocale(QLocale::Greek, QLocale::Greece)),
              QStringLiteral("Το πλήρες σύστημα έχει 6.906.900 στήλες, κόστος 3453450,00 Ευρώ.\n"
                             "Η κατασκευή θα διαρκέσει αρκετά και μπορεί να χρειαστεί έως 63 MB μνήμης.\n"
                             "Να συνεχίσω;"));
}
