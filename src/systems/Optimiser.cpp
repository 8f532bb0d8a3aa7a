#include "systems/Optimiser.h"

#include "base/Errors.h"
#include "base/Random.h"
#include "game/Pricing.h"
#include "systems/SubsetIndex.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <barrier>
#include <cmath>
#include <exception>
#include <limits>
#include <memory>
#include <mutex>
#include <thread>

namespace taru {

namespace {

using subsets::binomials;
using subsets::bitOf;
using subsets::Mask;
using subsets::popcount;

// The n-th set bit of m (0-based).
int nthBit(Mask m, int nth)
{
    for (int i = 0; i < nth; ++i)
        m &= m - 1;
    const auto low = static_cast<std::uint64_t>(m);
    return low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(static_cast<std::uint64_t>(m >> 64));
}

int positionsOf(Mask m, int *out)
{
    int count = 0;
    for (auto low = static_cast<std::uint64_t>(m); low != 0; low &= low - 1)
        out[count++] = std::countr_zero(low);
    for (auto high = static_cast<std::uint64_t>(m >> 64); high != 0; high &= high - 1)
        out[count++] = 64 + std::countr_zero(high);
    return count;
}

// What every search shares, read only.
struct Problem {
    int n = 0;
    int G = 0;
    int T = 0;
    std::vector<std::uint8_t> pool;
    const ColumnConditions *conditions = nullptr;
    bool checkConditions = false;
    std::vector<std::uint64_t> passing; // one bit per G-subset rank; empty: every subset passes
    std::uint64_t subsets = 0;          // C(n,G)
    std::int64_t lowerBound = 1;

    bool passes(std::uint64_t rank) const { return passing.empty() || ((passing[rank >> 6] >> (rank & 63)) & 1u); }

    bool columnPasses(Mask m) const
    {
        if (!checkConditions)
            return true;
        std::array<int, subsets::kMaxPool> p{};
        const int count = positionsOf(m, p.data());
        ColumnMeasures measures;
        for (int i = 0; i < count; ++i)
            measures = conditions->add(measures, pool[p[i]]);
        bool scratch = false;
        return conditions->passes(measures, scratch);
    }
};

// Per G-subset: how many columns cover it, or, for an uncovered subset that passes the
// conditions, its place in the list of uncovered ones (flag bit set).
constexpr std::uint32_t kUncovered = 0x8000'0000u;

// One annealing search over column exchanges.
class Search {
public:
    Search(const Problem &problem, std::uint64_t seed) : p_(problem), random_(seed) {}

    // Counts the columns' cover; false when `give up` said so first (it is asked after each column).
    template <typename GiveUp>
    bool start(const std::vector<Mask> &columns, GiveUp &&giveUp)
    {
        columns_ = columns;
        state_.assign(p_.subsets, 0);
        uncovered_.clear();
        for (const Mask column : columns_) {
            forEachCovered(column, [&](std::uint64_t rank) { ++state_[rank]; });
            if (giveUp())
                return false;
        }
        for (std::uint64_t rank = 0; rank < p_.subsets; ++rank) {
            if (state_[rank] == 0 && p_.passes(rank))
                markUncovered(rank);
        }
        best_ = columns_;
        return true;
    }
    // The same state as another search's, without counting again.
    void startAs(const Search &other)
    {
        columns_ = other.columns_;
        state_ = other.state_;
        uncovered_ = other.uncovered_;
        best_ = other.best_;
    }

    // Covers what is left uncovered with the uncovered subsets themselves, each as a column (it
    // covers its neighbours too, mostly uncovered as well); then this is the best so far.
    template <typename GiveUp>
    bool patch(GiveUp &&giveUp)
    {
        while (!uncovered_.empty()) {
            std::array<int, subsets::kMaxK> s{};
            subsets::unrank(uncovered_.front(), p_.G, s.data());
            Mask column = 0;
            for (int i = 0; i < p_.G; ++i)
                column |= bitOf(s[i]);
            columns_.push_back(column);
            forEachCovered(column, [&](std::uint64_t rank) { gain(rank); });
            if (giveUp())
                return false;
        }
        best_ = columns_;
        return true;
    }

    const std::vector<Mask> &best() const { return best_; }
    std::int64_t columns() const { return static_cast<std::int64_t>(columns_.size()); }
    std::int64_t uncovered() const { return static_cast<std::int64_t>(uncovered_.size()); }
    std::int64_t moves() const { return moves_; }
    std::int64_t work() const { return work_; }
    bool done() const { return static_cast<std::int64_t>(best_.size()) <= p_.lowerBound; }

    // Runs until its work grows by `quota` (at the next exchange boundary), the lower bound is
    // reached or the stop flag is seen.
    void runFor(std::int64_t quota, const std::atomic<bool> *stop)
    {
        const std::int64_t end = work_ + quota;
        std::int64_t checked = work_;
        while (work_ < end && !done()) {
            // A few thousand subsets take microseconds: the flag is read about that often.
            if (work_ - checked >= 4096) {
                checked = work_;
                if (stop && stop->load(std::memory_order_relaxed))
                    return;
            }
            if (uncovered_.empty()) {
                if (columns_.size() < best_.size())
                    best_ = columns_;
                if (done() || columns_.size() <= 1)
                    return;
                dropColumn();
                continue;
            }
            exchange();
        }
    }

private:
    // Calls visit(rank) for every G-subset that shares at least T positions with the column.
    template <typename Visit>
    void forEachCovered(Mask column, Visit &&visit)
    {
        std::array<int, subsets::kMaxK> in{};
        std::array<int, subsets::kMaxPool> out{};
        const int inCount = positionsOf(column, in.data());
        int outCount = 0;
        for (int x = 0; x < p_.n; ++x) {
            if (!((column >> x) & 1u))
                out[outCount++] = x;
        }
        // Q: i positions of the column, i from T to G, in every combination.
        std::array<int, subsets::kMaxK> idx{};
        std::array<int, subsets::kMaxK> q{};
        for (int i = p_.T; i <= p_.G; ++i) {
            for (int j = 0; j < i; ++j)
                idx[j] = j;
            while (true) {
                for (int j = 0; j < i; ++j)
                    q[j] = in[idx[j]];
                unions_.run(std::span<const int>(q.data(), i), std::span<const int>(out.data(), outCount), p_.G - i, visit);
                int j = i - 1;
                while (j >= 0 && idx[j] == inCount - i + j)
                    --j;
                if (j < 0)
                    break;
                ++idx[j];
                for (int k = j + 1; k < i; ++k)
                    idx[k] = idx[k - 1] + 1;
            }
        }
    }

    // Calls visit(rank) for every G-subset {extra} + A + R, A of T-1 positions of the column other
    // than x, R of G-T positions outside the column and y. With extra = x these are the subsets the
    // column covers but no longer once x is exchanged for y; with extra = y, those it covers only
    // then. `more()` is asked after each A: false ends the walk.
    template <typename Visit, typename More>
    void forEachExchanged(Mask column, int x, int y, int extra, Visit &&visit, More &&more)
    {
        std::array<int, subsets::kMaxK> rest{};
        std::array<int, subsets::kMaxPool> out{};
        const int restCount = positionsOf(column & ~bitOf(x), rest.data());
        int outCount = 0;
        for (int z = 0; z < p_.n; ++z) {
            if (!((column >> z) & 1u) && z != y)
                out[outCount++] = z;
        }
        const std::span<const int> outside(out.data(), outCount);
        const int a = p_.T - 1;
        const int r = p_.G - p_.T;
        std::array<int, subsets::kMaxK> idx{};
        for (int j = 0; j < a; ++j)
            idx[j] = j;
        std::array<int, subsets::kMaxK> q{};
        while (true) {
            // A with the extra position, sorted.
            int k = 0;
            bool placed = false;
            for (int j = 0; j < a; ++j) {
                const int v = rest[idx[j]];
                if (!placed && extra < v) {
                    q[k++] = extra;
                    placed = true;
                }
                q[k++] = v;
            }
            if (!placed)
                q[k++] = extra;
            unions_.run(std::span<const int>(q.data(), a + 1), outside, r, visit);
            if (!more())
                return;
            int j = a - 1;
            while (j >= 0 && idx[j] == restCount - a + j)
                --j;
            if (j < 0)
                return;
            ++idx[j];
            for (int m = j + 1; m < a; ++m)
                idx[m] = idx[m - 1] + 1;
        }
    }

    void markUncovered(std::uint64_t rank)
    {
        state_[rank] = kUncovered | static_cast<std::uint32_t>(uncovered_.size());
        uncovered_.push_back(static_cast<std::uint32_t>(rank));
    }
    void markCovered(std::uint64_t rank)
    {
        const std::uint32_t place = state_[rank] & ~kUncovered;
        const std::uint32_t moved = uncovered_.back();
        uncovered_[place] = moved;
        state_[moved] = kUncovered | place;
        uncovered_.pop_back();
        state_[rank] = 1;
    }
    void lose(std::uint64_t rank)
    {
        if (state_[rank] == 1 && p_.passes(rank))
            markUncovered(rank);
        else
            --state_[rank];
    }
    void gain(std::uint64_t rank)
    {
        if (state_[rank] & kUncovered)
            markCovered(rank);
        else
            ++state_[rank];
    }

    // Removes the column that, of a few drawn at random, alone covers the fewest subsets.
    void dropColumn()
    {
        const std::size_t count = columns_.size();
        const int samples = static_cast<int>(std::min<std::size_t>(count, 8));
        std::size_t chosen = 0;
        std::int64_t fewest = std::numeric_limits<std::int64_t>::max();
        for (int s = 0; s < samples; ++s) {
            const std::size_t i = samples == static_cast<int>(count) ? static_cast<std::size_t>(s)
                                                                    : random_.below(static_cast<std::uint32_t>(count));
            std::int64_t alone = 0;
            forEachCovered(columns_[i], [&](std::uint64_t rank) {
                ++work_;
                alone += state_[rank] == 1 && p_.passes(rank) ? 1 : 0;
            });
            if (alone < fewest) {
                fewest = alone;
                chosen = i;
            }
        }
        const Mask column = columns_[chosen];
        columns_[chosen] = columns_.back();
        columns_.pop_back();
        forEachCovered(column, [&](std::uint64_t rank) {
            ++work_;
            lose(rank);
        });
        // A fresh start for the annealing at the new size.
        temperature_ = kStartTemperature;
        sinceImprovement_ = 0;
        lowest_ = uncovered_.size();
    }

    // One annealing step: an uncovered subset S is drawn; a column sharing T-1 numbers with it
    // (one sharing the most, when none does) exchanges a number outside S for one of S, which
    // makes it cover S; kept when it does not uncover more than it covers, or by chance.
    void exchange()
    {
        ++moves_;
        std::array<int, subsets::kMaxK> s{};
        subsets::unrank(uncovered_[random_.below(static_cast<std::uint32_t>(uncovered_.size()))], p_.G, s.data());
        Mask target = 0;
        for (int i = 0; i < p_.G; ++i)
            target |= bitOf(s[i]);

        const std::size_t count = columns_.size();
        const std::size_t from = random_.below(static_cast<std::uint32_t>(count));
        std::size_t chosen = from;
        int most = -1;
        std::size_t scanned = 0;
        for (std::size_t k = 0; k < count; ++k) {
            std::size_t i = from + k;
            if (i >= count)
                i -= count;
            const int shared = popcount(columns_[i] & target);
            ++scanned;
            if (shared > most) {
                most = shared;
                chosen = i;
                if (shared >= p_.T - 1)
                    break;
            }
        }
        work_ += 1 + static_cast<std::int64_t>(scanned / 8);

        const Mask column = columns_[chosen];
        const Mask outsideS = column & ~target;
        const Mask insideS = target & ~column;
        const int x = nthBit(outsideS, static_cast<int>(random_.below(static_cast<std::uint32_t>(popcount(outsideS)))));
        const int y = nthBit(insideS, static_cast<int>(random_.below(static_cast<std::uint32_t>(popcount(insideS)))));
        const Mask changed = (column & ~bitOf(x)) | bitOf(y);
        if (!p_.columnPasses(changed))
            return;

        // The chance is drawn first: it sets how much worse the exchange may be and still be
        // kept, so counting what it uncovers can stop as soon as that is passed.
        const double chance = random_.unit();
        const double limit = chance > 0.0 ? -temperature_ * std::log(chance) : 1e18;
        const std::int64_t allowed = limit >= 1e18 ? std::numeric_limits<std::int64_t>::max()
                                                   : std::max<std::int64_t>(0, static_cast<std::int64_t>(std::ceil(limit)) - 1);
        const auto always = [] { return true; };
        std::int64_t gained = 0;
        forEachExchanged(column, x, y, y, [&](std::uint64_t rank) {
            ++work_;
            gained += (state_[rank] & kUncovered) ? 1 : 0;
        }, always);
        std::int64_t lost = 0;
        forEachExchanged(column, x, y, x, [&](std::uint64_t rank) {
            ++work_;
            lost += state_[rank] == 1 && p_.passes(rank) ? 1 : 0;
        }, [&] { return lost - gained <= allowed; });
        if (lost - gained > allowed) {
            cool();
            return;
        }
        forEachExchanged(column, x, y, x, [&](std::uint64_t rank) {
            ++work_;
            lose(rank);
        }, always);
        forEachExchanged(column, x, y, y, [&](std::uint64_t rank) {
            ++work_;
            gain(rank);
        }, always);
        columns_[chosen] = changed;
        cool();
    }

    void cool()
    {
        if (uncovered_.size() < lowest_) {
            lowest_ = uncovered_.size();
            sinceImprovement_ = 0;
        } else if (++sinceImprovement_ > kPatience) {
            // Stuck at this size: warm up again to leave the valley.
            temperature_ = kStartTemperature;
            sinceImprovement_ = 0;
            lowest_ = uncovered_.size();
            return;
        }
        temperature_ = std::max(kEndTemperature, temperature_ * kCooling);
    }

    // Temperatures on the scale of the change in uncovered subsets: at 1, an exchange that
    // uncovers one more is kept a third of the time; at the end of cooling, almost never. Tried
    // from 0.3 to 30 on the reference cases: hotter searches wander, colder ones stall sooner.
    static constexpr double kStartTemperature = 1.0;
    static constexpr double kEndTemperature = 0.05;
    static constexpr double kCooling = 0.9995;
    static constexpr std::int64_t kPatience = 20000; // exchanges without a new low before warming up

    const Problem &p_;
    Random random_;
    std::vector<Mask> columns_;
    std::vector<Mask> best_;
    std::vector<std::uint32_t> state_;
    std::vector<std::uint32_t> uncovered_;
    subsets::UnionRanks unions_;
    std::int64_t moves_ = 0;
    std::int64_t work_ = 0;
    double temperature_ = kStartTemperature;
    std::int64_t sinceImprovement_ = 0;
    std::size_t lowest_ = 0;
};

SystemColumns columnsOf(const std::vector<Mask> &masks, const Problem &p)
{
    std::vector<std::array<std::uint8_t, subsets::kMaxK>> rows;
    rows.reserve(masks.size());
    for (const Mask m : masks) {
        std::array<int, subsets::kMaxPool> positions{};
        positionsOf(m, positions.data());
        std::array<std::uint8_t, subsets::kMaxK> row{};
        for (int i = 0; i < p.G; ++i)
            row[i] = p.pool[positions[i]];
        rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    SystemColumns columns(p.G);
    columns.reserve(rows.size());
    for (const auto &row : rows)
        columns.append(std::span<const std::uint8_t>(row.data(), p.G));
    return columns;
}

std::int64_t mostCovered(int n, int G, int T)
{
    const subsets::Binomials &C = binomials();
    std::uint64_t most = 0;
    for (int i = T; i <= G; ++i)
        most += C(G, i) * C(n - G, G - i);
    return static_cast<std::int64_t>(most);
}

constexpr std::size_t kResidueStartColumns = 2000;

// Marks the G-subsets that pass the conditions, walking them in lexicographic order with the
// measures of each prefix; returns how many pass.
std::int64_t markPassing(Problem &p)
{
    p.passing.assign((p.subsets + 63) / 64, 0);
    const subsets::Binomials &C = binomials();
    std::array<ColumnMeasures, subsets::kMaxK + 1> measures{};
    std::array<std::uint64_t, subsets::kMaxK + 1> rank{};
    std::int64_t passing = 0;
    bool scratch = false;
    const auto walk = [&](auto &self, int e, int start) -> void {
        for (int x = start; x <= p.n - p.G + e; ++x) {
            measures[e + 1] = p.conditions->add(measures[e], p.pool[x]);
            rank[e + 1] = rank[e] + C(x, e + 1);
            if (e + 1 == p.G) {
                if (p.conditions->passes(measures[e + 1], scratch)) {
                    p.passing[rank[e + 1] >> 6] |= std::uint64_t{1} << (rank[e + 1] & 63);
                    ++passing;
                }
            } else {
                self(self, e + 1, x + 1);
            }
        }
    };
    walk(walk, 0, 0);
    return passing;
}

// A start for T = G - 1 better than the greedy one on large systems: the G-subsets whose pool
// positions add up to 0 modulo m. Two of them never share G - 1 numbers, and most other subsets
// are one exchange away from the class (an exchange moves the sum by the difference of the two
// positions), so the class covers nearly everything with about C(n,G)/m columns; the rest is
// patched. m is chosen on a sample: the class shrinks as m grows, the part left to patch grows.
std::vector<Mask> residueClass(const Problem &p, Random &random)
{
    const int n = p.n;
    const int G = p.G;
    const double all = static_cast<double>(p.subsets);
    constexpr int kSamples = 3000;
    // Guessed from trials: one patch column for every few subsets the class leaves uncovered.
    constexpr double kPatchesPerUncovered = 0.2;
    int bestM = 0;
    double bestSize = std::numeric_limits<double>::max();
    std::array<int, subsets::kMaxPool> order{};
    for (int m = n + 1; m <= 3 * n; ++m) {
        int uncovered = 0;
        for (int sample = 0; sample < kSamples; ++sample) {
            for (int i = 0; i < n; ++i)
                order[i] = i;
            for (int i = 0; i < G; ++i)
                std::swap(order[i], order[i + static_cast<int>(random.below(static_cast<std::uint32_t>(n - i)))]);
            int sum = 0;
            for (int i = 0; i < G; ++i)
                sum += order[i];
            const int need = (m - sum % m) % m;
            bool near = need == 0;
            for (int i = 0; i < G && !near; ++i) {
                for (int j = G; j < n && !near; ++j)
                    near = (order[j] - order[i] + m) % m == need;
            }
            uncovered += near ? 0 : 1;
        }
        const double size = all / m + all * uncovered / kSamples * kPatchesPerUncovered;
        if (size < bestSize) {
            bestSize = size;
            bestM = m;
        }
    }
    std::vector<Mask> columns;
    std::array<int, subsets::kMaxK> q{};
    for (std::uint64_t rank = 0; rank < p.subsets; ++rank) {
        // Sums of colex-ordered subsets are not monotone: unrank each (cheap next to what follows).
        subsets::unrank(rank, G, q.data());
        int sum = 0;
        Mask column = 0;
        for (int i = 0; i < G; ++i) {
            sum += q[i];
            column |= bitOf(q[i]);
        }
        if (sum % bestM == 0 && p.passes(rank) && p.columnPasses(column))
            columns.push_back(column);
    }
    return columns;
}

} // namespace

std::int64_t CoverLowerBound(int poolSize, int game, int threshold)
{
    if (poolSize < game || game < 1 || threshold < 1 || threshold > game || poolSize > subsets::kMaxPool ||
        game > subsets::kMaxK)
        return 0;
    const auto all = static_cast<std::int64_t>(binomials()(poolSize, game));
    const std::int64_t most = mostCovered(poolSize, game, threshold);
    return (all + most - 1) / most;
}

OptimiserResult OptimiseSystem(const SystemColumns &start, const GuaranteeSetup &setup, const ColumnConditions &conditions,
                               const OptimiserOptions &options)
{
    const auto began = std::chrono::steady_clock::now();
    const auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count(); };

    OptimiserResult result;
    result.columns = start;
    result.startColumns = static_cast<std::int64_t>(start.size());
    GuaranteeCheckOptions checkOptions;
    checkOptions.holeLimit = 1;
    result.check = CheckGuarantee(start, setup, conditions, checkOptions); // validates the setup too
    if (!result.check.holds())
        throw RangeError(QStringLiteral("The starting system does not keep its guarantee"));

    Problem p;
    p.n = static_cast<int>(setup.pool.size());
    p.G = setup.game;
    p.T = setup.threshold;
    p.pool = setup.pool;
    p.conditions = &conditions;
    p.checkConditions = !conditions.testsNothing();
    std::vector<Mask> masks;
    std::array<int, kNumbers + 1> positionOf;
    positionOf.fill(-1);
    for (int i = 0; i < p.n; ++i)
        positionOf[setup.pool[i]] = i;
    for (const SystemColumns::Row row : start) {
        Mask m = 0;
        int count = 0;
        for (const std::uint8_t number : row) {
            if (number == 0)
                continue;
            if (number > kNumbers || positionOf[number] < 0 || ((m >> positionOf[number]) & 1u))
                throw RangeError(QStringLiteral("A starting column holds a number outside the pool, or one twice"));
            m |= bitOf(positionOf[number]);
            ++count;
        }
        if (count != p.G)
            throw RangeError(QStringLiteral("A starting column has %1 numbers, not %2").arg(count).arg(p.G));
        if (!p.columnPasses(m))
            throw RangeError(QStringLiteral("A starting column does not pass the conditions"));
        masks.push_back(m);
    }

    // A full system (T = G) has nothing to spare; an empty one nothing to drop.
    p.subsets = binomials()(p.n, p.G);
    if (p.T == p.G || masks.size() <= 1) {
        result.seconds = elapsed();
        return result;
    }
    if (p.subsets > kMaxOptimisedSubsets) {
        result.tooLarge = true;
        result.seconds = elapsed();
        return result;
    }
    const std::int64_t passing = p.checkConditions ? markPassing(p) : static_cast<std::int64_t>(p.subsets);
    const std::int64_t most = mostCovered(p.n, p.G, p.T);
    p.lowerBound = std::max<std::int64_t>(1, (passing + most - 1) / most);

    const auto stopSet = [&] { return options.stop && options.stop->load(std::memory_order_relaxed); };
    const int threads = std::max(1, options.threads);
    std::vector<std::unique_ptr<Search>> searches;
    for (int i = 0; i < threads; ++i)
        searches.push_back(std::make_unique<Search>(p, options.seed * 0x100000001B3ull + static_cast<std::uint64_t>(i)));
    const auto giveUp = [&] { return stopSet() || std::chrono::steady_clock::now() - began >= options.budget; };
    bool started = false;
    // A residue class pays where the greedy system is large; small ones are left to the search.
    if (p.T == p.G - 1 && masks.size() >= kResidueStartColumns) {
        Random random(options.seed);
        const std::vector<Mask> seeded = residueClass(p, random);
        started = searches[0]->start(seeded, giveUp) && searches[0]->patch(giveUp) &&
                  searches[0]->best().size() < masks.size();
    }
    if (!started && !giveUp())
        started = searches[0]->start(masks, giveUp);
    if (!started) {
        result.stopped = stopSet();
        result.seconds = elapsed();
        return result;
    }
    for (int i = 1; i < threads; ++i)
        searches[i]->startAs(*searches[0]);

    // The searches meet after every share of work: the first decides whether to go on (budget,
    // work limit, stop, lower bound) and reports progress, so the outcome depends on the work done,
    // not on which thread ran faster.
    constexpr std::int64_t kShare = std::int64_t{1} << 20;
    std::barrier meeting(threads);
    std::atomic<bool> finished{false};
    std::exception_ptr failure;
    std::mutex failureLock;
    std::atomic<bool> failed{false};
    auto lastReport = std::chrono::steady_clock::now();
    const auto progressNow = [&] {
        OptimiserProgress progress;
        const Search *leader = searches[0].get();
        for (const auto &search : searches) {
            progress.moves += search->moves();
            if (search->best().size() < leader->best().size())
                leader = search.get();
        }
        progress.bestColumns = static_cast<std::int64_t>(leader->best().size());
        progress.columns = leader->columns();
        progress.uncovered = leader->uncovered();
        progress.seconds = elapsed();
        return progress;
    };
    const auto body = [&](int i) {
        while (true) {
            try {
                if (!failed.load())
                    searches[i]->runFor(kShare, options.stop);
            } catch (...) {
                const std::lock_guard lock(failureLock);
                failure = std::current_exception();
                failed.store(true);
            }
            meeting.arrive_and_wait();
            if (i == 0) {
                bool end = failed.load() || std::chrono::steady_clock::now() - began >= options.budget ||
                           (options.workLimit > 0 && searches[0]->work() >= options.workLimit);
                for (const auto &search : searches)
                    end = end || search->done();
                if (options.progress && (end || stopSet() ||
                                         std::chrono::steady_clock::now() - lastReport >= OptimiserOptions::kProgressInterval)) {
                    lastReport = std::chrono::steady_clock::now();
                    options.progress(progressNow());
                }
                // A stop set by the report itself ends the search without another one.
                finished.store(end || stopSet());
            }
            meeting.arrive_and_wait();
            if (finished.load())
                return;
        }
    };
    std::vector<std::thread> helpers;
    for (int i = 1; i < threads; ++i)
        helpers.emplace_back(body, i);
    body(0);
    for (auto &helper : helpers)
        helper.join();
    if (failure)
        std::rethrow_exception(failure);

    const Search *winner = searches[0].get();
    for (const auto &search : searches) {
        result.moves += search->moves();
        if (search->best().size() < winner->best().size())
            winner = search.get();
    }
    result.stopped = stopSet();
    if (winner->best().size() < masks.size()) {
        SystemColumns smaller = columnsOf(winner->best(), p);
        GuaranteeCheckResult check = CheckGuarantee(smaller, setup, conditions, checkOptions);
        if (check.holds()) {
            result.columns = std::move(smaller);
            result.check = std::move(check);
        }
    }
    result.seconds = elapsed();
    return result;
}

QString OptimiserProgressText(const OptimiserProgress &progress)
{
    return QStringLiteral("Βελτιστοποίηση: %1 στήλες, τρέχουσα αναζήτηση %2 στήλες με %3 ακάλυπτους συνδυασμούς")
        .arg(progress.bestColumns)
        .arg(progress.columns)
        .arg(progress.uncovered);
}

QString OptimiserMessage(const OptimiserResult &result, const QLocale &locale)
{
    return QStringLiteral("Αρχικό σύστημα: %1 στήλες\nΒελτιστοποιημένο σύστημα: %2 στήλες\n")
               .arg(result.startColumns)
               .arg(result.columns.size()) +
           GuaranteeCheckText(result.check, locale);
}

} // namespace taru
