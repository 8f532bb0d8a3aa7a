#pragma once

#include "data/SystemFile.h"
#include "data/SystemColumns.h"
#include "game/Pricing.h"
#include "systems/Conditions.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace taru {

// The guarantee combo's items for game G (1..12), index 0 first. Empty outside 1..12.
QStringList GuaranteeItems(int game);
// T = G - index: a built column must share at least T numbers with the winning column.
inline int GuaranteeThreshold(int game, int guaranteeIndex) { return game - guaranteeIndex; }
// The expansion combo ("ΑΝΑΠΤΥΞΗ ΣΕ "): "1αδες".."12αδες" then six empty items, as the combo holds
// them. K = item index + 1.
QStringList ColumnSizeItems();

// The marked numbers of a board, ascending: the pool of a build.
std::vector<std::uint8_t> PoolOf(const std::array<bool, kNumbers> &board);

// The progress bar's maximum: C(n,K), or 10,000,000 when that does not fit 32 bits.
int ProgressBarMaximum(int markedCount, int columnSize);

// What one build works on.
struct ConstructionSetup {
    std::vector<std::uint8_t> pool; // the marked numbers, ascending (at most 80)
    int game = 0;                   // G
    int columnSize = 0;             // K, the size of the built columns (equal to G in the window)
    int threshold = 0;              // T

    // The guarantee test runs for every item but the first (G > T).
    bool guaranteeTest() const { return game > threshold; }
};

struct ConstructionProgress {
    std::int64_t processed = 0; // candidates dealt with so far (each one counts, accepted or not)
    std::int64_t accepted = 0;  // columns accepted so far
};

// Called on the caller's thread at least every progress interval of searching and after every
// accepted column, so a window can repaint and let pending input (its stop button) through.
using ProgressCallback = std::function<void(const ConstructionProgress &)>;

struct ConstructionResult {
    SystemColumns columns;      // numbers ascending; empty when the build was stopped
    bool stopped = false;       // the stop request was set: the result has been discarded
    std::int64_t processed = 0; // candidates dealt with
};

// The covered-subset index never takes more than this; above it the engine falls back to slower
// methods that need no more memory (the accepted columns themselves excepted).
inline constexpr std::size_t kIndexBudgetBytes = std::size_t{256} << 20;

struct IndexOptions {
    std::size_t budgetBytes = kIndexBudgetBytes;
    bool allowBitset = true; // false: the hash set even where the bitset would fit (for tests)
};

// The greedy constructor. Candidates are the K-subsets of the pool in lexicographic order of
// their positions; each one is tested against the conditions and then, when G > T, dropped if it
// shares T or more numbers with a column accepted before; the others are accepted. The result is
// the same as comparing every candidate with every accepted column, but the test looks up the
// candidate's T-subsets in an index of the T-subsets that accepted columns cover, and whole
// branches of the enumeration are skipped when their common prefix already holds a covered
// T-subset or when no column that extends it can pass the conditions (the candidates skipped
// still count as dealt with).
//
// A window drives it on the user-interface thread: it clears its stop flag, runs the search with a progress
// callback that updates the progress bar and the found-columns line and lets pending input
// through (QCoreApplication::processEvents); its stop button sets the flag, which the search
// sees as soon as the callback returns.
class SystemConstructor {
public:
    // The window must hear its input at least every 50 ms; the clock is read only every so many
    // steps, so the call is due a little earlier to stay within that.
    static constexpr std::chrono::milliseconds kProgressInterval{40};

    SystemConstructor(ConstructionSetup setup, ColumnConditions conditions, IndexOptions index = {});
    ~SystemConstructor();
    SystemConstructor(const SystemConstructor &) = delete;
    SystemConstructor &operator=(const SystemConstructor &) = delete;

    // Runs the whole search from the first candidate. stopRequested is read after each sweep of
    // the innermost position and after each progress call (a stop set by the callback takes
    // effect at once); the conditions' impossible-minimum rule sets it. When it is set at the
    // end, the columns are discarded.
    ConstructionResult EnumerateCandidates(bool &stopRequested, const ProgressCallback &progress = {});

    // One step on its own: the candidate given by its pool positions (0-based, ascending) is
    // tested against the conditions and the columns accepted so far, and accepted when it
    // passes. Returns whether it was accepted.
    bool TryAcceptCandidate(std::span<const int> positions, bool &stopRequested);

    std::int64_t acceptedCount() const;
    SystemColumns acceptedColumns() const;

    // Which index the guarantee test uses (for tests and measurements).
    enum class IndexKind { None, Bitset, HashSet };
    IndexKind indexKind() const;
    // Columns accepted after the hash set reached its budget, tested by direct comparison.
    std::int64_t directlyComparedColumns() const;

private:
    struct Engine;
    std::unique_ptr<Engine> engine_;
};

// Convenience: one whole build.
ConstructionResult ConstructSystem(const ConstructionSetup &setup, const ColumnConditions &conditions,
                                   bool &stopRequested, const ProgressCallback &progress = {});

// What the report and the summary message need about the last build.
struct ConstructionSummary {
    int markedCount = 0;           // n
    std::int64_t fullColumns = 0;  // C(n,K) * C(K,G)
    double fullCost = 0.0;
    QString gameText;              // CmbNums
    QString guaranteeText;         // CmbEggy
    QString expansionText;         // CmbSysthma
    std::int64_t couponCount = 0;  // SystemColumnCount
    std::int64_t builtColumns = 0; // SystemColumnCount * C(K,G)
    double builtCost = 0.0;
    int fifteenNumberLines = 0;    // ceil(n / 15)
    QStringList numberLines;       // the marked numbers, two blanks apart, 10 on the first line, 11 on the others
};

ConstructionSummary MakeConstructionSummary(std::span<const std::uint8_t> pool, int game, int columnSize,
                                            const QString &gameText, const QString &guaranteeText,
                                            const QString &expansionText, std::int64_t systemColumnCount,
                                            double columnPrice);

// The catalogue fields of the library system file stored after a build: n, T, G, the built
// column count, the coupon count and K from the summary; the condition is the first
// required-number set's from and to texts, present when its label is not blank.
data::SystemNameFields LibrarySystemNameFields(const ConstructionSummary &summary, int threshold, int game, int columnSize,
                                               const RequiredNumberSet &firstSet, double columnPrice);
// Its file name ("A10455_10_4_5_....tbi"), to be put in the PROTYPA folder.
QString LibrarySystemFileName(const ConstructionSummary &summary, int threshold, int game, int columnSize,
                              const RequiredNumberSet &firstSet, double columnPrice);

// The marked numbers as the report prints them.
QStringList MarkedNumberLines(std::span<const std::uint8_t> pool);

// Label texts of the window.
QString SelectedNumbersText(int markedCount); // "Επιλεγμένοι Αριθμοί : " + n
QString CouponCountText(std::int64_t count);  // "Δελτία : " + count
// "Ποσοστό για 5άρι : 12.50%", or "Ποσοστό για 5άρι :%" when C(n,K) is 0.
QString PercentageText(const QString &gameText, std::int64_t systemColumnCount, std::int64_t candidateCount,
                       const QLocale &locale = QLocale());

// Above this many columns in the full system the window asks before it builds: such a build
// takes long and, without a guarantee, keeps every column (K bytes each).
inline constexpr std::int64_t kLargeBuildColumns = 5'000'000;

// The question asked before building from `markedCount` numbers in columns of `columnSize` for
// `game`, with the full system's column count, its cost and the memory its columns may take;
// nothing when the full system has at most kLargeBuildColumns columns.
std::optional<QString> LargeBuildQuestion(int markedCount, int columnSize, int game, double columnPrice,
                                          const QLocale &locale = QLocale());

// The message shown after each build.
QString ConstructionMessage(const ConstructionSummary &summary, const QLocale &locale = QLocale());

} // namespace taru
