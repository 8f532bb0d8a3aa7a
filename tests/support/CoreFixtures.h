#pragma once

// Values several core tests build the same way: conditions, greedy systems, subsets in order,
// draws and coupon files.

#include "data/CouponFile.h"
#include "draws/DrawsFile.h"
#include "systems/Conditions.h"
#include "systems/Constructor.h"
#include "systems/GuaranteeCheck.h"

#include <functional>
#include <initializer_list>
#include <vector>

namespace taru::test {

inline ColumnConditions conditionsWith(const std::function<void(ConditionEntries &)> &edit)
{
    ConditionEntries entries;
    edit(entries);
    return ColumnConditions::fromEntries(entries);
}

inline SystemColumns greedy(const GuaranteeSetup &setup, const ColumnConditions &conditions = {})
{
    bool stop = false;
    return ConstructSystem({setup.pool, setup.game, setup.game, setup.threshold}, conditions, stop).columns;
}

// Steps p to the next k-subset of 0..n-1 in lexicographic order; false after the last.
inline bool nextCombination(std::vector<int> &p, int n)
{
    const int k = static_cast<int>(p.size());
    int i = k - 1;
    while (i >= 0 && p[i] == n - k + i)
        --i;
    if (i < 0)
        return false;
    ++p[i];
    for (int j = i + 1; j < k; ++j)
        p[j] = p[j - 1] + 1;
    return true;
}

inline draws::DrawEntry drawOf(const char *number, const char *date, std::initializer_list<int> numbers)
{
    draws::DrawEntry entry;
    entry.drawNumber = QString::fromUtf8(number);
    entry.date = QString::fromUtf8(date);
    int i = 0;
    for (const int n : numbers)
        entry.numbers[static_cast<std::size_t>(i++)] = QString::number(n);
    return entry;
}

// The draws of tests/data/draws_three.nik, without figures.
inline draws::DrawList threeDraws()
{
    draws::DrawList list;
    list.append(drawOf("1001", "05/01/2026", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    list.append(drawOf("1002", "06/01/2026", {1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 21, 22, 23, 24, 25, 31, 32, 33, 34, 35}));
    list.append(drawOf("1003", "07/01/2026", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80}));
    return list;
}

// A coupon file as read: `count` announced, the lines given.
inline data::CouponFileData couponsOf(int count, int game, std::vector<std::vector<std::uint8_t>> lines)
{
    data::CouponFileData file;
    file.count = count;
    file.game = game;
    file.valid = true;
    for (auto &numbers : lines)
        file.lines.push_back(data::CouponLine{std::move(numbers)});
    return file;
}

} // namespace taru::test
