#pragma once

#include <cstdint>
#include <optional>
#include <random>

// The program-wide pseudo-random source of uniform single-precision values in [0, 1).
class RandomSource {
public:
    // Called before each question's answer shuffle, and kept there on purpose: each question is
    // shuffled from the clock, not from what the questions before it drew. Two reseeds in quick
    // succession still give different sequences, and stop_clock replays them.
    void reseed_from_clock();
    void seed(std::uint32_t value);
    // For tests that replay a run: later reseeds mix this value with the reseed count instead of
    // the clock.
    void stop_clock(std::uint32_t value);
    float next();

private:
    std::mt19937 engine_;
    std::uint32_t reseeds_ = 0;
    std::optional<std::uint32_t> stopped_clock_;
};

extern RandomSource random_source;
