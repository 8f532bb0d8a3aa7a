#include "base/Random.h"

#include <chrono>
#include <random>

namespace taru {

namespace {

std::uint64_t splitmix(std::uint64_t &state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr std::uint64_t rotl(std::uint64_t x, int k)
{
    return (x << k) | (x >> (64 - k));
}

} // namespace

Random::Random(std::uint64_t seed)
{
    for (std::uint64_t &word : s_)
        word = splitmix(seed);
}

std::uint64_t Random::next()
{
    const std::uint64_t result = rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 45);
    return result;
}

std::uint32_t Random::below(std::uint32_t bound)
{
    // Multiply-and-shift with rejection of the few values that would favour low results.
    std::uint64_t product = (next() >> 32) * bound;
    auto low = static_cast<std::uint32_t>(product);
    if (low < bound) {
        const std::uint32_t threshold = static_cast<std::uint32_t>(-bound) % bound;
        while (low < threshold) {
            product = (next() >> 32) * bound;
            low = static_cast<std::uint32_t>(product);
        }
    }
    return static_cast<std::uint32_t>(product >> 32);
}

std::uint64_t FreshSeed()
{
    std::random_device device;
    const std::uint64_t entropy = (static_cast<std::uint64_t>(device()) << 32) ^ device();
    const auto ticks = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return entropy ^ (ticks * 0x9E3779B97F4A7C15ULL);
}

} // namespace taru
