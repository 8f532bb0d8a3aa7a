#pragma once

#include <cstdint>
#include <functional>

namespace taru {

// The program's random numbers: a small, fast generator (xoshiro256**) whose sequence for a seed
// is the same on every platform and compiler, so a production can be repeated from its seed.
class Random {
public:
    explicit Random(std::uint64_t seed);

    std::uint64_t next();
    // A whole number from 0 to bound - 1, every value equally likely; bound must be at least 1.
    std::uint32_t below(std::uint32_t bound);
    // A number in [0, 1) with 53 random bits.
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t s_[4];
};

// Where a production takes its seed from: once per production. The program seeds from the
// system's entropy source and the clock; tests give fixed seeds.
using SeedSource = std::function<std::uint64_t()>;
std::uint64_t FreshSeed();

} // namespace taru
