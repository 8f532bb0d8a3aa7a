#pragma once

#include "data/SystemColumns.h"
#include "systems/Conditions.h"
#include "systems/GuaranteeCheck.h"

#include <QLocale>
#include <QString>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>

namespace taru {

struct OptimiserProgress {
    std::int64_t bestColumns = 0; // the smallest complete system so far
    std::int64_t columns = 0;     // the system being searched (one fewer than the best, mostly)
    std::int64_t uncovered = 0;   // its uncovered G-subsets
    std::int64_t moves = 0;       // column exchanges tried, all searches together
    double seconds = 0.0;
};
using OptimiserCallback = std::function<void(const OptimiserProgress &)>;

struct OptimiserOptions {
    std::chrono::milliseconds budget{10'000};
    std::uint64_t seed = 1;
    // Work per search, in G-subsets looked at; 0 = until the budget runs out. With a work limit
    // the result depends on the seed alone, never on the machine's speed.
    std::int64_t workLimit = 0;
    int threads = 2;                         // searches run side by side, one per thread
    const std::atomic<bool> *stop = nullptr; // may be set from any thread; seen within milliseconds
    OptimiserCallback progress;              // on the calling thread, about every kProgressInterval
    static constexpr std::chrono::milliseconds kProgressInterval{100};
};

struct OptimiserResult {
    SystemColumns columns;          // the best complete system: the start itself when nothing smaller was found
    std::int64_t startColumns = 0;  // columns of the system given
    GuaranteeCheckResult check;     // the exhaustive check of `columns`
    double seconds = 0.0;
    std::int64_t moves = 0;
    bool stopped = false;           // the stop flag ended the search
    bool tooLarge = false;          // too many G-subsets to search: the start is returned
};

// The search holds four bytes per G-subset of the pool per thread; pools with more G-subsets than
// this are returned as they are.
inline constexpr std::uint64_t kMaxOptimisedSubsets = std::uint64_t{1} << 25;

// Looks for a smaller system with the same promise: columns of G pool numbers, each passing the
// conditions, that leave no G-subset of the pool that passes them uncovered (sharing fewer than T
// numbers with every column). Starts from `start` (the greedy build), which must keep the promise
// (RangeError otherwise, and for a bad setup).
//
// Method: the state is a system of b columns with a count, per G-subset, of the columns covering
// it. Whenever nothing is uncovered, the system is kept as the best so far and the column that
// alone covers the fewest subsets is dropped; then simulated annealing exchanges one number of a
// column for another (chosen so that an uncovered subset becomes covered by it), the change in the
// number of uncovered subsets counted only over the subsets the exchange touches, until nothing is
// uncovered again. A large "G or G-1" system starts instead from the G-subsets whose positions add
// up to 0 modulo a well-chosen m, patched, when that is smaller than the greedy system. Each
// thread runs its own search from its own seed; they meet at fixed amounts of
// work, so a work limit makes the result repeatable. The best system is checked exhaustively
// (CheckGuarantee) before it is returned; should that ever fail, the start is returned instead.
OptimiserResult OptimiseSystem(const SystemColumns &start, const GuaranteeSetup &setup,
                               const ColumnConditions &conditions = {}, const OptimiserOptions &options = {});

// A lower bound on the size of any such system without conditions: C(n,G) over the most G-subsets
// one column covers, rounded up. The search ends when it gets there.
std::int64_t CoverLowerBound(int poolSize, int game, int threshold);

// The window's progress line: the best size so far and the search's current size and uncovered count.
QString OptimiserProgressText(const OptimiserProgress &progress);
// The message at the end: greedy and optimised sizes and the check line.
QString OptimiserMessage(const OptimiserResult &result, const QLocale &locale = QLocale());

} // namespace taru
