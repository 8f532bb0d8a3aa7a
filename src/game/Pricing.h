#pragma once

#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>

namespace taru {

inline constexpr int kNumbers = 80;
inline constexpr int kMaxGame = 12;
inline constexpr int kGameBoxCount = 12;
inline constexpr int kMultiplierBoxCount = 9;
inline constexpr int kDrawColumns = 2;
inline constexpr int kDrawRows = 5;
inline constexpr int kWinningSize = 20;

inline constexpr std::array<int, kMultiplierBoxCount> kMultiplierValues{2, 3, 4, 5, 6, 8, 10, 12, 20};
// Consecutive-draws block: column 0 top to bottom, then column 1.
inline constexpr std::array<std::array<int, kDrawRows>, kDrawColumns> kDrawValues{{{2, 3, 4, 5, 6}, {10, 20, 50, 100, 200}}};

using MultiplierBoxes = std::array<bool, kMultiplierBoxCount>;
using DrawBoxes = std::array<std::array<bool, kDrawRows>, kDrawColumns>; // [column][row]
using GameBoxes = std::array<bool, kGameBoxCount>;                     // index 0 = box 1 = game 12

// Box index (1..12) of game k, and back.
constexpr int gameBoxOf(int game) { return 13 - game; }
constexpr int gameOfBox(int box) { return 13 - box; }

// The coupon's multiplier: the sum of the marked boxes' values, 1 when none is marked.
int CouponMultiplier(const MultiplierBoxes &boxes);

// The number of draws played: the value of the marked box (the last in scan order when several
// are set), 1 when none is marked.
int CouponDraws(const DrawBoxes &boxes);

// columns x draws x multiplier formed in 32-bit arithmetic (OverflowError when it does not fit),
// then times the column price.
double CouponCost(int columns, int draws, int multiplier, double columnPrice);

// "%.2f" with the locale's decimal separator and no digit grouping.
QString FormatMoney(double value, const QLocale &locale = QLocale());

// Number of k-subsets of n: the product (n-k+1)...n in extended precision divided by k!,
// rounded to the nearest integer. 0 when k > n, 1 when k = 0. OverflowError when k! does not
// fit 64 bits (k >= 21).
std::int64_t Combinations(int n, int k);

// The price of one column: the program's string entry "0,50" read with the locale's decimal
// separator. ConversionError when the text does not convert.
double LoadColumnPrice(const QLocale &locale = QLocale());

// The program's own string table (only the Greek texts at offset 0 are in use).
QString StringTableEntry(int id);

} // namespace taru
