#pragma once

#include <string>
#include <string_view>

// Turns a line typed with the Latin (QWERTY) layout still active into what the same keys give in
// the Russian (ЙЦУКЕН) layout. Character for character, in one pass: a result is never converted
// again, so "|" gives "/" and not ".", and the length of the line never changes. Characters the
// table does not name (digits, the space, Cyrillic letters, most signs) stay as they are.
class LayoutConverter {
public:
    // Windows-1251 in, Windows-1251 out.
    static std::string convert(std::string_view text);
};
