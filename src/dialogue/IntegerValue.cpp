#include "dialogue/IntegerValue.h"

#include "dialogue/ValueError.h"
#include "engine/HexDigit.h"

#include <string>

namespace {

bool isHexMark(char c) {
    return c == '$' || c == 'x' || c == 'X';
}

// Hex digits to the end of the text, at most FFFFFFFF; the bits become the signed number.
std::optional<std::int32_t> readHex(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFull) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// Decimal digits to the end of the text, within the 32-bit range once the sign is taken.
std::optional<std::int32_t> readDecimal(std::string_view digits, bool negative) {
    if (digits.empty()) {
        return std::nullopt;
    }
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

} // namespace

std::optional<std::int32_t> IntegerValue::tryParse(std::string_view text) {
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view rest = text.substr(at);
    if (isHexMark(rest[0])) {
        return readHex(rest.substr(1));
    }
    if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        return readHex(rest.substr(2));
    }
    if (rest[0] == '+' || rest[0] == '-') {
        return readDecimal(rest.substr(1), rest[0] == '-');
    }
    return readDecimal(rest, false);
}

std::int32_t IntegerValue::parse(std::string_view text) {
    const std::optional<std::int32_t> value = tryParse(text);
    if (!value) {
        throw ValueError::notValidInteger(std::string(text));
    }
    return *value;
}
