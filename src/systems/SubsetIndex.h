#pragma once

// Shared by the constructor, the guarantee check and the optimiser: pool positions as bit masks,
// exact binomials, and the index of the T-subsets that a set of columns covers. Internal to
// src/systems; windows use the functions of Constructor.h and GuaranteeCheck.h instead.

#include "game/Pricing.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <span>
#include <vector>

namespace taru::subsets {

using Mask = unsigned __int128; // one bit per pool position (at most 80)

inline constexpr int kMaxPool = kNumbers;
inline constexpr int kMaxK = kMaxGame;

inline int popcount(Mask m)
{
    return std::popcount(static_cast<std::uint64_t>(m)) + std::popcount(static_cast<std::uint64_t>(m >> 64));
}

inline Mask bitOf(int position) { return Mask{1} << position; }

// Exact binomials C(x, s) for x <= 80, s <= 13 (the largest used, C(80,13), is below 2^47).
struct Binomials {
    std::array<std::array<std::uint64_t, kMaxK + 2>, kMaxPool + 1> c{};
    Binomials()
    {
        for (int x = 0; x <= kMaxPool; ++x) {
            c[x][0] = 1;
            for (int s = 1; s <= kMaxK + 1; ++s)
                c[x][s] = x == 0 ? 0 : c[x - 1][s - 1] + c[x - 1][s];
        }
    }
    std::uint64_t operator()(int x, int s) const { return (x < 0 || s < 0) ? 0 : c[x][s]; }
};

inline const Binomials &binomials()
{
    static const Binomials table;
    return table;
}

// The rank of a subset of pool positions in the combinatorial number system (colex): the subset
// x1 < x2 < ... < xs has rank C(x1,1) + C(x2,2) + ... + C(xs,s), a dense index from 0 to C(n,s) - 1.
inline std::uint64_t rankOf(std::span<const int> sorted)
{
    const Binomials &C = binomials();
    std::uint64_t rank = 0;
    for (std::size_t j = 0; j < sorted.size(); ++j)
        rank += C(sorted[j], static_cast<int>(j) + 1);
    return rank;
}

// The inverse: the s positions of a rank, ascending.
inline void unrank(std::uint64_t rank, int s, int *out)
{
    const Binomials &C = binomials();
    int x = kMaxPool;
    for (int j = s; j >= 1; --j) {
        while (C(x, j) > rank)
            --x;
        out[j - 1] = x;
        rank -= C(x, j);
        --x;
    }
}

// All t-subset ranks of the sorted positions q.
template <typename Visit>
void forEachSubsetRank(std::span<const int> q, int t, Visit &&visit)
{
    const Binomials &C = binomials();
    const int size = static_cast<int>(q.size());
    if (t > size || t < 1)
        return;
    std::array<int, kMaxPool> idx{};
    for (int j = 0; j < t; ++j)
        idx[j] = j;
    while (true) {
        std::uint64_t rank = 0;
        for (int j = 0; j < t; ++j)
            rank += C(q[idx[j]], j + 1);
        visit(rank);
        int j = t - 1;
        while (j >= 0 && idx[j] == size - t + j)
            --j;
        if (j < 0)
            break;
        ++idx[j];
        for (int i = j + 1; i < t; ++i)
            idx[i] = idx[i - 1] + 1;
    }
}

// One bit per rank.
class BitIndex {
public:
    // Zeroed on demand: a large index is not written through before the search starts, so the
    // first progress call is not held up by it.
    void reset(std::uint64_t bits)
    {
        const std::size_t words = static_cast<std::size_t>((bits + 63) / 64);
        words_.reset(static_cast<std::uint64_t *>(std::calloc(std::max<std::size_t>(words, 1), sizeof(std::uint64_t))));
        if (!words_)
            throw std::bad_alloc();
    }
    bool contains(std::uint64_t rank) const { return (words_[rank >> 6] >> (rank & 63)) & 1u; }
    void insert(std::uint64_t rank) { words_[rank >> 6] |= std::uint64_t{1} << (rank & 63); }

private:
    struct Free {
        void operator()(std::uint64_t *p) const { std::free(p); }
    };
    std::unique_ptr<std::uint64_t[], Free> words_;
};

// Open-addressing set of ranks for pools where the bitset would be too large. It doubles as it
// fills, and moves the entries of the previous table over a few at a time with each insertion
// instead of all at once, so that no single step holds the search up. Its tables together stay
// within the budget; once the largest table allowed is half full it refuses further entries.
class HashIndex {
public:
    void reset(std::size_t budgetBytes)
    {
        // The largest table takes half the budget; with the previous one still being moved,
        // both take three quarters.
        maxSlots_ = std::bit_floor(std::max<std::size_t>(budgetBytes / 2 / sizeof(std::uint64_t), 2));
        current_ = Table(std::min<std::size_t>(maxSlots_, 1024));
        previous_ = Table();
        moved_ = 0;
        count_ = 0;
    }
    bool roomFor(std::size_t more) const { return count_ + more <= maxSlots_ / 2; }
    bool contains(std::uint64_t rank) const
    {
        const std::uint64_t key = rank + 1;
        return current_.find(key) || (previous_.size != 0 && previous_.find(key));
    }
    void insert(std::uint64_t rank)
    {
        const std::uint64_t key = rank + 1;
        if (contains(rank))
            return;
        if ((count_ + 1) * 2 > current_.size)
            grow();
        current_.add(key);
        ++count_;
        moveSome();
    }

private:
    struct Free {
        void operator()(std::uint64_t *p) const { std::free(p); }
    };
    struct Table {
        std::unique_ptr<std::uint64_t[], Free> slots; // key = rank + 1; 0 marks an empty slot
        std::size_t size = 0;
        std::size_t mask = 0;
        int shift = 64;

        Table() = default;
        explicit Table(std::size_t slotCount) : size(slotCount), mask(slotCount - 1), shift(64 - std::countr_zero(slotCount))
        {
            // Zeroed on demand by the system: no pause to clear a large table up front.
            slots.reset(static_cast<std::uint64_t *>(std::calloc(slotCount, sizeof(std::uint64_t))));
            if (!slots)
                throw std::bad_alloc();
        }
        std::size_t slotOf(std::uint64_t key) const { return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> shift); }
        bool find(std::uint64_t key) const
        {
            for (std::size_t i = slotOf(key);; i = (i + 1) & mask) {
                if (slots[i] == key)
                    return true;
                if (slots[i] == 0)
                    return false;
            }
        }
        void add(std::uint64_t key)
        {
            std::size_t i = slotOf(key);
            while (slots[i] != 0) {
                if (slots[i] == key)
                    return;
                i = (i + 1) & mask;
            }
            slots[i] = key;
        }
    };

    void moveSome(std::size_t step = 16)
    {
        if (previous_.size == 0)
            return;
        const std::size_t end = std::min(previous_.size, moved_ + step);
        for (; moved_ < end; ++moved_) {
            if (previous_.slots[moved_] != 0)
                current_.add(previous_.slots[moved_]);
        }
        if (moved_ == previous_.size)
            previous_ = Table();
    }
    void grow()
    {
        // The previous table is long gone by now (it is moved 16 slots per insertion, and
        // doubling again takes as many insertions as it had slots); finish it if not.
        moveSome(previous_.size);
        previous_ = std::move(current_);
        current_ = Table(previous_.size * 2);
        moved_ = 0;
    }

    Table current_;
    Table previous_;
    std::size_t moved_ = 0;
    std::size_t count_ = 0; // distinct ranks held
    std::size_t maxSlots_ = 0;
};

// The T-subsets of pool positions that a set of columns covers. A bitset of C(n,T) bits when it
// fits the budget, else a hash set within it; once the hash set is full, further columns are kept
// as masks and compared directly.
class CoveredSubsets {
public:
    enum class Kind { None, Bitset, HashSet };

    void reset(int n, int t, std::size_t budgetBytes, bool allowBitset)
    {
        t_ = t;
        const std::uint64_t subsets = binomials()(n, t);
        if (allowBitset && subsets <= std::uint64_t{budgetBytes} * 8) {
            kind_ = Kind::Bitset;
            bits_.reset(subsets);
        } else {
            kind_ = Kind::HashSet;
            hash_.reset(budgetBytes);
        }
        hashFull_ = false;
        direct_.clear();
    }

    Kind kind() const { return kind_; }
    int threshold() const { return t_; }

    // Records a column given by its sorted pool positions. A column of more than maxIndexed
    // subsets goes to the direct list at once (a wide coupon would otherwise flood the index).
    void add(std::span<const int> positions, std::uint64_t maxIndexed = ~std::uint64_t{0})
    {
        const int size = static_cast<int>(positions.size());
        if (size < t_)
            return;
        const std::uint64_t subsets = binomials()(size, t_);
        if (kind_ == Kind::Bitset && subsets <= maxIndexed) {
            forEachSubsetRank(positions, t_, [&](std::uint64_t rank) { bits_.insert(rank); });
            return;
        }
        if (kind_ == Kind::HashSet && !hashFull_ && !hash_.roomFor(static_cast<std::size_t>(subsets)))
            hashFull_ = true;
        if (kind_ == Kind::Bitset || hashFull_ || subsets > maxIndexed) {
            Mask m = 0;
            for (const int position : positions)
                m |= bitOf(position);
            direct_.push_back(m);
        } else {
            forEachSubsetRank(positions, t_, [&](std::uint64_t rank) { hash_.insert(rank); });
        }
    }

    template <Kind K>
    bool contains(std::uint64_t rank) const
    {
        if constexpr (K == Kind::Bitset)
            return bits_.contains(rank);
        else
            return hash_.contains(rank);
    }
    bool contains(std::uint64_t rank) const
    {
        return kind_ == Kind::Bitset ? bits_.contains(rank) : kind_ == Kind::HashSet && hash_.contains(rank);
    }

    // Columns kept as masks.
    const std::vector<Mask> &direct() const { return direct_; }
    bool directlyCovered(Mask candidate) const
    {
        for (const Mask m : direct_) {
            if (popcount(m & candidate) >= t_)
                return true;
        }
        return false;
    }

    // Does the set of sorted positions hold a covered T-subset?
    bool coversAny(std::span<const int> positions) const
    {
        bool found = false;
        forEachSubsetRank(positions, t_, [&](std::uint64_t rank) {
            if (!found)
                found = contains(rank);
        });
        if (found || direct_.empty())
            return found;
        Mask m = 0;
        for (const int position : positions)
            m |= bitOf(position);
        return directlyCovered(m);
    }

private:
    int t_ = 0;
    Kind kind_ = Kind::None;
    BitIndex bits_;
    HashIndex hash_;
    bool hashFull_ = false;
    std::vector<Mask> direct_;
};

// The ranks of the small subsets of a growing prefix of positions, for a depth-first walk over the
// K-subsets of the pool that must tell, as each position is placed, whether the prefix now holds
// a covered T-subset. lists[d][s] holds the ranks of the s-subsets of the first d positions, kept
// only for the sizes a deeper node still needs (s from T-K+d up to T-1).
class PrefixRanks {
public:
    void reset(int k, int t)
    {
        k_ = k;
        t_ = t;
        stride_ = binomials()(k, k / 2);
        data_.assign((kMaxK + 1) * (kMaxK + 1) * stride_, 0);
        list(0, 0)[0] = 0;
        length_[0][0] = 1;
    }

    // Position x placed as the d-th (1-based), larger than all before it: the lists of depth d
    // from those of depth d - 1 (x adds C(x, s) as the s-th element).
    void place(int d, int x)
    {
        const Binomials &C = binomials();
        const int high = std::min(t_ - 1, d);
        for (int s = std::max(0, t_ - k_ + d); s <= high; ++s) {
            std::uint64_t *out = list(d, s);
            int length = 0;
            if (s <= d - 1) {
                const std::uint64_t *in = list(d - 1, s);
                const int count = length_[d - 1][s];
                std::copy(in, in + count, out);
                length = count;
            }
            if (s >= 1) {
                const std::uint64_t add = C(x, s);
                const std::uint64_t *in = list(d - 1, s - 1);
                const int count = length_[d - 1][s - 1];
                for (int i = 0; i < count; ++i)
                    out[length++] = in[i] + add;
            }
            length_[d][s] = length;
        }
    }

    // The ranks of the (T-1)-subsets of the first d positions.
    std::span<const std::uint64_t> belowThreshold(int d) const
    {
        return {data_.data() + (static_cast<std::size_t>(d) * (kMaxK + 1) + (t_ - 1)) * stride_,
                static_cast<std::size_t>(length_[d][t_ - 1])};
    }

private:
    std::uint64_t *list(int d, int s) { return data_.data() + (static_cast<std::size_t>(d) * (kMaxK + 1) + s) * stride_; }

    int k_ = 0;
    int t_ = 0;
    std::size_t stride_ = 0;
    std::vector<std::uint64_t> data_;
    std::array<std::array<int, kMaxK + 1>, kMaxK + 1> length_{};
};

// The ranks of the sets Q + R for every r-subset R of O, where Q and O are disjoint sorted lists of
// positions, without sorting each set: a position's term C(e, i + 1) depends only on how many
// members of the set lie below it, and those counts are tabled once per Q, so the innermost
// loop adds one table entry per set. This is what makes a column exchange cheap to evaluate.
class UnionRanks {
public:
    template <typename Visit>
    void run(std::span<const int> q, std::span<const int> o, int r, Visit &&visit)
    {
        const Binomials &C = binomials();
        const int qn = static_cast<int>(q.size());
        on_ = static_cast<int>(o.size());
        r_ = r;
        if (r < 0 || r > on_)
            return;
        if (r == 0) {
            visit(rankOf(q));
            return;
        }
        // acc[j]: the terms of the members of Q passed so far, each with j members of R below it.
        std::array<std::uint64_t, kMaxK + 2> acc{};
        int qi = 0;
        for (int a = 0; a < on_; ++a) {
            const int e = o[a];
            while (qi < qn && q[qi] < e) {
                for (int j = 0; j <= r; ++j)
                    acc[j] += C(q[qi], qi + j + 1);
                ++qi;
            }
            for (int j = 0; j <= r; ++j)
                below_[j][a] = acc[j];
            for (int j = 0; j < r; ++j)
                term_[j][a] = C(e, j + qi + 1);
        }
        for (; qi < qn; ++qi) {
            for (int j = 0; j <= r; ++j)
                acc[j] += C(q[qi], qi + j + 1);
        }
        full_ = acc[r];
        for (int a = 0; a < on_; ++a)
            last_[a] = term_[r - 1][a] + below_[r - 1][a] - below_[r][a];
        descend(0, -1, 0, visit);
    }

private:
    // Unsigned arithmetic wraps in between; every finished sum is an exact rank.
    template <typename Visit>
    void descend(int j, int prev, std::uint64_t partial, Visit &visit)
    {
        const std::uint64_t before = prev >= 0 ? below_[j][prev] : 0;
        if (j == r_ - 1) {
            const std::uint64_t base = partial - before + full_;
            for (int a = prev + 1; a < on_; ++a)
                visit(base + last_[a]);
            return;
        }
        for (int a = prev + 1; a <= on_ - (r_ - j); ++a)
            descend(j + 1, a, partial + term_[j][a] + below_[j][a] - before, visit);
    }

    int on_ = 0;
    int r_ = 0;
    std::uint64_t full_ = 0;
    std::array<std::array<std::uint64_t, kMaxPool>, kMaxK + 1> below_{};
    std::array<std::array<std::uint64_t, kMaxPool>, kMaxK> term_{};
    std::array<std::uint64_t, kMaxPool> last_{};
};

} // namespace taru::subsets
