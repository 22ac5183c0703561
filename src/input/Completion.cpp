#include "input/Completion.h"

#include "engine/Cp1251.h"
#include "engine/LineFiles.h"
#include "engine/ProgramFiles.h"
#include "input/EnableRule.h"

#include <algorithm>
#include <array>

namespace {

// What ends a word; an entry that begins with one of these can never be found.
bool isSeparator(char c) {
    return c == ' ' || c == ',' || c == '.' || c == '!' || c == '?';
}

// The code page's capitals as a table: the lookup compares every entry it passes, and a dictionary
// may be large.
struct UpperTable {
    std::array<char, 256> of{};
    UpperTable() {
        for (int c = 0; c < 256; ++c) {
            of[static_cast<std::size_t>(c)] = cp1251::toUpper(static_cast<char>(c));
        }
    }
    char operator()(char c) const { return of[static_cast<unsigned char>(c)]; }
};

const UpperTable& upper() {
    static const UpperTable table;
    return table;
}

bool beginsWith(const std::string& entry, std::string_view upperWord, const UpperTable& up) {
    if (entry.size() < upperWord.size()) {
        return false;
    }
    for (std::size_t i = 0; i < upperWord.size(); ++i) {
        if (up(entry[i]) != upperWord[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

void Completion::N24Click(const LineFiles& files) {
    SpeedWord = files.load(programfiles::Dictionary);
    on_ = !on_;
}

std::string Completion::noMatch(bool forgetSuggestion) {
    SpeedIndex = -1;
    if (forgetSuggestion) {
        SpeedSuggestion.clear();
    }
    return std::string(EnableRule::noMatchText());
}

std::string Completion::T11Timer(std::string_view text) {
    if (text.empty() || isSeparator(text.back())) {
        return noMatch(false); // nothing being typed: the last proposal stays for F5
    }
    std::size_t start = text.size();
    while (start > 0 && !isSeparator(text[start - 1])) {
        --start;
    }
    const UpperTable& up = upper();
    std::string word(text.substr(start));
    for (char& c : word) {
        c = up(c);
    }
    const std::vector<std::string>& entries = SpeedWord.lines();
    const int count = static_cast<int>(entries.size());
    for (int index = std::max(SpeedIndex + 1, 0); index < count; ++index) {
        const std::string& entry = entries[static_cast<std::size_t>(index)];
        if (beginsWith(entry, word, up)) {
            SpeedIndex = index;
            SpeedSuggestion = entry.substr(word.size());
            return entry;
        }
    }
    return noMatch(true);
}

std::optional<std::string> Completion::keyDown(Key key) {
    const int count = SpeedWord.count();
    if (count == 0 || !on_) {
        return std::nullopt;
    }
    if (key == Key::Up) {
        SpeedIndex -= 2;
    } else if (key == Key::Down) {
        SpeedIndex += 1;
    }
    // Kept inside the list, also when a smaller dictionary has been loaded since the index was set.
    SpeedIndex = std::clamp(SpeedIndex, 0, count - 1);
    return SpeedWord.line(SpeedIndex);
}

std::string Completion::accepted(std::string_view text) const {
    return std::string(text) + cp1251::lower(SpeedSuggestion);
}
