#include "input/ReservedCharScanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Ticks over the text until the scanner asks for a wipe; the number of ticks it took, or -1.
int ticksToWipe(ReservedCharScanner& scanner, const std::string& text, int limit = 1000) {
    for (int tick = 1; tick <= limit; ++tick) {
        if (scanner.tick(text)) {
            return tick;
        }
    }
    return -1;
}

TEST(ReservedCharScanner, FindsEachReservedCharacterOnePositionPerTick) {
    for (const char reserved : std::string("^_;@")) {
        SCOPED_TRACE(reserved);
        ReservedCharScanner scanner;
        EXPECT_EQ(ticksToWipe(scanner, std::string("ab") + reserved + "cd"), 3);
        EXPECT_EQ(scanner.position(), 3); // stays where the character was found
    }
}

TEST(ReservedCharScanner, LeavesOrdinaryTextAloneAndWrapsAtItsEnd) {
    ReservedCharScanner scanner;
    const std::vector<int> expected = {1, 0, 1, 0}; // the last character tested, it starts over
    for (const int position : expected) {
        EXPECT_FALSE(scanner.tick("ab"));
        EXPECT_EQ(scanner.position(), position);
    }
}

TEST(ReservedCharScanner, EmptyLineDoesNotMoveIt) {
    ReservedCharScanner scanner;
    scanner.setPosition(2);
    EXPECT_FALSE(scanner.tick(""));
    EXPECT_EQ(scanner.position(), 2);
}

TEST(ReservedCharScanner, TextShorterThanThePositionRestartsWithoutTesting) {
    ReservedCharScanner scanner;
    scanner.setPosition(5);
    EXPECT_FALSE(scanner.tick("^x")); // the tick that finds the text too short tests nothing
    EXPECT_EQ(scanner.position(), 0);
    EXPECT_TRUE(scanner.tick("^x"));
}

TEST(ReservedCharScanner, CharacterBehindThePositionIsCaughtAfterTheWrap) {
    ReservedCharScanner scanner;
    scanner.setPosition(3);
    // "^" at 1 is behind the walk: positions 4 and 5 first, then the wrap, then 1.
    EXPECT_EQ(ticksToWipe(scanner, "^bcde"), 3);
}

TEST(ReservedCharScanner, LongLineEndingInReservedCharacterIsWipedWithinOnePass) {
    ReservedCharScanner scanner;
    EXPECT_EQ(ticksToWipe(scanner, std::string(254, 'a') + ";"), 255);
}

} // namespace
