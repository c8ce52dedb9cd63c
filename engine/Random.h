#pragma once

#include <cstdint>
#include <random>

namespace quorvel {

// The source of dealt kinds. The engine reseeds it at start-up and at every
// new game; an injected source can make that reseed reproducible.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Reseed() = 0;
    // A uniformly distributed non-negative value.
    virtual uint32_t Next() = 0;
};

// Seeded from the calendar clock in seconds, the only place where the engine
// reads the wall clock.
class ClockSeededRandom final : public RandomSource {
public:
    void Reseed() override;
    uint32_t Next() override { return generator_(); }

private:
    std::mt19937 generator_;
};

// Always reseeds with the same number, so that deals repeat.
class FixedSeedRandom final : public RandomSource {
public:
    explicit FixedSeedRandom(uint32_t seed) : seed_(seed), generator_(seed) {}
    void Reseed() override { generator_.seed(seed_); }
    uint32_t Next() override { return generator_(); }

private:
    uint32_t seed_;
    std::mt19937 generator_;
};

} // namespace quorvel
