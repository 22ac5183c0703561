#include "engine/KbLine.h"

#include "support/Cp.h"

#include <gtest/gtest.h>

TEST(KbLine, PatternSeparatorAndDepth) {
    struct Case {
        const char* line;
        std::size_t start;
        const char* pattern;
        bool answers;
        int depth;
    } cases[] = {
        {"ПРИВЕТ^Привет!;", 0, "ПРИВЕТ", true, 0},
        {"^А^Б;", 0, "^А", true, 0}, // a "^" in first place belongs to the pattern
        {"ОК^", 0, "ОК", false, 0},  // learned, waiting for an answer
        {"БЕЗ РАЗДЕЛИТЕЛЯ", 0, "БЕЗ РАЗДЕЛИТЕЛЯ", false, 0},
        {"", 0, "", false, 0},
        {"_КАК ДЕЛА^Хорошо.;", 1, "КАК ДЕЛА", true, 1},
        {"__^Х^Да;", 2, "^Х", true, 2},
        {"___", 3, "", false, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const std::string line = cp(c.line);
        EXPECT_EQ(utf(std::string(kbline::pattern(line, c.start))), c.pattern);
        EXPECT_EQ(kbline::answers(line, c.start), c.answers);
        EXPECT_EQ(kbline::depth(line), c.depth);
    }
}

TEST(KbLine, ReplyReadsFromTheStartMarkToTheNextSemicolon) {
    struct Case {
        const char* line;
        int choice;
        const char* reply;
    } cases[] = {
        {"ДА^Хорошо.;Ладно.;", 1, "Хорошо."},
        {"ДА^Хорошо.;Ладно.;", 2, "Ладно."},
        {"ДА^Хорошо.;Ладно.", 1, "Хорошо."},
        {"ДА^Хорошо", 1, "Хорошо"},
        {"ДА^;Ладно.;", 1, ";Ладно."}, // the first character after the mark is always taken
        {"ДА^;Ладно.;", 2, "Ладно."},
        {"ПОКА^До свидания!;@", 1, "До свидания!"},
        {"__ПОЧЕМУ^Просто так.;Потому.;", 2, "Потому."},
        {"ДА^А;", 2, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " #" + std::to_string(c.choice));
        const std::string line = cp(c.line);
        const std::size_t start = static_cast<std::size_t>(kbline::depth(line));
        EXPECT_EQ(utf(kbline::reply(line, kbline::separator(line, start), c.choice)), c.reply);
    }
    EXPECT_EQ(kbline::alternativeCount(cp("ДА^Хорошо.;Ладно.;@")), 2);
    EXPECT_TRUE(kbline::isFarewell(cp("ПОКА^Пока;@")));
    EXPECT_FALSE(kbline::isFarewell(cp("ПОКА^Пока;@Вася.;")));
}
