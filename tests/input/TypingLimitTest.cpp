#include "input/TypingLimit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::u16string text(std::size_t length, char16_t c = u'a') {
    return std::u16string(length, c);
}

TEST(TypingLimit, EditWithinTheLimitStands) {
    const auto result = TypingLimit::apply(text(254), text(255), 255);
    EXPECT_FALSE(result.cut);
    EXPECT_EQ(result.text, text(255));
}

TEST(TypingLimit, KeyTypedIntoAFullLineIsRefused) {
    const std::u16string full = text(255);
    const std::u16string typed = u"b" + full;
    const auto result = TypingLimit::apply(full, typed, 1);
    EXPECT_TRUE(result.cut);
    EXPECT_EQ(result.text, full);
    EXPECT_EQ(result.cursor, 0);
}

TEST(TypingLimit, PasteIsCutToWhatFitsWhereItWasInserted) {
    const std::u16string before = u"[" + text(250) + u"]";    // 252 characters
    const std::u16string after = u"[" + text(250) + u"XYZW]"; // "XYZW" pasted before "]"
    const auto result = TypingLimit::apply(before, after, 255);
    EXPECT_TRUE(result.cut);
    EXPECT_EQ(result.text, u"[" + text(250) + u"XYZ]");
    EXPECT_EQ(result.cursor, 254);
}

TEST(TypingLimit, PasteOverASelectionCountsWhatItReplaces) {
    const std::u16string before = text(250) + u"12345"; // 255, "12345" selected and replaced
    const std::u16string after = text(250) + u"ABCDEFG";
    const auto result = TypingLimit::apply(before, after, 257);
    EXPECT_EQ(result.text, text(250) + u"ABCDE");
}

TEST(TypingLimit, LineTheProgramMadeLongerOnlyShrinksByTyping) {
    const std::u16string set = text(300);
    EXPECT_FALSE(TypingLimit::apply(set, text(299), 299).cut); // a deletion stands
    const auto typed = TypingLimit::apply(set, set + u"x", 301);
    EXPECT_TRUE(typed.cut);
    EXPECT_EQ(typed.text, set);
}

} // namespace
