#include "draws/BacktestRun.h"

#include <algorithm>

namespace taru::draws {

namespace {

// Most columns at the highest hits, then at the next, and so on.
bool betterDraw(const std::vector<BacktestCategory> &candidate, const std::vector<BacktestCategory> &best)
{
    for (std::size_t i = 0; i < std::min(candidate.size(), best.size()); ++i) {
        if (candidate[i].count != best[i].count)
            return candidate[i].count > best[i].count;
    }
    return false;
}

} // namespace

std::optional<BacktestResult> RunBacktest(const data::CouponFileData &coupons, const std::vector<DrawRow> &draws,
                                          const std::atomic<bool> *stop, const BacktestProgress &progress,
                                          std::int64_t pairsPerStep)
{
    const auto total = static_cast<std::int64_t>(draws.size());
    const std::int64_t columns = std::max<std::int64_t>(1, std::max(0, coupons.count));
    const std::int64_t step = std::max<std::int64_t>(1, pairsPerStep / columns);
    const auto stopped = [stop] { return stop && stop->load(std::memory_order_relaxed); };

    // Without draws the plain run gives the empty table.
    std::optional<BacktestResult> merged;
    if (total == 0)
        merged = Backtest(coupons, draws);
    for (std::int64_t first = 0; first < total; first += step) {
        if (stopped())
            return std::nullopt;
        const std::int64_t last = std::min(total, first + step);
        const std::vector<DrawRow> slice(draws.begin() + first, draws.begin() + last);
        BacktestResult part = Backtest(coupons, slice);
        if (!merged) {
            merged = std::move(part);
        } else {
            for (std::size_t i = 0; i < merged->categories.size(); ++i)
                merged->categories[i].count += part.categories[i].count;
            if (part.bestDraw >= 0 && betterDraw(part.bestCategories, merged->bestCategories)) {
                merged->bestDraw = static_cast<int>(first) + part.bestDraw;
                merged->bestCategories = std::move(part.bestCategories);
            }
        }
        if (progress)
            progress(last, total);
    }
    if (stopped())
        return std::nullopt;
    merged->draws = total;
    return merged;
}

} // namespace taru::draws
