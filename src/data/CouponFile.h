#pragma once

#include "data/SystemColumns.h"
#include "game/Checking.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace taru::data {

inline constexpr int kTensGroups = 8;

// The message shown (caption "Ενημέρωση") when a coupon file cannot be read; the full path follows.
inline const QString kCouponReadErrorPrefix = QStringLiteral("Παρουσιάστηκε σφάλμα στην ανάγνωση του αρχείου ");

// The largest game size a coupon file may carry: a column cannot hold more than the 80 numbers.
// A larger k is a damaged file.
inline constexpr int kMaxCouponFileGame = 80;
// The longest coupon line read: 80 numbers with placeholders and blanks fit many times over.
inline constexpr qsizetype kMaxCouponLineBytes = qsizetype{64} << 10;

// One coupon line of a coupon file.
struct CouponLine {
    // The numbers in file order, "A" placeholders left out; at most k of them.
    std::vector<std::uint8_t> numbers;
    // The same numbers by tens for display and printing: group 0 holds 1..10 (and every value
    // outside 1..80), group 7 holds 71..80; each a "," list in file order. Made when asked, so a
    // file of a million coupons holds only their numbers.
    std::array<QString, kTensGroups> groups() const;
};

// What a coupon file holds. The list has `count` coupons (line 1 of the file); only the lines
// present in the file are kept in `lines`, and every coupon past them is empty, so a file that
// announces many more coupons than it holds costs no memory.
struct CouponFileData {
    int count = 0;          // N, line 1
    int game = 0;           // k, line 2
    QString gameText;       // line 2 exactly as read
    QString multipliers;    // line 3: multiplier box indices 1..9 as a "," list, passed on unchanged
    int drawsColumn = 0;    // line 4: 0 = no consecutive-draws box, else 1 or 2
    int drawsRow = 0;       // line 5: 0..4
    std::vector<CouponLine> lines;
    bool valid = false;
    QString error;          // the read-error message when not valid
    QString reason;         // and what was wrong, for the command line (English)

    // Coupon i (0-based, below count); empty past the lines read.
    const CouponLine &coupon(int i) const;
    // The coupons the file announces past its lines: empty, represented by their count.
    int emptyTail() const { return count - static_cast<int>(lines.size()); }
};

// Reads a coupon file one line at a time. Any failure (file missing, unreadable or not a regular
// file, a header or item that is not a number, k above 80, more than k numbers on a line, more
// coupon lines than N, a number outside 0..255, a line longer than kMaxCouponLineBytes) ends the
// read: the result is not valid, holds the message prefix + the full path, and keeps the coupons
// read up to the failure. The file itself is never touched.
CouponFileData ReadCouponFile(const QString &path);

// The same reader over the file's bytes; `path` only goes into the message.
CouponFileData ParseCouponFile(const QByteArray &bytes, const QString &path);

// The file's bytes: N, k, the multiplier list, the consecutive-draws column and row, then one
// line per coupon with its items joined by "," (Windows-1253, CR LF).
QByteArray CouponFileBytes(int count, int game, const QString &multipliers, int drawsColumn, int drawsRow,
                           const std::vector<QStringList> &coupons);

// Writes the file whole and atomically; FileError when it cannot be written (the previous file
// then stays as it was).
void WriteCouponFile(const QString &path, int count, int game, const QString &multipliers, int drawsColumn,
                     int drawsRow, const std::vector<QStringList> &coupons);

// Coupons held as rows of numbers (a built system), each row written in its order (0 entries,
// the padding of short rows, left out), line after line as they are written. RangeError, and
// nothing written, for a count a coupon file cannot hold (above 2,147,483,647).
void WriteCouponFile(const QString &path, std::int64_t count, int game, const QString &multipliers, int drawsColumn,
                     int drawsRow, const SystemColumns &coupons);

// The value of one coupon of the file: one column x the draws of its consecutive-draws box x the
// multiplier of its multiplier boxes x the column price. Boxes the slip does not have (a
// multiplier item that is not 1..9, a consecutive-draws box outside 1..2 x 0..4) add nothing:
// printing refuses them. OverflowError as CouponCost.
double CouponFileValue(const CouponFileData &file, double columnPrice);

// Checks the coupons of the file against the winning column: the lines it holds one by one, the
// empty coupons past them as one run; nothing is made per announced coupon.
CheckResult CheckCouponFile(const CouponFileData &file, const WinningPlaces &winning);

} // namespace taru::data
