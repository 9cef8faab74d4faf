#pragma once

#include <cstdint>
#include <random>

// Random numbers in [0, 1), from one stream seeded once.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual float Rnd() = 0;
};

class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(std::uint64_t seed)
        : engine_(seed)
    { }
    // Seeded from the machine's nondeterministic source.
    static std::uint64_t fresh_seed();
    // 24 random bits scaled to [0, 1): every value is exact in single precision and below 1.
    float Rnd() override { return float(engine_() >> 40) * 0x1p-24f; }

private:
    std::mt19937_64 engine_;
};
