#include "PatternScan.h"

#include "Cp1251.h"

std::optional<std::size_t> patternScan(std::string_view pattern, std::string_view phrase,
                                       std::size_t from) {
    if (pattern.empty()) {
        return std::nullopt;
    }
    std::size_t matched = 0;
    for (std::size_t pos = from; pos < phrase.size(); ++pos) {
        if (cp1251::toUpper(phrase[pos]) == pattern[matched]) {
            if (++matched == pattern.size()) {
                return pos + 1;
            }
        } else {
            matched = 0;
        }
    }
    return std::nullopt;
}
