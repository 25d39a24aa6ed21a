#pragma once
// The model's own pseudo-random numbers. By default the sequence starts from the clock
// and every Reseed() starts it afresh from the clock; after Seed(n) it is fixed and
// repeatable (Reseed() then leaves it alone), so tests and tools can replay a game.

#include <cstdint>

namespace circumvia {

class RandomSource {
public:
    RandomSource();

    // Fixes the sequence from now on.
    void Seed(std::uint64_t seed);
    // Returns to clock seeding and reseeds at once.
    void FollowClock();
    bool IsSeeded() const { return seeded_; }

    // A new start from the clock, unless a fixed seed was chosen.
    void Reseed();

    // A uniform integer in 0..n-1 ("a draw from n"); 0 when n < 2.
    int Draw(int n);

private:
    std::uint64_t Next();
    void Start(std::uint64_t seed);

    std::uint64_t state_ = 0;
    bool seeded_ = false;
};

}  // namespace circumvia
