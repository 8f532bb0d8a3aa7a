#include "CoreFixtures.h"

#include "draws/Backtest.h"

#include <gtest/gtest.h>

using namespace taru;
using namespace taru::draws;

namespace {

// Counts, then the best draw and its counts: what a run must agree on with the plain backtest.
std::vector<std::int64_t> outcome(const BacktestResult &result)
{
    std::vector<std::int64_t> out;
    for (const BacktestCategory &category : result.categories)
        out.push_back(category.count);
    out.push_back(result.bestDraw);
    for (const BacktestCategory &category : result.bestCategories)
        out.push_back(category.count);
    return out;
}

} // namespace

// Progress every step of draws and at the end; a stop ends with nothing; a run to the end is the
// plain backtest.
TEST(BacktestRun, ProgressStopAndTheSameResult)
{
    // Three coupons of 4 (and two announced past the lines) against ten draws of 20 numbers.
    const data::CouponFileData coupons = test::couponsOf(5, 4, {{1, 5, 9, 13}, {2, 3, 40, 80}, {7, 7, 61, 79}});
    DrawList draws;
    for (int d = 0; d < 10; ++d) {
        DrawEntry entry;
        entry.drawNumber = QString::number(1000 + d);
        for (int i = 0; i < kDrawNumbers; ++i)
            entry.numbers[static_cast<std::size_t>(i)] = QString::number((d * 7 + i * 4) % 80 + 1);
        draws.append(entry);
    }
    const std::int64_t columns = coupons.count;
    const struct {
        std::int64_t pairsPerStep;
        int stopAfterReports; // 0: never
        std::vector<std::int64_t> reports;
        bool finished;
    } cases[] = {
        {4 * columns, 0, {4, 8, 10}, true},
        {columns, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, true},
        {std::int64_t{1} << 30, 0, {10}, true},
        {4 * columns, 2, {4, 8}, false},
        {4 * columns, 3, {4, 8, 10}, true}, // raised with the last report, the work all done
    };
    for (const auto &c : cases) {
        std::atomic<bool> stop{false};
        std::vector<std::int64_t> reports;
        const auto progress = [&](std::int64_t done, std::int64_t total) {
            EXPECT_EQ(total, 10);
            reports.push_back(done);
            if (c.stopAfterReports > 0 && static_cast<int>(reports.size()) == c.stopAfterReports)
                stop.store(true);
        };
        const std::optional<BacktestResult> run = RunBacktest(coupons, draws, &stop, progress, c.pairsPerStep);
        EXPECT_EQ(reports, c.reports) << c.pairsPerStep;
        ASSERT_EQ(run.has_value(), c.finished) << c.pairsPerStep;
        if (run) {
            EXPECT_EQ(outcome(*run), outcome(Backtest(coupons, draws)));
        }
    }
}
