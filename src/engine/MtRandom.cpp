#include "engine/MtRandom.h"

#include <chrono>

namespace {

std::uint32_t clockSeed() {
    return static_cast<std::uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

} // namespace

MtRandom::MtRandom() : generator_(clockSeed()) {}

MtRandom::MtRandom(std::uint32_t seed) : generator_(seed), fixedSeed_(seed) {}

int MtRandom::random(int n) {
    if (n <= 0) {
        return 0;
    }
    return std::uniform_int_distribution<int>(0, n - 1)(generator_);
}

void MtRandom::reseed() {
    if (!fixedSeed_) {
        generator_.seed(clockSeed());
    }
}
