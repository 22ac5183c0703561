#pragma once

#include "engine/Random.h"

#include <cstdint>
#include <optional>
#include <random>

// A Mersenne-twister source. Seeded from the clock, it reseeds whenever asked; given a fixed seed,
// it ignores reseeding, so every draw of a run can be reproduced from that seed.
class MtRandom : public Random {
public:
    MtRandom();
    explicit MtRandom(std::uint32_t seed);

    int random(int n) override;
    void reseed() override;

private:
    std::mt19937 generator_;
    std::optional<std::uint32_t> fixedSeed_;
};
