#include "draws/Backtest.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace taru;
using namespace taru::draws;

namespace {

DrawEntry randomDraw(QRandomGenerator &random, int index)
{
    DrawEntry entry;
    entry.drawNumber = QString::number(1000 + index);
    std::vector<int> all(80);
    for (int i = 0; i < 80; ++i)
        all[static_cast<std::size_t>(i)] = i + 1;
    for (int i = 0; i < kDrawNumbers; ++i) {
        const auto j = static_cast<std::size_t>(i + random.bounded(80 - i));
        std::swap(all[static_cast<std::size_t>(i)], all[j]);
        entry.numbers[static_cast<std::size_t>(i)] = QString::number(all[static_cast<std::size_t>(i)]);
    }
    return entry;
}

std::vector<std::int64_t> countsOf(const std::vector<BacktestCategory> &categories)
{
    std::vector<std::int64_t> counts;
    for (const BacktestCategory &category : categories)
        counts.push_back(category.count);
    return counts;
}

struct Sample {
    data::CouponFileData coupons;
    DrawList draws;
};

Sample sample(int columns, int draws)
{
    QRandomGenerator random(20260105);
    Sample s;
    s.coupons.count = columns + 2; // two announced coupons past the lines
    s.coupons.game = 4;
    s.coupons.valid = true;
    for (int c = 0; c < columns; ++c) {
        data::CouponLine line;
        for (int i = 0; i < 4; ++i)
            line.numbers.push_back(static_cast<std::uint8_t>(1 + random.bounded(80)));
        s.coupons.lines.push_back(line);
    }
    for (int i = 0; i < draws; ++i)
        s.draws.append(randomDraw(random, i));
    return s;
}

} // namespace

// Progress every step of draws and at the end; a stop ends with nothing; a run to the end is the
// plain backtest.
TEST(BacktestRun, ProgressStopAndTheSameResult)
{
    const Sample s = sample(3, 10);
    const std::int64_t columns = s.coupons.count;
    const BacktestResult plain = Backtest(s.coupons, s.draws);
    const struct {
        std::int64_t pairsPerStep;
        int stopAfterReports; // 0: never
        std::vector<std::int64_t> reports;
        bool finished;
    } cases[] = {
        {4 * columns, 0, {4, 8, 10}, true},
        {columns, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, true},
        {std::int64_t{1} << 30, 0, {10}, true},
        {4 * columns, 1, {4}, false},
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
        const std::optional<BacktestResult> run = RunBacktest(s.coupons, s.draws, &stop, progress, c.pairsPerStep);
        EXPECT_EQ(reports, c.reports) << c.pairsPerStep;
        ASSERT_EQ(run.has_value(), c.finished) << c.pairsPerStep;
        if (run) {
            EXPECT_EQ(countsOf(run->categories), countsOf(plain.categories));
            EXPECT_EQ(run->bestDraw, plain.bestDraw);
            EXPECT_EQ(countsOf(run->bestCategories), countsOf(plain.bestCategories));
        }
    }
}
