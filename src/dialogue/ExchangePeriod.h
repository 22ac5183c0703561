#pragma once

#include <string_view>

// The period of the exchange timer, in milliseconds, as the editor dialog holds it: a whole
// number from 1 to 36000.
class ExchangePeriod {
public:
    static constexpr int kMin = 1;
    static constexpr int kMax = 36000;
    static constexpr int kAtLaunch = 1;
    static constexpr int kRestored = 1000;

    // The value of the period field: its text read as a whole number and held to the range; a
    // text that is no whole number (an empty field) counts as the smallest period.
    static int valueOf(std::string_view text);
    // "Хорошо": the number entered is seconds; the period becomes milliseconds, held to the range
    // (1 to 35 seconds give 1000 to 35000, 36 or more give 36000).
    static int confirmedFromSeconds(int seconds);
};
