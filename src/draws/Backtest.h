#pragma once

#include "data/CouponFile.h"
#include "draws/DrawsFile.h"

#include <QLocale>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace taru::draws {

struct BacktestCategory {
    int hits = 0;
    std::int64_t count = 0; // (draw, column) pairs with exactly that many hits
};

// Every coupon of a coupon file against every draw of the draws list.
struct BacktestResult {
    int game = 0;                             // k of the coupon file
    std::vector<BacktestCategory> categories; // hits k down to 0
    std::int64_t columns = 0;                 // coupons checked (the file's count)
    std::int64_t draws = 0;
    // The draw in which the coupons did best (most columns at the highest hits, then at the next,
    // and so on; the earlier draw on a tie), -1 without draws; and its own categories.
    int bestDraw = -1;
    std::vector<BacktestCategory> bestCategories;
};

// Each coupon is a set of numbers (a number repeated on a line counts once, numbers outside 1..80
// never hit); coupons the file announces past its lines are empty and hit nothing. A draw's numbers
// are its 20 fields read as integers. Hits above k are counted as k (a coupon cannot hold more
// than k numbers, so they do not occur in a file that reads).
BacktestResult Backtest(const data::CouponFileData &coupons, const DrawList &draws);

// Draws dealt with so far, of all there are.
using BacktestProgress = std::function<void(std::int64_t draws, std::int64_t total)>;

// The same for a window: every so many draws (about `pairsPerStep` (draw, column) pairs) the
// progress is reported and the stop flag read; nothing when the flag was raised.
std::optional<BacktestResult> RunBacktest(const data::CouponFileData &coupons, const DrawList &draws,
                                          const std::atomic<bool> *stop = nullptr,
                                          const BacktestProgress &progress = {},
                                          std::int64_t pairsPerStep = std::int64_t{1} << 24);

// "Καλύτερη κλήρωση: 1002 της 06/01/2026 (1 στήλη με 5 επιτυχίες)": the best draw's number, date
// and its highest category that has columns. Empty without draws.
QString BestDrawText(const BacktestResult &result, const DrawList &draws);

} // namespace taru::draws
