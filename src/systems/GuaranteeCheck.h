#pragma once

#include "data/SystemColumns.h"
#include "systems/Conditions.h"
#include "systems/Constructor.h"

#include <QLocale>
#include <QString>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace taru {

// What a system promises: every G-subset of the pool that passes the conditions shares at least
// T numbers with some column.
struct GuaranteeSetup {
    std::vector<std::uint8_t> pool; // ascending, distinct, 1..80
    int game = 0;                   // G, 1..12
    int threshold = 0;              // T, 1..G
};

struct GuaranteeCheckProgress {
    std::int64_t processed = 0;  // G-subsets dealt with so far
    std::int64_t candidates = 0; // C(n,G), all there are
};
using GuaranteeCheckCallback = std::function<void(const GuaranteeCheckProgress &)>;

struct GuaranteeCheckOptions {
    std::size_t holeLimit = 1000;          // holes kept, the first ones in lexicographic order
    const std::atomic<bool> *stop = nullptr; // read between steps and after each progress call
    GuaranteeCheckCallback progress;       // called at least every kProgressInterval
    IndexOptions index;                    // the covered-subset index, as in the constructor

    static constexpr std::chrono::milliseconds kProgressInterval{40};
};

struct GuaranteeCheckResult {
    std::int64_t total = 0;   // G-subsets of the pool that pass the conditions
    std::int64_t covered = 0; // those sharing at least T numbers with a column
    SystemColumns holes;      // the first uncovered ones, numbers ascending, in lexicographic order
    bool stopped = false;     // the counts cover only the part dealt with before the stop

    std::int64_t holeCount() const { return total - covered; }
    // The promise holds: checked to the end, nothing uncovered.
    bool holds() const { return !stopped && covered == total; }
    // covered / total; 1 when there is nothing to cover.
    double share() const { return total == 0 ? 1.0 : static_cast<double>(covered) / static_cast<double>(total); }
};

// Exhaustive check: every G-subset of the pool is tested against the conditions and then looked up
// in the index of the T-subsets the columns cover (a column's numbers outside the pool are
// ignored; repeated numbers count once). Whole branches are settled at once when their prefix
// already holds a covered T-subset or can pass no condition. RangeError for a bad setup.
GuaranteeCheckResult CheckGuarantee(const SystemColumns &columns, const GuaranteeSetup &setup,
                                    const ColumnConditions &conditions = {}, const GuaranteeCheckOptions &options = {});

// The pool a set of columns plays: every number 1..80 that appears in it, ascending.
std::vector<std::uint8_t> NumbersUsed(const SystemColumns &columns);

// "Έλεγχος εγγύησης: 100%"; with holes the share, cut (never rounded up) to two decimals, and how
// many G-subsets are left uncovered; a stopped check says so.
QString GuaranteeCheckText(const GuaranteeCheckResult &result, const QLocale &locale = QLocale());

// One hole as a line: its numbers ascending, single blanks between them.
QString HoleText(SystemColumns::Row hole);

} // namespace taru
