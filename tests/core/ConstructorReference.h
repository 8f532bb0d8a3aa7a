#pragma once

// The constructor done the plain way: nested loops over the pool positions in lexicographic
// order, every candidate tested against the conditions and then compared number by number with
// every column accepted so far. Slow, obviously right; the fast engine must give exactly this.

#include "systems/Conditions.h"
#include "systems/Constructor.h"

#include <cstdint>
#include <vector>

namespace taru::reference {

struct Result {
    SystemColumns columns;
    bool stopped = false;
    std::int64_t processed = 0;
};

inline int sharedNumbers(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b)
{
    int shared = 0;
    for (const std::uint8_t x : a) {
        for (const std::uint8_t y : b)
            shared += x == y ? 1 : 0;
    }
    return shared;
}

inline Result construct(const ConstructionSetup &setup, const ColumnConditions &conditions, bool &stopRequested)
{
    Result result;
    result.columns = SystemColumns(setup.columnSize);
    const int n = static_cast<int>(setup.pool.size());
    const int k = setup.columnSize;
    const int t = setup.threshold;
    const bool test = setup.game > t;
    if (n >= k) {
        std::vector<int> positions(k);
        for (int i = 0; i < k; ++i)
            positions[i] = i;
        bool more = true;
        while (more) {
            // One sweep of the innermost position.
            for (int last = positions[k - 1]; last < n; ++last) {
                positions[k - 1] = last;
                ++result.processed;
                std::vector<std::uint8_t> candidate(k);
                for (int i = 0; i < k; ++i)
                    candidate[i] = setup.pool[positions[i]];
                if (!ColumnPassesConditions(conditions, candidate, stopRequested))
                    continue;
                bool dropped = false;
                if (test) {
                    for (const auto &column : result.columns) {
                        if (sharedNumbers(column, candidate) >= t) {
                            dropped = true;
                            break;
                        }
                    }
                }
                if (!dropped)
                    result.columns.append(candidate);
            }
            if (stopRequested)
                break;
            // Next prefix: the rightmost position below the last one that can still move.
            int i = k - 2;
            while (i >= 0 && positions[i] == n - k + i)
                --i;
            if (i < 0) {
                more = false;
            } else {
                ++positions[i];
                for (int j = i + 1; j < k; ++j)
                    positions[j] = positions[j - 1] + 1;
            }
        }
    }
    result.stopped = stopRequested;
    if (result.stopped)
        result.columns.clear();
    return result;
}

} // namespace taru::reference
