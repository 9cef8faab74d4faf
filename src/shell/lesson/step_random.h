#pragma once

#include "random_source.h"

#include <cstdint>
#include <optional>

// The random source of a window that belongs to a lesson. A step keeps one seed, and its
// replay draws from that seed's stream from the start: so the window starts a stream of its own
// whenever a drawing starts afresh after random numbers were drawn (the chaos game chosen or
// restarted), and a step keeps the seed of the game on screen, never the numbers drawn before.
class StepRandom final : public RandomSource
{
public:
    explicit StepRandom(std::uint64_t seed) { reseed(seed); }
    float Rnd() override
    {
        drawn_ = true;
        return stream_->Rnd();
    }
    // The seed of the stream drawn from now.
    std::uint64_t seed() const { return seed_; }
    // Whether a number was drawn since the stream began.
    bool drawn() const { return drawn_; }
    void reseed(std::uint64_t seed)
    {
        seed_ = seed;
        stream_.emplace(seed);
        drawn_ = false;
    }

private:
    std::uint64_t seed_ = 0;
    std::optional<SeededRandom> stream_;
    bool drawn_ = false;
};
