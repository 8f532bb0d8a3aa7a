#include "draws/BacktestRun.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace taru;
using namespace taru::draws;

namespace {

DrawRow randomDraw(QRandomGenerator &random, int index)
{
    DrawRow row;
    row.entry.drawNumber = QString::number(1000 + index);
    std::vector<int> all(80);
    for (int i = 0; i < 80; ++i)
        all[static_cast<std::size_t>(i)] = i + 1;
    for (int i = 0; i < kDrawNumbers; ++i) {
        const auto j = static_cast<std::size_t>(i + random.bounded(80 - i));
        std::swap(all[static_cast<std::size_t>(i)], all[j]);
        row.entry.numbers[static_cast<std::size_t>(i)] = QString::number(all[static_cast<std::size_t>(i)]);
    }
    return row;
}

data::CouponFileData randomCoupons(QRandomGenerator &random, int count, int game)
{
    data::CouponFileData file;
    file.count = count + 2; // two announced coupons past the lines
    file.game = game;
    file.valid = true;
    for (int c = 0; c < count; ++c) {
        data::CouponLine line;
        for (int i = 0; i < game; ++i)
            line.numbers.push_back(static_cast<std::uint8_t>(1 + random.bounded(80)));
        file.lines.push_back(line);
    }
    return file;
}

std::vector<std::int64_t> countsOf(const std::vector<BacktestCategory> &categories)
{
    std::vector<std::int64_t> counts;
    for (const BacktestCategory &category : categories)
        counts.push_back(category.count);
    return counts;
}

struct Data {
    data::CouponFileData coupons;
    std::vector<DrawRow> draws;
};

// Few columns over many draws: the best draw is often tied, so the earlier one must win across slices.
Data sample(int columns, int draws)
{
    QRandomGenerator random(20260105);
    Data d{randomCoupons(random, columns, 4), {}};
    for (int i = 0; i < draws; ++i)
        d.draws.push_back(randomDraw(random, i));
    return d;
}

} // namespace

TEST(BacktestRun, AnySliceGivesThePlainResult)
{
    const Data d = sample(3, 97);
    const BacktestResult plain = Backtest(d.coupons, d.draws);
    const std::int64_t columns = d.coupons.count;
    for (const std::int64_t pairs : {std::int64_t{1}, columns, 2 * columns, 7 * columns, 96 * columns, 97 * columns,
                                     std::int64_t{1} << 30}) {
        const std::optional<BacktestResult> run = RunBacktest(d.coupons, d.draws, nullptr, {}, pairs);
        ASSERT_TRUE(run) << pairs;
        EXPECT_EQ(countsOf(run->categories), countsOf(plain.categories)) << pairs;
        EXPECT_EQ(run->bestDraw, plain.bestDraw) << pairs;
        EXPECT_EQ(countsOf(run->bestCategories), countsOf(plain.bestCategories)) << pairs;
        EXPECT_EQ(run->columns, plain.columns);
        EXPECT_EQ(run->draws, plain.draws);
    }
}

TEST(BacktestRun, ProgressByDrawsAndAStop)
{
    const Data d = sample(2, 10);
    const std::int64_t columns = d.coupons.count;
    std::vector<std::int64_t> seen;
    std::atomic<bool> stop{false};
    const auto progress = [&](std::int64_t done, std::int64_t total) {
        EXPECT_EQ(total, 10);
        seen.push_back(done);
    };
    ASSERT_TRUE(RunBacktest(d.coupons, d.draws, &stop, progress, 4 * columns));
    EXPECT_EQ(seen, (std::vector<std::int64_t>{4, 8, 10}));

    seen.clear();
    const auto stopAfterFirst = [&](std::int64_t done, std::int64_t) {
        seen.push_back(done);
        stop.store(true);
    };
    EXPECT_FALSE(RunBacktest(d.coupons, d.draws, &stop, stopAfterFirst, 4 * columns));
    EXPECT_EQ(seen, (std::vector<std::int64_t>{4}));

    // Without draws: the empty table, as the plain run gives it.
    const std::optional<BacktestResult> none = RunBacktest(d.coupons, {}, nullptr);
    ASSERT_TRUE(none);
    EXPECT_EQ(countsOf(none->categories), (std::vector<std::int64_t>{0, 0, 0, 0, 0}));
    EXPECT_EQ(none->bestDraw, -1);
}
