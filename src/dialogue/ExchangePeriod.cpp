#include "dialogue/ExchangePeriod.h"

#include "dialogue/IntegerValue.h"

#include <algorithm>
#include <cstdint>

int ExchangePeriod::valueOf(std::string_view text) {
    const auto value = IntegerValue::tryParse(text);
    return value ? std::clamp<int>(*value, kMin, kMax) : kMin;
}

int ExchangePeriod::confirmedFromSeconds(int seconds) {
    const std::int64_t milliseconds = std::int64_t{seconds} * 1000;
    return static_cast<int>(std::clamp<std::int64_t>(milliseconds, kMin, kMax));
}
