#include "input/TypingLimit.h"

#include <algorithm>

TypingLimit::Result TypingLimit::apply(std::u16string_view before, std::u16string_view after,
                                       int cursor, int limit) {
    Result result{std::u16string(after), cursor, false};
    if (static_cast<int>(after.size()) <= limit) {
        return result;
    }
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    const std::size_t inserted = after.size() - prefix - suffix;
    const std::size_t kept = prefix + suffix; // what the edit left of the old text
    const std::size_t room =
        static_cast<int>(kept) >= limit ? 0 : static_cast<std::size_t>(limit) - kept;
    if (inserted <= room) {
        return result;
    }
    result.text = std::u16string(after.substr(0, prefix + room));
    result.text += after.substr(prefix + inserted);
    result.cursor = static_cast<int>(prefix + room);
    result.cut = true;
    return result;
}
