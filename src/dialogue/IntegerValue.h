#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The whole numbers of "Config.ini" (colour numbers, font sizes), read the way the program has
// always read them:
//   - any number of leading blanks (spaces);
//   - then either an optional "+" or "-" and decimal digits, in -2147483648..2147483647,
//   - or hexadecimal digits (0-9, a-f, A-F) after "$", "x", "X", "0x" or "0X", at most FFFFFFFF;
//     a hex value above 7FFFFFFF is the signed 32-bit number with the same bits, so "$80000008"
//     and "0x80000008" give -2147483640 (a system colour);
//   - nothing after the digits: not even a blank.
// A sign before a hex mark is refused ("-$10"), as is an empty text, a mark with no digits and
// any value out of range.
class IntegerValue {
public:
    // Throws ValueError "'<text>' is not a valid integer value", with the text as written.
    static std::int32_t parse(std::string_view text);
    // The same rule without the exception.
    static std::optional<std::int32_t> tryParse(std::string_view text);
};
