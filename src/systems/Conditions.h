#pragma once

#include "game/Pricing.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <cstdint>
#include <span>
#include <vector>

namespace taru {

// The constructor's conditions: eight ranges typed into the conditions grid and four
// required-number sets. Every condition is a closed range [from, to] on one measure of a
// candidate column; a grid row left at its neutral range (a set left empty or at 0..0) is not
// tested at all, so a fresh window constructs without conditions.

inline constexpr int kGridConditionCount = 8; // grid rows 1..8
inline constexpr int kRequiredSetCount = 4;
inline constexpr int kConditionCount = kGridConditionCount + kRequiredSetCount;

// Grid rows, numbered as in the grid (row 0 holds the captions).
enum ConditionRow : int {
    kSumRow = 1,
    kOddRow = 2,
    kEvenRow = 3,
    kLeftRow = 4,
    kRightRow = 5,
    kFinalDigitsRow = 6,
    kDecadesRow = 7,
    kRangeRow = 8,
};

struct ConditionRange {
    int from = 0;
    int to = 0;
    bool operator==(const ConditionRange &) const = default;
};

struct ConditionDefinition {
    QString name;           // column 0 of the grid
    ConditionRange neutral; // the range written on reset; a row at it is not tested
    ConditionRange clamp;   // what the grid accepts when a cell is confirmed
};

// Rows 1..8 at index 0..7.
const std::array<ConditionDefinition, kGridConditionCount> &ConditionTable();
const ConditionDefinition &ConditionOf(int row);

// All twelve conditions as integers: entries 0..7 are grid rows 1..8, entries 8..11 the four
// required-number sets, in the order of the window's rows.
struct ConditionLimits {
    std::array<int, kConditionCount> from{};
    std::array<int, kConditionCount> to{};
};

// One required-number set as the window holds it: the label with the set ("5,17,23") and the
// texts of its "Από" and "Έως" edits.
struct RequiredNumberSet {
    QString label;
    QString from = QStringLiteral("0");
    QString to = QStringLiteral("0");
    bool operator==(const RequiredNumberSet &) const = default;
};

struct ConditionGridRow {
    QString from;
    QString to;
    bool operator==(const ConditionGridRow &) const = default;
};

// What the window's condition controls hold, as texts. A default-constructed value is the
// window after a reset: names' neutral ranges in the grid, empty sets at "0".."0".
struct ConditionEntries {
    std::array<ConditionGridRow, kGridConditionCount> grid; // rows 1..8 at index 0..7
    std::array<RequiredNumberSet, kRequiredSetCount> sets;

    ConditionEntries();
    ConditionGridRow &row(int row) { return grid.at(row - 1); }
    const ConditionGridRow &row(int row) const { return grid.at(row - 1); }
    bool operator==(const ConditionEntries &) const = default;
};

// The integers of the entries. A grid cell that is empty or not an integer raises
// ConversionError; a set whose edits are not both integers becomes 0..0 (and so is off).
ConditionLimits LoadConditionLimits(const ConditionEntries &entries);

// What the conditions look at in a column, gathered one number at a time (a search that extends
// a common prefix adds only the new number).
struct ColumnMeasures {
    int size = 0;
    int sum = 0;
    int odd = 0;
    int left = 0;            // final digit 1..5
    unsigned digits = 0;     // bit d: a number ends in d
    unsigned decades = 0;    // bit d: a number lies in 10d+1..10d+10
    int smallest = 0;
    int largest = 0;
    std::array<int, kRequiredSetCount> inSet{};
};

// The conditions ready for testing many columns: the limits plus, per number, which of the four
// sets lists it. A set's label is a comma-separated list of number texts and a column's number
// counts when its decimal text is one of the items exactly.
class ColumnConditions {
public:
    ColumnConditions(); // nothing tested
    ColumnConditions(const ConditionLimits &limits, const std::array<QString, kRequiredSetCount> &setLabels);
    static ColumnConditions fromEntries(const ConditionEntries &entries); // may raise ConversionError

    // No condition is tested and no stop can be raised: every column passes.
    bool testsNothing() const { return !anyTest_ && !oddEvenImpossible_ && !leftRightImpossible_; }
    // The from-values ask for more than twelve numbers in total (odd + even or left + right):
    // the first column that reaches that step raises the stop request.
    bool impossibleMinimum() const { return oddEvenImpossible_ || leftRightImpossible_; }
    const ConditionLimits &limits() const { return limits_; }

    // The measures of a column with one more number, larger than all before it.
    ColumnMeasures add(const ColumnMeasures &measures, int number) const;
    // The test of ColumnPassesConditions on measures already gathered.
    bool passes(const ColumnMeasures &measures, bool &stopRequested) const;

private:
    friend class ConditionBounds;

    ConditionLimits limits_{};
    std::array<bool, kConditionCount> active_{};
    bool anyTest_ = false;
    bool oddEvenImpossible_ = false;
    bool leftRightImpossible_ = false;
    std::array<std::uint8_t, kNumbers + 1> setBits_{}; // bit i: number is listed in set i
};

// Tests one column (numbers 1..80, ascending) in the fixed order: sum, odd, even, left, right,
// final digits, decades, range, sets 1..4. Returns false at the first failed condition. Raises
// stopRequested when the from-values of odd + even (checked after the sum test) or of left +
// right (checked after the even test) exceed 12; the column's test goes on.
bool ColumnPassesConditions(const ColumnConditions &conditions, std::span<const std::uint8_t> column, bool &stopRequested);

// Bounds on what the columns that begin with a given prefix can still measure, for a search
// that takes its columns from a fixed pool in position order: when no completion can pass, the
// whole branch can be skipped. Off when nothing is tested, and when an impossible minimum is set
// (its stop must be raised by the very column that reaches the step, so every column is tested).
class ConditionBounds {
public:
    ConditionBounds(const ColumnConditions &conditions, std::span<const std::uint8_t> pool, int columnSize);
    bool enabled() const { return enabled_; }
    // prefix: the measures of the numbers at the first chosen positions (fewer than the column
    // size), the last of them at pool position last. False when no column that completes it from
    // the positions after last passes the conditions.
    bool mayPass(const ColumnMeasures &prefix, int last) const;

private:
    const ColumnConditions &c_;
    std::vector<std::uint8_t> pool_;
    int k_ = 0;
    bool enabled_ = false;
    // Per start position i: sums and counts over the pool positions i..n-1 (or 0..i-1 for sums).
    std::vector<int> sumBefore_;
    std::vector<int> oddFrom_;
    std::vector<int> leftFrom_;
    std::array<std::vector<int>, kRequiredSetCount> setFrom_;
};

// Entry rule of the grid when a cell is confirmed: the edited column (1 = from, 2 = to) is
// clamped to the row's entry range, then to := from when from > to. Texts that are not integers
// are left alone (the comparison is skipped when either one is not an integer).
void ValidateConditionRow(int row, int editedColumn, QString &from, QString &to);

// True when the row's from or to is not its neutral value (a text that is not an integer counts
// as not neutral).
bool IsConditionActive(int row, const QString &from, const QString &to);

// A whole constructor setup as the conditions file keeps it. Default-constructed: a reset window.
struct ConstructorSetup {
    std::array<bool, kNumbers> board{}; // board[n - 1]: number n is marked
    QString gameText;                   // CmbNums
    QString guaranteeText;              // CmbEggy
    QString expansionText;              // CmbSysthma
    ConditionEntries conditions;
    bool operator==(const ConstructorSetup &) const = default;
};

// The conditions file (*.dlv): marked numbers, the three combo texts, the four sets (label,
// from, to), the eight grid rows as "from,to". Greek code page, CR LF, written whole.
QStringList ConditionsFileLines(const ConstructorSetup &setup);
void SaveConditions(const QString &path, const ConstructorSetup &setup);

// Reads the lines back; a short file leaves the rest as after a reset, the cells are not
// validated. A grid line is split at its first ","; the part after it is trimmed.
ConstructorSetup ConditionsFromLines(const QStringList &lines);

// What makes a setup unusable as a file: a game text that is not "1".."12" (blank: no game
// chosen), or a guarantee text the game does not offer (blank only without a game). Nothing when
// it is sound.
std::optional<QString> DamagedConditionsReason(const ConstructorSetup &setup);

// Reads a conditions file. FileError when it cannot be read, and when it is damaged (the message
// kDamagedConditionsFile, the file and the reason).
ConstructorSetup LoadConditions(const QString &path);

inline const QString kDamagedConditionsFile = QStringLiteral("Το αρχείο όρων είναι κατεστραμμένο: ");

// The system name a conditions file gives: its name without folder, cut at the first ".".
QString SystemNameOfConditionsFile(const QString &path);

} // namespace taru
