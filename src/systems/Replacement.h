#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <span>
#include <utility>
#include <vector>

namespace taru {

inline const QString kWrongValue = QStringLiteral("ΛΑΘΟΣ ΤΙΜΗ");

// The distinct numbers of a coupon file's coupon lines (after its five header lines), in order
// of first appearance. Items are separated by ","; blanks around them are ignored and the
// placeholder "A" is skipped. An item that is not a whole number stops the reading: error says
// where, and numbers holds what was read before it.
struct DistinctNumbers {
    std::vector<int> numbers;
    QString error;
};
DistinctNumbers ReadDistinctNumbers(const QByteArray &fileBytes);

// The first row (0-based) whose new number cannot be saved: empty, not a number from 1 to 80, or
// the same number as another row's; -1 when every row is right.
int FirstWrongNewNumber(const QStringList &newTexts);

// (old, new) for every row whose new text differs from its old number, in row order.
using ReplacementTable = std::vector<std::pair<int, int>>;
ReplacementTable MakeReplacementTable(std::span<const int> oldNumbers, const QStringList &newTexts);

// The coupon file with every number replaced in one pass: lines 1 and 2 copied, lines 3 to 5
// replaced by the given options, and every item of the coupon lines looked up once in the table
// (so 5 -> 7 and 7 -> 5 swap them); an item without a pair, or "A", is written as it was read.
// ConversionError for an item that is not a whole number, FileError for a file shorter than its
// header.
QByteArray ReplaceNumbers(const QByteArray &fileBytes, const ReplacementTable &table, const QString &multipliers,
                          int drawColumn, int drawRow);

// Reads the whole input first, then writes the output whole and atomically, so the input itself
// may be chosen as the output and nothing is lost when anything fails.
void ReplaceInCouponFile(const QString &inputPath, const QString &outputPath, const ReplacementTable &table,
                         const QString &multipliers, int drawColumn, int drawRow);

} // namespace taru
