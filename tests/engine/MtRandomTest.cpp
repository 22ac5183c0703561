#include "engine/MtRandom.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

std::vector<int> draws(MtRandom& random, int n, int count, bool reseedBetween = false) {
    std::vector<int> out;
    for (int i = 0; i < count; ++i) {
        if (reseedBetween) {
            random.reseed();
        }
        out.push_back(random.random(n));
    }
    return out;
}

} // namespace

TEST(MtRandom, DrawsFromZeroUpToButNotIncludingTheRange) {
    MtRandom random(7);
    for (const int n : {1, 2, 3, 6, 1000}) {
        std::set<int> seen;
        for (const int draw : draws(random, n, 2000)) {
            ASSERT_GE(draw, 0) << n;
            ASSERT_LT(draw, n) << n;
            seen.insert(draw);
        }
        if (n <= 6) {
            EXPECT_EQ(seen.size(), static_cast<std::size_t>(n)) << "every value comes up";
        }
    }
}

TEST(MtRandom, AnEmptyOrNegativeRangeGivesZero) {
    MtRandom seeded(7);
    MtRandom clocked;
    for (const int n : {0, -1, -100}) {
        EXPECT_EQ(seeded.random(n), 0) << n;
        EXPECT_EQ(clocked.random(n), 0) << n;
    }
}

TEST(MtRandom, AFixedSeedGivesTheSameDrawsWhateverTheReseeding) {
    MtRandom first(42);
    MtRandom second(42);
    MtRandom other(43);
    const std::vector<int> expected = draws(first, 1000, 50);
    EXPECT_EQ(draws(second, 1000, 50, true), expected);
    EXPECT_NE(draws(other, 1000, 50), expected);
}
