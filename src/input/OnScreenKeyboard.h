#pragma once

#include <string>
#include <string_view>
#include <vector>

// One character key of the on-screen keyboard: its name, the character it types (for a letter,
// the capital its caption shows), and where it stands in its group.
struct CharacterKey {
    enum class Group { Signs, Letters };

    std::string_view name; // "SB29"
    char character;        // Windows-1251
    Group group;
    int left;
    int top;
    int width;
    int height;

    bool isLetter() const { return group == Group::Letters; }
};

// The on-screen keyboard's own state and rules: its Caps Lock, what each key makes of the input
// line, and the completion proposal taken when the keyboard was opened, which its F5 appends.
// Text is Windows-1251.
class OnScreenKeyboard {
public:
    // The 60 character keys: the signs, then the letters, row by row.
    static const std::vector<CharacterKey>& characterKeys();

    // The line after a click on a character key: a letter in the case Caps Lock gives it.
    std::string typed(std::string_view text, const CharacterKey& key) const;
    static std::string withSpace(std::string_view text);
    static std::string backspaced(std::string_view text);
    // Bcksp and [Enter] have something to act on.
    static bool editKeysEnabled(std::string_view text) { return !text.empty(); }

    void SB63Click(); // Caps Lock
    std::string capsCaption() const;

    // Opening takes the proposal as it stands; F5 appends that, lower-cased, however often.
    void open(std::string proposal) { proposal_ = std::move(proposal); }
    std::string N3Click(std::string_view text) const;

    int CapsState = 0; // 0: Caps Lock off, 1: on

private:
    std::string proposal_;
};
