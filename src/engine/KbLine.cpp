#include "engine/KbLine.h"

namespace kbline {

int depth(std::string_view line) {
    const std::size_t first = line.find_first_not_of('_');
    return static_cast<int>(first == npos ? line.size() : first);
}

std::size_t separator(std::string_view line, std::size_t patternStart) {
    if (patternStart + 1 >= line.size()) {
        return npos;
    }
    return line.find('^', patternStart + 1);
}

bool answers(std::string_view line, std::size_t patternStart) {
    const std::size_t sep = separator(line, patternStart);
    return sep != npos && sep + 1 < line.size();
}

std::string_view pattern(std::string_view line, std::size_t patternStart) {
    if (patternStart >= line.size()) {
        return {};
    }
    const std::size_t sep = separator(line, patternStart);
    return line.substr(patternStart, sep == npos ? npos : sep - patternStart);
}

int alternativeCount(std::string_view line) {
    int count = 0;
    for (char c : line) {
        count += c == ';' ? 1 : 0;
    }
    return count;
}

std::string reply(std::string_view line, std::size_t separatorPos, int choice) {
    std::size_t mark = separatorPos;
    for (int i = 1; i < choice && mark != npos; ++i) {
        mark = line.find(';', i == 1 ? 0 : mark + 1);
    }
    const std::size_t start = mark == npos ? line.size() : mark + 1;
    if (start >= line.size()) {
        return {};
    }
    const std::size_t end = line.find(';', start + 1);
    return std::string(line.substr(start, end == npos ? npos : end - start));
}

bool isFarewell(std::string_view line) {
    return !line.empty() && line.back() == '@';
}

} // namespace kbline

#include "engine/Random.h"

namespace kbline {

std::string chooseReply(std::string_view line, std::size_t separatorPos, Random& random) {
    const int ReplyChoice = random.random(alternativeCount(line)) + 1;
    return reply(line, separatorPos, ReplyChoice);
}

} // namespace kbline
