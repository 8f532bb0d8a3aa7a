#pragma once

#include "draws/Backtest.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

namespace taru::draws {

// Draws dealt with so far, of all there are.
using BacktestProgress = std::function<void(std::int64_t draws, std::int64_t total)>;

// The backtest taken a slice of draws at a time (each slice about `pairsPerStep` (draw, column)
// pairs), so a long one reports progress and can be stopped between slices: the same result as
// Backtest, or nothing when the stop flag was raised.
std::optional<BacktestResult> RunBacktest(const data::CouponFileData &coupons, const std::vector<DrawRow> &draws,
                                          const std::atomic<bool> *stop = nullptr,
                                          const BacktestProgress &progress = {},
                                          std::int64_t pairsPerStep = std::int64_t{1} << 24);

} // namespace taru::draws
