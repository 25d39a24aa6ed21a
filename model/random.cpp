#include "random.h"

#include <atomic>
#include <chrono>

namespace circumvia {

namespace {

std::uint64_t ClockSeed() {
    // Two calls in the same clock tick must still differ.
    static std::atomic<std::uint64_t> calls{0};
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(now) + 0x9E3779B97F4A7C15ull * ++calls;
}

}  // namespace

RandomSource::RandomSource() {
    Start(ClockSeed());
}

void RandomSource::Seed(std::uint64_t seed) {
    seeded_ = true;
    Start(seed);
}

void RandomSource::FollowClock() {
    seeded_ = false;
    Reseed();
}

void RandomSource::Reseed() {
    if (!seeded_) Start(ClockSeed());
}

void RandomSource::Start(std::uint64_t seed) {
    state_ = seed;
}

// SplitMix64: small, fast, and the same on every platform and compiler.
std::uint64_t RandomSource::Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int RandomSource::Draw(int n) {
    if (n < 2) return 0;
    const auto range = static_cast<std::uint64_t>(n);
    // Rejecting the top partial block keeps every value equally likely.
    const std::uint64_t limit = ~std::uint64_t{0} - (~std::uint64_t{0} % range + 1) % range;
    std::uint64_t value = Next();
    while (value > limit) value = Next();
    return static_cast<int>(value % range);
}

}  // namespace circumvia
