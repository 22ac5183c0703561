#include "input/OnScreenKeyboard.h"

#include "support/Cp.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const CharacterKey& keyNamed(std::string_view name) {
    for (const CharacterKey& key : OnScreenKeyboard::characterKeys()) {
        if (key.name == name) {
            return key;
        }
    }
    throw std::out_of_range(std::string(name));
}

TEST(OnScreenKeyboard, SixtyKeysEachWithItsOwnNameAndCharacter) {
    const auto& keys = OnScreenKeyboard::characterKeys();
    ASSERT_EQ(keys.size(), 60u);
    std::set<std::string_view> names;
    std::string signs;
    std::string letters;
    for (const CharacterKey& key : keys) {
        names.insert(key.name);
        (key.isLetter() ? letters : signs) += key.character;
    }
    EXPECT_EQ(names.size(), 60u);
    EXPECT_EQ(utf(signs), "#$%&*+=\\|/[]{}~`,.!?()-:\"<>");
    EXPECT_EQ(utf(letters), "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
}

TEST(OnScreenKeyboard, CapsLockChoosesTheCaseOfLettersOnly) {
    OnScreenKeyboard keyboard;
    EXPECT_EQ(utf(keyboard.capsCaption()), "Caps Lock [не нажат]");
    std::string line = keyboard.typed("", keyNamed("SB29"));
    line = keyboard.typed(line, keyNamed("SB35"));
    EXPECT_EQ(utf(line), "аё");

    keyboard.SB63Click();
    EXPECT_EQ(utf(keyboard.capsCaption()), "Caps Lock [нажат]");
    line = keyboard.typed(line, keyNamed("SB29"));
    line = keyboard.typed(line, keyNamed("SB4"));
    EXPECT_EQ(utf(line), "аёА#");

    keyboard.SB63Click();
    EXPECT_EQ(keyboard.CapsState, 0);
    EXPECT_EQ(utf(keyboard.capsCaption()), "Caps Lock [не нажат]");
    EXPECT_EQ(utf(keyboard.typed("", keyNamed("SB61"))), "я");
}

TEST(OnScreenKeyboard, BackspaceDownToTheEmptyLine) {
    EXPECT_EQ(utf(OnScreenKeyboard::backspaced(cp("да"))), "д");
    EXPECT_EQ(OnScreenKeyboard::backspaced(cp("д")), "");
    EXPECT_EQ(OnScreenKeyboard::backspaced(""), "");
    EXPECT_FALSE(OnScreenKeyboard::editKeysEnabled(""));
    EXPECT_TRUE(OnScreenKeyboard::editKeysEnabled("д"));
}

TEST(OnScreenKeyboard, F5AppendsTheProposalTakenAtOpeningEveryTime) {
    OnScreenKeyboard keyboard;
    EXPECT_EQ(keyboard.N3Click("x"), "x"); // nothing proposed
    keyboard.open(cp("ЕТ"));
    std::string line = cp("прив");
    for (int press = 0; press < 3; ++press) {
        line = keyboard.N3Click(line);
    }
    EXPECT_EQ(utf(line), "привететет");
}

} // namespace
