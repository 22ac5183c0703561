#include "engine/Cp1251.h"

#include "support/Cp.h"

#include <gtest/gtest.h>

#include <iconv.h>

TEST(Cp1251, CodePageAgreesWithTheSystemConverterForEveryByte) {
    iconv_t toUtf8 = iconv_open("UTF-8", "CP1251");
    ASSERT_NE(toUtf8, reinterpret_cast<iconv_t>(-1));
    for (int byte = 1; byte < 256; ++byte) {
        if (byte == 0x98) {
            continue; // unassigned in the code page
        }
        char in = static_cast<char>(byte);
        char out[8] = {};
        char* inPtr = &in;
        char* outPtr = out;
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        ASSERT_NE(iconv(toUtf8, &inPtr, &inLeft, &outPtr, &outLeft), static_cast<std::size_t>(-1));
        SCOPED_TRACE(byte);
        EXPECT_EQ(cp1251::toUtf8(std::string(1, in)), std::string(out));
        EXPECT_EQ(cp1251::fromUtf8(out), std::string(1, in));
    }
    iconv_close(toUtf8);
}

TEST(Cp1251, LetterCaseCoversLatinRussianAndYoOnly) {
    const std::string small = cp("abcdefghijklmnopqrstuvwxyzабвгдеёжзийклмнопрстуфхцчшщъыьэюя");
    const std::string capital = cp("ABCDEFGHIJKLMNOPQRSTUVWXYZАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
    EXPECT_EQ(cp1251::upper(small), capital);
    EXPECT_EQ(cp1251::lower(capital), small);
    // Every other byte, the other Cyrillic letters of the code page among them, keeps its case.
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        if (small.find(c) == std::string::npos && capital.find(c) == std::string::npos) {
            EXPECT_EQ(cp1251::toUpper(c), c) << byte;
            EXPECT_EQ(cp1251::toLower(c), c) << byte;
        }
    }
    EXPECT_EQ(cp1251::upper(cp("їжак ўіїєґђѓљњќћџ")), cp("їЖАК ўіїєґђѓљњќћџ"));
    EXPECT_EQ(cp1251::lower(cp("ЇЖАК ЎІЇЄҐЂЃЉЊЌЋЏ")), cp("Їжак ЎІЇЄҐЂЃЉЊЌЋЏ"));
}

TEST(Cp1251, RussianCapitalTouchesOnlyTheThirtyThreeLetters) {
    const std::string small = cp("абвгдеёжзийклмнопрстуфхцчшщъыьэюя");
    const std::string capital = cp("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
    for (std::size_t i = 0; i < small.size(); ++i) {
        EXPECT_EQ(cp1251::russianCapital(small[i]), capital[i]);
    }
    for (const std::string other : {"a", "z", "1", " ", "ў", "і", "ї", "є", "ґ", "Я"}) {
        EXPECT_EQ(cp1251::russianCapital(cp(other)[0]), cp(other)[0]) << other;
    }
}

TEST(Cp1251, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
    EXPECT_EQ(cp1251::fromUtf8("日本 ok ü €"), "?? ok ? \x88");
    EXPECT_EQ(cp1251::fromUtf8("\xff\xfe bad \xd0"), "?? bad ?");
    EXPECT_EQ(cp1251::fromUtf8("😀"), "?");
}
