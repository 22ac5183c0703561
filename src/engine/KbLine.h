#pragma once

#include <algorithm>
#include <string>
#include <string_view>

// The grammar of a line of the main knowledge base: PATTERN^reply;reply;...  with leading "_" for
// a branch line and a final "@" for a farewell line. Positions here are 0-based byte offsets.
namespace kbline {

constexpr std::size_t npos = std::string_view::npos;

// Leading underscores: the branch depth of the line, 0 for a main line.
int depth(std::string_view line);

// The separator: the first "^" that has at least one character of pattern before it, counted from
// `patternStart` (0 for the whole-line pattern, the depth for a branch pattern); npos when none.
std::size_t separator(std::string_view line, std::size_t patternStart = 0);

// True when a separator exists and is not the last character: the line has replies to give.
bool answers(std::string_view line, std::size_t patternStart = 0);

// The text from patternStart up to the separator (the whole text after patternStart when there is
// no separator).
std::string_view pattern(std::string_view line, std::size_t patternStart = 0);

// Calls take(word) for each word of a pattern in order, the runs between spaces (empty ones left
// out), for as long as take returns true. Returns whether every word was taken.
template <typename Take> bool everyWord(std::string_view pattern, Take take) {
    std::size_t start = 0;
    while (start < pattern.size()) {
        const std::size_t space = std::min(pattern.find(' ', start), pattern.size());
        if (space > start && !take(pattern.substr(start, space - start))) {
            return false;
        }
        start = space + 1;
    }
    return true;
}

// Number of ";" anywhere in the line: the number of alternatives to choose from.
int alternativeCount(std::string_view line);

// The reply of alternative `choice` (from 1): read from just after its start mark (the separator
// for the first alternative, the (choice-1)-th ";" for the others). The first character after the
// mark is always taken, then everything up to the next ";" or the end of the line.
std::string reply(std::string_view line, std::size_t separatorPos, int choice);

// A farewell line ends with "@".
bool isFarewell(std::string_view line);

} // namespace kbline

class Random;

namespace kbline {
// Draws one of the line's alternatives (1 + random(alternatives)) and gives its reply.
std::string chooseReply(std::string_view line, std::size_t separatorPos, Random& random);
} // namespace kbline
