#include "systems/GuaranteeCheck.h"

#include "base/Errors.h"
#include "game/Pricing.h"
#include "systems/SubsetIndex.h"

#include <QStringList>

#include <array>
#include <cmath>
#include <memory>

namespace taru {

namespace {

using subsets::bitOf;
using subsets::CoveredSubsets;
using subsets::Mask;

// Columns wider than this many T-subsets are compared as masks rather than indexed (a coupon of
// 40 numbers would put millions of subsets in the index for one column).
constexpr std::uint64_t kMaxIndexedPerColumn = 4096;

class Walk {
public:
    Walk(const SystemColumns &columns, const GuaranteeSetup &setup, const ColumnConditions &conditions,
         const GuaranteeCheckOptions &options)
        : setup_(setup), conditions_(conditions), options_(options)
    {
        n_ = static_cast<int>(setup.pool.size());
        G_ = setup.game;
        T_ = setup.threshold;
        if (n_ > subsets::kMaxPool)
            throw RangeError(QStringLiteral("At most %1 numbers can be in the pool").arg(subsets::kMaxPool));
        std::array<int, kNumbers + 1> positionOf;
        positionOf.fill(-1);
        for (int i = 0; i < n_; ++i) {
            const int number = setup.pool[i];
            if (number < 1 || number > kNumbers || (i > 0 && setup.pool[i - 1] >= number))
                throw RangeError(QStringLiteral("The pool numbers must be distinct, ascending and within 1..80"));
            positionOf[number] = i;
        }
        if (G_ < 1 || G_ > subsets::kMaxK)
            throw RangeError(QStringLiteral("The game %1 is outside 1..12").arg(G_));
        if (T_ < 1 || T_ > G_)
            throw RangeError(QStringLiteral("The threshold %1 is outside 1..%2").arg(T_).arg(G_));

        checkConditions_ = !conditions.testsNothing();
        bounds_ = std::make_unique<ConditionBounds>(conditions, setup.pool, G_);
        if (!bounds_->enabled())
            bounds_.reset();

        index_.reset(n_, T_, options.index.budgetBytes, options.index.allowBitset);
        std::vector<int> positions;
        for (const SystemColumns::Row column : columns) {
            Mask seen = 0;
            for (const std::uint8_t number : column) {
                if (number <= kNumbers && positionOf[number] >= 0)
                    seen |= bitOf(positionOf[number]);
            }
            positions.clear();
            for (int p = 0; p < n_; ++p) {
                if ((seen >> p) & 1u)
                    positions.push_back(p);
            }
            index_.add(positions, kMaxIndexedPerColumn);
        }
        if (G_ >= T_)
            prefix_.reset(G_, T_);
        result_.holes = SystemColumns(G_);
    }

    GuaranteeCheckResult run()
    {
        lastReport_ = std::chrono::steady_clock::now();
        if (n_ >= G_) {
            if (index_.kind() == CoveredSubsets::Kind::Bitset)
                level<CoveredSubsets::Kind::Bitset>(0, 0, false);
            else
                level<CoveredSubsets::Kind::HashSet>(0, 0, false);
        }
        if (options_.progress)
            report();
        result_.stopped = stopSet();
        return std::move(result_);
    }

private:
    bool stopSet() const { return options_.stop && options_.stop->load(std::memory_order_relaxed); }

    bool report()
    {
        lastReport_ = std::chrono::steady_clock::now();
        options_.progress(GuaranteeCheckProgress{processed_, static_cast<std::int64_t>(subsets::binomials()(n_, G_))});
        return stopSet();
    }

    // Read every so many steps: the clock and the stop flag cost more than a step.
    bool tick()
    {
        if (++work_ < 256)
            return false;
        work_ = 0;
        if (options_.progress && std::chrono::steady_clock::now() - lastReport_ >= GuaranteeCheckOptions::kProgressInterval)
            return report();
        return stopSet();
    }

    // Does the prefix of d positions, the last of them x, hold a covered T-subset that contains x?
    template <CoveredSubsets::Kind Kind>
    bool coveredWith(int d, int x, Mask prefix) const
    {
        const std::uint64_t add = subsets::binomials()(x, T_);
        for (const std::uint64_t rank : prefix_.belowThreshold(d - 1)) {
            if (index_.contains<Kind>(rank + add))
                return true;
        }
        return !index_.direct().empty() && index_.directlyCovered(prefix);
    }

    void hole()
    {
        if (result_.holes.size() >= options_.holeLimit)
            return;
        std::array<std::uint8_t, subsets::kMaxK> numbers{};
        for (int i = 0; i < G_; ++i)
            numbers[i] = setup_.pool[p_[i]];
        result_.holes.append(std::span<const std::uint8_t>(numbers.data(), G_));
    }

    // Returns false when the stop flag ends the walk.
    template <CoveredSubsets::Kind Kind>
    bool level(int e, int start, bool covered)
    {
        const subsets::Binomials &C = subsets::binomials();
        const int d = e + 1;
        const int last = n_ - G_ + e;
        for (int x = start; x <= last; ++x) {
            p_[e] = x;
            mask_[d] = mask_[e] | bitOf(x);
            if (checkConditions_)
                measures_[d] = conditions_.add(measures_[e], setup_.pool[x]);
            const bool nowCovered = covered || (d >= T_ && coveredWith<Kind>(d, x, mask_[d]));
            if (d == G_) {
                ++processed_;
                bool scratch = false; // an impossible minimum stops builds, not checks
                if (!checkConditions_ || conditions_.passes(measures_[d], scratch)) {
                    ++result_.total;
                    if (nowCovered)
                        ++result_.covered;
                    else
                        hole();
                }
                if (tick())
                    return false;
                continue;
            }
            const auto below = static_cast<std::int64_t>(C(n_ - 1 - x, G_ - d));
            if (bounds_ && !bounds_->mayPass(measures_[d], x)) {
                processed_ += below;
                if (tick())
                    return false;
                continue;
            }
            if (nowCovered && !checkConditions_) {
                processed_ += below;
                result_.total += below;
                result_.covered += below;
                if (tick())
                    return false;
                continue;
            }
            if (!nowCovered)
                prefix_.place(d, x);
            if (!level<Kind>(e + 1, x + 1, nowCovered))
                return false;
        }
        return true;
    }

    const GuaranteeSetup &setup_;
    const ColumnConditions &conditions_;
    const GuaranteeCheckOptions &options_;
    int n_ = 0;
    int G_ = 0;
    int T_ = 0;
    bool checkConditions_ = false;
    std::unique_ptr<ConditionBounds> bounds_;
    CoveredSubsets index_;
    subsets::PrefixRanks prefix_;
    std::array<int, subsets::kMaxK> p_{};
    std::array<Mask, subsets::kMaxK + 1> mask_{};
    std::array<ColumnMeasures, subsets::kMaxK + 1> measures_{};
    std::int64_t processed_ = 0;
    unsigned work_ = 0;
    std::chrono::steady_clock::time_point lastReport_;
    GuaranteeCheckResult result_;
};

} // namespace

GuaranteeCheckResult CheckGuarantee(const SystemColumns &columns, const GuaranteeSetup &setup,
                                    const ColumnConditions &conditions, const GuaranteeCheckOptions &options)
{
    return Walk(columns, setup, conditions, options).run();
}

std::vector<std::uint8_t> NumbersUsed(const SystemColumns &columns)
{
    std::array<bool, kNumbers + 1> used{};
    for (const std::uint8_t number : columns.flat()) {
        if (number >= 1 && number <= kNumbers)
            used[number] = true;
    }
    std::vector<std::uint8_t> pool;
    for (int number = 1; number <= kNumbers; ++number) {
        if (used[number])
            pool.push_back(static_cast<std::uint8_t>(number));
    }
    return pool;
}

QString GuaranteeCheckText(const GuaranteeCheckResult &result, const QLocale &locale)
{
    const QString head = QStringLiteral("Έλεγχος εγγύησης: ");
    if (result.stopped)
        return head + QStringLiteral("διακόπηκε");
    if (result.total == 0)
        return head + QStringLiteral("κανένας συνδυασμός για έλεγχο");
    if (result.covered == result.total)
        return head + QStringLiteral("100%");
    // Cut, not rounded: a system with a hole never reads 100%.
    const double hundredths = std::floor(result.share() * 10000.0);
    const std::int64_t holes = result.holeCount();
    return head + FormatMoney(hundredths / 100.0, locale) + QStringLiteral("% (") + QString::number(holes) +
           (holes == 1 ? QStringLiteral(" ακάλυπτος συνδυασμός)") : QStringLiteral(" ακάλυπτοι συνδυασμοί)"));
}

QString HoleText(SystemColumns::Row hole)
{
    QStringList numbers;
    for (const std::uint8_t number : hole) {
        if (number != 0)
            numbers.append(QString::number(number));
    }
    return numbers.join(QLatin1Char(' '));
}

} // namespace taru
