#include "PatternScan.h"

#include "Cp1251.h"

PatternScan::PatternScan(std::string_view phrase) : upper_(cp1251::upper(phrase)) {
    for (char c : upper_) {
        present_.set(static_cast<unsigned char>(c));
    }
}

std::optional<std::size_t> PatternScan::find(std::string_view pattern, std::size_t from) const {
    if (pattern.empty()) {
        return std::nullopt;
    }
    // The scan only ever finds a run that is also an ordinary substring, and most lines of a
    // base are refused by that fast search or by their first character alone.
    if (!present_.test(static_cast<unsigned char>(pattern.front())) ||
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
