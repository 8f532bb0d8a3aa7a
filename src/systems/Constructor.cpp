#include "systems/Constructor.h"

#include "base/Errors.h"
#include "game/Pricing.h"
#include "systems/SubsetIndex.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <new>
#include <limits>

namespace taru {

QStringList GuaranteeItems(int game)
{
    // Games 6 and 7 have a single blank after "100%" in their first item; all others two.
    static const std::array<QStringList, kMaxGame> items{{
        {QStringLiteral("100%  1αρι")},
        {QStringLiteral("100%  2αρι"), QStringLiteral("100%  2 ή 1αρι(α)")},
        {QStringLiteral("100%  3αρι"), QStringLiteral("100%  3 ή 2αρι(α)")},
        {QStringLiteral("100%  4αρι"), QStringLiteral("100%  4 ή 3αρι(α)"), QStringLiteral("100%  4 ή 3 ή 2αρι(α)")},
        {QStringLiteral("100%  5αρι"), QStringLiteral("100%  5 ή 4αρι(α)"), QStringLiteral("100%  5 ή 4 ή 3αρι(α)")},
        {QStringLiteral("100% 6αρι"), QStringLiteral("100%  6 ή 5αρι(α)"), QStringLiteral("100%  6 ή 5 ή 4αρι(α)"),
         QStringLiteral("100%  6 ή 5 ή 4 ή 3αρι(α)")},
        {QStringLiteral("100% 7αρι"), QStringLiteral("100%  7 ή 6αρι(α)"), QStringLiteral("100%  7 ή 6 ή 5αρι(α)"),
         QStringLiteral("100%  7 ή 6 ή 5 ή 4αρι(α)"), QStringLiteral("100%  7 ή 6 ή 5 ή 4 ή 3αρι(α)")},
        {QStringLiteral("100%  8αρι"), QStringLiteral("100%  8 ή 7αρι(α)"), QStringLiteral("100%  8 ή 7 ή 6αρι(α)"),
         QStringLiteral("100%  8 ή 7 ή 6 ή 5αρι(α)"), QStringLiteral("100%  8 ή 7 ή 6 ή 5 ή 4αρι(α)")},
        {QStringLiteral("100%  9αρι"), QStringLiteral("100%  9 ή 8αρι(α)"), QStringLiteral("100%  9 ή 8 ή 7αρι(α)"),
         QStringLiteral("100%  9 ή 8 ή 7 ή 6αρι(α)"), QStringLiteral("100%  9 ή 8 ή 7 ή 6 ή 5αρι(α)"),
         QStringLiteral("100%  9 ή 8 ή 7 ή 6 ή 5 ή 4αρι(α)")},
        {QStringLiteral("100%  10αρι"), QStringLiteral("100%  10 ή 9αρι(α)"), QStringLiteral("100%  10 ή 9 ή 8αρι(α)"),
         QStringLiteral("100%  10 ή 9 ή 8 ή 7αρι(α)"), QStringLiteral("100%  10 ή 9 ή 8 ή 7 ή 6αρι(α)"),
         QStringLiteral("100%  10 ή 9 ή 8 ή 7 ή 6 ή 5αρι(α)")},
        {QStringLiteral("100%  11αρι"), QStringLiteral("100%  11 ή 10αρι(α)"), QStringLiteral("100%  11 ή 10 ή 9αρι(α)"),
         QStringLiteral("100%  11 ή 10 ή 9 ή 8αρι(α)"), QStringLiteral("100%  11 ή 10 ή 9 ή 8 ή 7αρι(α)"),
         QStringLiteral("100%  11 ή 10 ή 9 ή 8 ή 7 ή 6αρι(α)"), QStringLiteral("100%  11 ή 10 ή 9 ή 8 ή 7 ή 6 ή 5αρι(α)")},
        {QStringLiteral("100%  12αρι"), QStringLiteral("100%  12 ή 11αρι(α)"), QStringLiteral("100%  12 ή 11 ή 10αρι(α)"),
         QStringLiteral("100%  12 ή 11 ή 10 ή 9αρι(α)"), QStringLiteral("100%  12 ή 11 ή 10 ή 9 ή 8αρι(α)"),
         QStringLiteral("100%  12 ή 11 ή 10 ή 9 ή 8 ή 7αρι(α)"),
         QStringLiteral("100%  12 ή 11 ή 10 ή 9 ή 8 ή 7 ή 6αρι(α)")},
    }};
    if (game < 1 || game > kMaxGame)
        return {};
    return items[game - 1];
}

QStringList ColumnSizeItems()
{
    QStringList items;
    for (int k = 1; k <= kMaxGame; ++k)
        items.append(QString::number(k) + QStringLiteral("αδες"));
    for (int i = 0; i < 6; ++i)
        items.append(QString());
    return items;
}

std::vector<std::uint8_t> PoolOf(const std::array<bool, kNumbers> &board)
{
    std::vector<std::uint8_t> pool;
    for (int number = 1; number <= kNumbers; ++number) {
        if (board[number - 1])
            pool.push_back(static_cast<std::uint8_t>(number));
    }
    return pool;
}

int ProgressBarMaximum(int markedCount, int columnSize)
{
    const std::int64_t candidates = Combinations(markedCount, columnSize);
    return candidates > std::numeric_limits<std::int32_t>::max() ? 10'000'000 : static_cast<int>(candidates);
}

namespace {

using subsets::binomials;
using subsets::Binomials;
using subsets::bitOf;
using subsets::CoveredSubsets;
using subsets::Mask;
using subsets::PrefixRanks;

constexpr int kMaxPool = subsets::kMaxPool;
constexpr int kMaxK = subsets::kMaxK;

// The accepted columns, K numbers each, in blocks: a long build never has to move everything it
// has found to a larger buffer (which would hold the search up for a noticeable moment). The
// blocks are large enough to be mapped on their own, so each one goes back to the system as soon
// as it has been handed over.
class ColumnStore {
public:
    static constexpr std::size_t kBlockBytes = std::size_t{64} << 20;

    void append(std::span<const std::uint8_t> column)
    {
        if (blocks_.empty() || blocks_.back().size() + column.size() > kBlockBytes) {
            blocks_.emplace_back();
            blocks_.back().reserve(kBlockBytes);
        }
        blocks_.back().insert(blocks_.back().end(), column.begin(), column.end());
    }
    template <typename Visit>
    void forEach(std::size_t columnSize, Visit &&visit) const
    {
        for (const auto &block : blocks_) {
            for (std::size_t i = 0; i + columnSize <= block.size(); i += columnSize)
                visit(std::span<const std::uint8_t>(block.data() + i, columnSize));
        }
    }
    // Moves every column into one flat system, releasing each block once copied: the columns
    // are held about once, not twice, while they move.
    SystemColumns take(std::size_t columnSize, std::size_t count)
    {
        SystemColumns columns(static_cast<int>(columnSize));
        columns.reserve(count);
        for (auto &block : blocks_) {
            for (std::size_t i = 0; i + columnSize <= block.size(); i += columnSize)
                columns.append(std::span<const std::uint8_t>(block.data() + i, columnSize));
            std::vector<std::uint8_t>().swap(block);
        }
        blocks_.clear();
        return columns;
    }

private:
    std::vector<std::vector<std::uint8_t>> blocks_;
};

enum class Flow { Continue, Unwind, Stop };

} // namespace

struct SystemConstructor::Engine {
    ConstructionSetup setup;
    ColumnConditions conditions;
    const Binomials &C = binomials();
    int n = 0;
    int K = 0;
    int T = 0;
    bool test = false;       // the guarantee test runs
    bool checkConditions = false;
    std::unique_ptr<ConditionBounds> bounds; // skips branches that no column can pass from
    IndexKind kind = IndexKind::None;
    CoveredSubsets index; // columns accepted once the hash set was full are compared directly
    ColumnStore accepted;
    std::int64_t acceptedCount = 0;

    // Search state.
    std::array<int, kMaxK> p{};
    std::array<std::uint8_t, kMaxK> numbers{};
    std::array<Mask, kMaxK + 1> prefixMask{};
    std::array<ColumnMeasures, kMaxK + 1> measures{}; // of the first d chosen numbers
    PrefixRanks prefixRanks;
    std::int64_t processed = 0;
    bool *stop = nullptr;
    const ProgressCallback *progress = nullptr;
    mutable unsigned work = 0;
    std::chrono::steady_clock::time_point lastReport;

    IndexOptions options;
    bool used = false;

    Engine(ConstructionSetup s, ColumnConditions c, IndexOptions indexOptions)
        : setup(std::move(s)), conditions(std::move(c)), options(indexOptions)
    {
        n = static_cast<int>(setup.pool.size());
        K = setup.columnSize;
        T = setup.threshold;
        if (n > kMaxPool)
            throw RangeError(QStringLiteral("At most %1 numbers can be marked").arg(kMaxPool));
        for (int i = 0; i < n; ++i) {
            const int number = setup.pool[i];
            if (number < 1 || number > kNumbers || (i > 0 && setup.pool[i - 1] >= number))
                throw RangeError(QStringLiteral("The marked numbers must be distinct, ascending and within 1..80"));
        }
        if (K < 1 || K > kMaxK)
            throw RangeError(QStringLiteral("The column size %1 is outside 1..12").arg(K));
        // A threshold above K can never be reached: every candidate passes the test.
        test = setup.guaranteeTest() && T <= K;
        if (test && T < 1)
            throw RangeError(QStringLiteral("The guarantee threshold %1 is below 1").arg(T));
        checkConditions = !conditions.testsNothing();
        bounds = std::make_unique<ConditionBounds>(conditions, setup.pool, K);
        if (!bounds->enabled())
            bounds.reset();

        if (test) {
            index.reset(n, T, options.budgetBytes, options.allowBitset);
            kind = index.kind() == CoveredSubsets::Kind::Bitset ? IndexKind::Bitset : IndexKind::HashSet;
            prefixRanks.reset(K, T);
        }
    }

    bool directlyCovered(Mask candidate) const
    {
        // A long list of directly compared columns makes each candidate dear: the work is
        // counted so that the progress clock is still read often enough.
        work += static_cast<unsigned>(index.direct().size() / 256);
        return index.directlyCovered(candidate);
    }

    // Does the set of the first d positions, whose last one is x, hold a covered T-subset that
    // contains x? (Those without x were looked at on the way down.)
    template <IndexKind Kind>
    bool coveredWith(int d, int x, Mask prefix) const
    {
        const std::span<const std::uint64_t> ranks = prefixRanks.belowThreshold(d - 1);
        const std::uint64_t add = C(x, T);
        constexpr auto kIndex = Kind == IndexKind::Bitset ? CoveredSubsets::Kind::Bitset : CoveredSubsets::Kind::HashSet;
        for (const std::uint64_t rank : ranks) {
            if (index.contains<kIndex>(rank + add))
                return true;
        }
        if constexpr (Kind == IndexKind::HashSet)
            return !index.direct().empty() && directlyCovered(prefix);
        return false;
    }

    void accept(std::span<const int> positions, std::span<const std::uint8_t> column)
    {
        accepted.append(column);
        ++acceptedCount;
        if (test)
            index.add(positions);
    }

    bool coveredWhole(std::span<const int> positions) const
    {
        return index.coversAny(positions);
    }

    // The progress call; true when the stop request is set (by the call or before it), which
    // then ends the search at once: a stopped result is discarded anyway.
    bool report()
    {
        lastReport = std::chrono::steady_clock::now();
        (*progress)(ConstructionProgress{processed, acceptedCount});
        return *stop;
    }

    bool tick()
    {
        // The clock is read every 64 steps: a step costs at least tens of nanoseconds, a few
        // microseconds at most, so the calls come close to the interval and the reads stay cheap.
        if (!progress || ++work < 64)
            return false;
        work = 0;
        if (std::chrono::steady_clock::now() - lastReport < kProgressInterval)
            return false;
        return report();
    }

    template <IndexKind Kind>
    Flow level(int e, int start)
    {
        const int last = n - K + e;
        const int d = e + 1; // positions chosen once this one is placed
        if (e == K - 1) {
            for (int x = start; x <= last; ++x) {
                ++processed;
                numbers[e] = setup.pool[x];
                if (tick())
                    return Flow::Stop;
                if (checkConditions && !conditions.passes(conditions.add(measures[e], numbers[e]), *stop))
                    continue;
                const Mask mask = prefixMask[e] | bitOf(x);
                if constexpr (Kind != IndexKind::None) {
                    if (coveredWith<Kind>(d, x, mask))
                        continue;
                }
                p[e] = x;
                accept(std::span<const int>(p.data(), K), std::span<const std::uint8_t>(numbers.data(), K));
                if (progress && report())
                    return Flow::Stop;
                if constexpr (Kind != IndexKind::None) {
                    // Every later candidate with the same first T positions shares them with
                    // this column: leave the branch at once.
                    if (T - 1 < e) {
                        processed += static_cast<std::int64_t>(last - x);
                        return *stop ? Flow::Stop : Flow::Unwind;
                    }
                }
            }
            return *stop ? Flow::Stop : Flow::Continue;
        }
        for (int x = start; x <= last; ++x) {
            p[e] = x;
            numbers[e] = setup.pool[x];
            prefixMask[d] = prefixMask[e] | bitOf(x);
            if (checkConditions)
                measures[d] = conditions.add(measures[e], numbers[e]);
            if (bounds && !bounds->mayPass(measures[d], x)) {
                processed += static_cast<std::int64_t>(C(n - 1 - x, K - d));
                if (tick())
                    return Flow::Stop;
                continue;
            }
            if constexpr (Kind != IndexKind::None) {
                if (d >= T && coveredWith<Kind>(d, x, prefixMask[d])) {
                    processed += static_cast<std::int64_t>(C(n - 1 - x, K - d));
                    if (tick())
                        return Flow::Stop;
                    continue;
                }
                prefixRanks.place(d, x);
            }
            const Flow flow = level<Kind>(e + 1, x + 1);
            if (flow == Flow::Stop)
                return Flow::Stop;
            if (flow == Flow::Unwind && e > T - 1) {
                processed += static_cast<std::int64_t>(C(n - 1 - x, K - e));
                return Flow::Unwind;
            }
        }
        return Flow::Continue;
    }

    void run(bool &stopRequested, const ProgressCallback &callback)
    {
        stop = &stopRequested;
        progress = callback ? &callback : nullptr;
        lastReport = std::chrono::steady_clock::now();
        processed = 0;
        prefixMask[0] = 0;
        measures[0] = ColumnMeasures();
        if (n >= K) {
            switch (kind) {
            case IndexKind::None:
                level<IndexKind::None>(0, 0);
                break;
            case IndexKind::Bitset:
                level<IndexKind::Bitset>(0, 0);
                break;
            case IndexKind::HashSet:
                level<IndexKind::HashSet>(0, 0);
                break;
            }
        }
        if (progress)
            report();
        stop = nullptr;
        progress = nullptr;
    }
};

SystemConstructor::SystemConstructor(ConstructionSetup setup, ColumnConditions conditions, IndexOptions index)
    : engine_(std::make_unique<Engine>(std::move(setup), std::move(conditions), index))
{
}

SystemConstructor::~SystemConstructor() = default;

ConstructionResult SystemConstructor::EnumerateCandidates(bool &stopRequested, const ProgressCallback &progress)
{
    // A fresh search: forget columns from an earlier run or from single steps.
    if (engine_->used)
        engine_ = std::make_unique<Engine>(engine_->setup, engine_->conditions, engine_->options);
    Engine &e = *engine_;
    e.used = true;
    e.run(stopRequested, progress);
    ConstructionResult result;
    result.processed = e.processed;
    result.stopped = stopRequested;
    if (!result.stopped)
        result.columns = e.accepted.take(static_cast<std::size_t>(e.K), static_cast<std::size_t>(e.acceptedCount));
    return result;
}

bool SystemConstructor::TryAcceptCandidate(std::span<const int> positions, bool &stopRequested)
{
    Engine &e = *engine_;
    e.used = true;
    if (static_cast<int>(positions.size()) != e.K)
        throw RangeError(QStringLiteral("A candidate has %1 positions, not %2").arg(positions.size()).arg(e.K));
    std::array<std::uint8_t, kMaxK> column{};
    for (int i = 0; i < e.K; ++i) {
        if (positions[i] < 0 || positions[i] >= e.n || (i > 0 && positions[i] <= positions[i - 1]))
            throw RangeError(QStringLiteral("Candidate positions must be ascending pool positions"));
        column[i] = e.setup.pool[positions[i]];
    }
    const std::span<const std::uint8_t> numbers(column.data(), e.K);
    if (e.checkConditions && !ColumnPassesConditions(e.conditions, numbers, stopRequested))
        return false;
    if (e.test && e.coveredWhole(positions))
        return false;
    e.accept(positions, numbers);
    return true;
}

std::int64_t SystemConstructor::acceptedCount() const { return engine_->acceptedCount; }

SystemColumns SystemConstructor::acceptedColumns() const
{
    const Engine &e = *engine_;
    SystemColumns columns(e.K);
    columns.reserve(static_cast<std::size_t>(e.acceptedCount));
    e.accepted.forEach(static_cast<std::size_t>(e.K), [&](std::span<const std::uint8_t> column) { columns.append(column); });
    return columns;
}

SystemConstructor::IndexKind SystemConstructor::indexKind() const { return engine_->kind; }

std::int64_t SystemConstructor::directlyComparedColumns() const { return static_cast<std::int64_t>(engine_->index.direct().size()); }

ConstructionResult ConstructSystem(const ConstructionSetup &setup, const ColumnConditions &conditions, bool &stopRequested,
                                   const ProgressCallback &progress)
{
    SystemConstructor constructor(setup, conditions);
    return constructor.EnumerateCandidates(stopRequested, progress);
}

QStringList MarkedNumberLines(std::span<const std::uint8_t> pool)
{
    QStringList lines;
    QStringList current;
    for (std::size_t i = 0; i < pool.size(); ++i) {
        // A new line before the 11th, 22nd, 33rd ... number.
        if (i > 0 && (i + 1) % 11 == 0) {
            lines.append(current.join(QStringLiteral("  ")));
            current.clear();
        }
        current.append(QString::number(pool[i]));
    }
    if (!current.isEmpty())
        lines.append(current.join(QStringLiteral("  ")));
    return lines;
}

ConstructionSummary MakeConstructionSummary(std::span<const std::uint8_t> pool, int game, int columnSize,
                                            const QString &gameText, const QString &guaranteeText,
                                            const QString &expansionText, std::int64_t systemColumnCount,
                                            double columnPrice)
{
    ConstructionSummary summary;
    const int n = static_cast<int>(pool.size());
    const std::int64_t perCoupon = Combinations(columnSize, game);
    summary.markedCount = n;
    summary.fullColumns = Combinations(n, columnSize) * perCoupon;
    summary.fullCost = static_cast<double>(summary.fullColumns) * columnPrice;
    summary.gameText = gameText;
    summary.guaranteeText = guaranteeText;
    summary.expansionText = expansionText;
    summary.couponCount = systemColumnCount;
    summary.builtColumns = systemColumnCount * perCoupon;
    summary.builtCost = static_cast<double>(summary.builtColumns) * columnPrice;
    summary.fifteenNumberLines = (n + 14) / 15;
    summary.numberLines = MarkedNumberLines(pool);
    return summary;
}

data::SystemNameFields LibrarySystemNameFields(const ConstructionSummary &summary, int threshold, int game, int columnSize,
                                               const RequiredNumberSet &firstSet, double columnPrice)
{
    data::SystemNameFields fields;
    fields.numbers = summary.markedCount;
    fields.guarantee = threshold;
    fields.game = game;
    fields.columns = summary.builtColumns;
    fields.columnPrice = columnPrice;
    fields.coupons = summary.couponCount;
    fields.columnSize = columnSize;
    fields.hasCondition = !firstSet.label.trimmed().isEmpty();
    if (fields.hasCondition) {
        fields.conditionFrom = firstSet.from;
        fields.conditionTo = firstSet.to;
    }
    return fields;
}

QString LibrarySystemFileName(const ConstructionSummary &summary, int threshold, int game, int columnSize,
                              const RequiredNumberSet &firstSet, double columnPrice)
{
    return data::SystemFileName(LibrarySystemNameFields(summary, threshold, game, columnSize, firstSet, columnPrice));
}

QString SelectedNumbersText(int markedCount)
{
    return QStringLiteral("Επιλεγμένοι Αριθμοί : ") + QString::number(markedCount);
}

QString CouponCountText(std::int64_t count) { return QStringLiteral("Δελτία : ") + QString::number(count); }

QString PercentageText(const QString &gameText, std::int64_t systemColumnCount, std::int64_t candidateCount,
                       const QLocale &locale)
{
    const QString head = QStringLiteral("Ποσοστό για ") + gameText + QStringLiteral("άρι :");
    if (candidateCount <= 0)
        return head + QLatin1Char('%');
    const double percent = 100.0 * static_cast<double>(systemColumnCount) / static_cast<double>(candidateCount);
    return head + QLatin1Char(' ') + FormatMoney(percent, locale) + QLatin1Char('%');
}

std::optional<QString> LargeBuildQuestion(int markedCount, int columnSize, int game, double columnPrice,
                                          const QLocale &locale)
{
    const std::int64_t candidates = Combinations(markedCount, columnSize);
    const std::int64_t perCoupon = Combinations(columnSize, game);
    // A full system too large for 64 bits is certainly large.
    const bool overflows = perCoupon > 0 && candidates > std::numeric_limits<std::int64_t>::max() / perCoupon;
    const std::int64_t columns = overflows ? std::numeric_limits<std::int64_t>::max() : candidates * perCoupon;
    if (columns <= kLargeBuildColumns)
        return std::nullopt;
    const double megabytes = static_cast<double>(candidates) * columnSize / 1e6;
    return QStringLiteral("Το πλήρες σύστημα έχει %1 στήλες, κόστος %2 Ευρώ.\n"
                          "Η κατασκευή θα διαρκέσει αρκετά και μπορεί να χρειαστεί έως %3 MB μνήμης.\n"
                          "Να συνεχίσω;")
        .arg(locale.toString(static_cast<qlonglong>(columns)), FormatMoney(static_cast<double>(columns) * columnPrice, locale),
             locale.toString(std::ceil(megabytes), 'f', 0));
}

QString ConstructionMessage(const ConstructionSummary &summary, const QLocale &locale)
{
    return SelectedNumbersText(summary.markedCount) + QStringLiteral("   Εγγυημένη Επιτυχία ") + summary.guaranteeText +
           QStringLiteral(" ΣΕ ") + summary.expansionText + QLatin1Char('\n') + QStringLiteral("Βρέθηκαν ") +
           QString::number(summary.builtColumns) + QStringLiteral(" στήλες   Κόστος : ") +
           FormatMoney(summary.builtCost, locale) + QStringLiteral(" Ευρώ") + QStringLiteral("  ") +
           CouponCountText(summary.couponCount);
}

} // namespace taru
