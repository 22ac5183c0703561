#include "input/OnScreenKeyboard.h"

#include "engine/Cp1251.h"

#include <algorithm>

namespace {

// A row of keys of one size, evenly spaced from its first left edge: the keys' names, and the
// characters they type in the same order (UTF-8 here; one code-page character a key).
struct KeyRow {
    CharacterKey::Group group;
    int top;
    int firstLeft;
    int step; // also the key's width
    int height;
    std::string_view names;
    std::string_view characters;
};

using G = CharacterKey::Group;
constexpr KeyRow kRows[] = {
    {G::Signs, 16, 25, 16, 17,
     "SB4 SB5 SB6 SB7 Sd8 SB13 SB14 SB15 SB16 SB17 SB18 SB19 SB20 SB21 SB64 SB65",
     "#$%&*+=\\|/[]{}~`"},
    {G::Signs, 33, 65, 16, 17, "SB28 SB27 SB2 SB22 SB9 SB10 SB11 SB12 SB24 SB25 SB26",
     ",.!?()-:\"<>"},
    {G::Letters, 16, 8, 17, 17,
     "SB29 SB30 SB31 SB32 SB33 SB34 SB35 SB36 SB37 SB38 SB39 SB40 SB41 SB42 SB43 SB44 SB45",
     "АБВГДЕЁЖЗИЙКЛМНОП"},
    {G::Letters, 33, 16, 17, 17,
     "SB46 SB47 SB48 SB49 SB50 SB51 SB52 SB53 SB54 SB55 SB56 SB57 SB58 SB59 SB60 SB61",
     "РСТУФХЦЧШЩЪЫЬЭЮЯ"},
};

std::vector<CharacterKey> layOut() {
    std::vector<CharacterKey> keys;
    for (const KeyRow& row : kRows) {
        const std::string characters = cp1251::fromUtf8(row.characters);
        std::string_view names = row.names;
        int left = row.firstLeft;
        for (const char character : characters) {
            const std::size_t end = std::min(names.find(' '), names.size());
            keys.push_back(
                {names.substr(0, end), character, row.group, left, row.top, row.step, row.height});
            names.remove_prefix(std::min(end + 1, names.size()));
            left += row.step;
        }
    }
    return keys;
}

} // namespace

const std::vector<CharacterKey>& OnScreenKeyboard::characterKeys() {
    static const std::vector<CharacterKey> keys = layOut();
    return keys;
}

std::string OnScreenKeyboard::typed(std::string_view text, const CharacterKey& key) const {
    char c = key.character;
    if (key.isLetter()) {
        c = CapsState == 0 ? cp1251::toLower(c) : cp1251::toUpper(c);
    }
    return std::string(text) + c;
}

std::string OnScreenKeyboard::withSpace(std::string_view text) {
    return std::string(text) + ' ';
}

std::string OnScreenKeyboard::backspaced(std::string_view text) {
    return std::string(text.substr(0, text.empty() ? 0 : text.size() - 1));
}

void OnScreenKeyboard::SB63Click() {
    CapsState = CapsState + 1 >= 2 ? 0 : CapsState + 1;
}

std::string OnScreenKeyboard::capsCaption() const {
    return cp1251::fromUtf8(CapsState == 0 ? "Caps Lock [не нажат]" : "Caps Lock [нажат]");
}

std::string OnScreenKeyboard::N3Click(std::string_view text) const {
    return std::string(text) + cp1251::lower(proposal_);
}
