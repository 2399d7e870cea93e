#include "quiz/random_source.h"

#include <chrono>

RandomSource random_source;

void RandomSource::reseed_from_clock()
{
    const auto now = stopped_clock_
                         ? std::int64_t{*stopped_clock_}
                         : std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32),
                      ++reseeds_};
    engine_.seed(seq);
}

void RandomSource::seed(std::uint32_t value)
{
    engine_.seed(value);
}

void RandomSource::stop_clock(std::uint32_t value)
{
    stopped_clock_ = value;
    reseeds_ = 0;
}

float RandomSource::next()
{
    // 24 random bits fill a float's mantissa exactly, so the result can never round up to 1.
    return static_cast<float>(engine_() >> 8) * (1.0F / 16777216.0F);
}
