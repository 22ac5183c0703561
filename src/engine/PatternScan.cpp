#include "engine/PatternScan.h"

#include "engine/Cp1251.h"

PatternScan::PatternScan(std::string_view phrase) : upper_(cp1251::upper(phrase)) {
    for (std::size_t i = 0; i < upper_.size(); ++i) {
        present_.set(static_cast<unsigned char>(upper_[i]));
        if (i + 1 < upper_.size()) {
            pairs_.set(static_cast<unsigned char>(upper_[i]) * 256u +
                       static_cast<unsigned char>(upper_[i + 1]));
        }
    }
}

std::optional<std::size_t> PatternScan::find(std::string_view pattern, std::size_t from) const {
    if (pattern.empty()) {
        return std::nullopt;
    }
    // The scan only ever finds a run that is also an ordinary substring, and most lines of a
    // base are refused by that fast search or by their first character alone.
    if (!present_.test(static_cast<unsigned char>(pattern.front())) ||
        (pattern.size() > 1 && !holdsPair(pattern[0], pattern[1])) ||
        std::string_view(upper_).find(pattern, from) == std::string_view::npos) {
        return std::nullopt;
    }
    std::size_t matched = 0;
    for (std::size_t pos = from; pos < upper_.size(); ++pos) {
        if (upper_[pos] == pattern[matched]) {
            if (++matched == pattern.size()) {
                return pos + 1;
            }
        } else {
            matched = 0;
        }
    }
    return std::nullopt;
}
