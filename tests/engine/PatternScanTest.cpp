#include "engine/PatternScan.h"

#include "support/Cp.h"

#include <gtest/gtest.h>

TEST(PatternScan, FindsAnUnbrokenRunOfThePatternInTheUpperCasedPhrase) {
    struct Case {
        const char* pattern;
        const char* phrase;
        std::size_t from;
        std::optional<std::size_t> end; // byte position just past the match
    } cases[] = {
        {"КОТ", "Кот.", 0, 3},
        {"КОТ", "Ну кот.", 0, 6},
        {"КОТ", "Ккот.", 0, std::nullopt}, // the breaking К is not tried as a new start
        {"ДУРА", "Ты ддура.", 0, std::nullopt},
        {"КОТ", "кот кот", 3, 7},
        {"КОТ", "кот", 1, std::nullopt},
        {"кот", "кот", 0, std::nullopt}, // a pattern in small letters never matches
        {"ПРИВЕТ.", "Привет.", 0, 7},
        {"ПРИВЕТ.", "Привет!", 0, std::nullopt},
        {" ЛОХ", "Лох.", 0, std::nullopt},
        {" ЛОХ", "Ты лох.", 0, 6},
        {"ГАД.", "Гадость.", 0, std::nullopt},
        {"АБВ", "аб", 0, std::nullopt},
        {"Ё", "ёжик", 0, 1},
        {"ЇЖАК", "їжак", 0, std::nullopt}, // only a-z, а-я and ё are upper-cased
        {"ЇЖАК", "Їжак", 0, 4},
        {"HELLO", "hello", 0, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " in " + c.phrase);
        EXPECT_EQ(patternScan(cp(c.pattern), cp(c.phrase), c.from), c.end);
    }
}
