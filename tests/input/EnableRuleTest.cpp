#include "input/EnableRule.h"

#include "support/Cp.h"

#include <gtest/gtest.h>

namespace {

TEST(EnableRule, SpeakingNeedsTextAndUndoNeedsALine) {
    EXPECT_FALSE(EnableRule::decide({true, 0, "", false}).speak);
    EXPECT_TRUE(EnableRule::decide({false, 0, "", false}).speak);
    EXPECT_FALSE(EnableRule::decide({false, 0, "", false}).undo);
    EXPECT_TRUE(EnableRule::decide({false, 1, "", false}).undo);
}

TEST(EnableRule, LookupStartsOnAnEmptyLineOnlyWhileCompletionIsOn) {
    EXPECT_TRUE(EnableRule::decide({true, 0, "", true}).startLookup);
    EXPECT_FALSE(EnableRule::decide({true, 0, "", false}).startLookup);
    EXPECT_FALSE(EnableRule::decide({false, 0, "", true}).startLookup);
}

TEST(EnableRule, AcceptingNeedsAnEntryInThePanel) {
    const std::string loaded = cp("Загрузка окончена");
    const std::string entry = cp("привет");
    const struct {
        std::string panel;
        bool accept;
    } cases[] = {{"", false}, {"[NONE]", false}, {loaded, false}, {entry, true}, {"[none]", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(utf(c.panel));
        EXPECT_EQ(EnableRule::decide({false, 0, c.panel, true}).acceptCompletion, c.accept);
    }
}

} // namespace
