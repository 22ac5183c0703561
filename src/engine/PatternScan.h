#pragma once

#include <bitset>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Searches the phrase, from a given position on, for the pattern as one unbroken run. Each phrase
// character is upper-cased before it is compared; the pattern is compared as stored, so a pattern
// holding a small letter never matches. A character that breaks a partial match is not tried again
// as the start of a new one ("КОТ" is not found in "ККОТ"): the knowledge bases are written
// against exactly this behaviour.
//
// A lookup runs one phrase against every line of the base, so the phrase is prepared once: it is
// upper-cased, and the sets of the characters and of the pairs of neighbouring characters it holds
// let most patterns be refused without a scan.
class PatternScan {
public:
    explicit PatternScan(std::string_view phrase);

    // Positions are 0-based. Returns the position just past the pattern's last character.
    std::optional<std::size_t> find(std::string_view pattern, std::size_t from = 0) const;

    // The phrase upper-cased, as the scan compares it.
    const std::string& upper() const { return upper_; }

    // Whether the two characters stand side by side somewhere in the phrase: a pattern that begins
    // with them can match only then.
    bool holdsPair(char first, char second) const {
        return pairs_.test(static_cast<unsigned char>(first) * 256u +
                           static_cast<unsigned char>(second));
    }

private:
    std::string upper_;
    std::bitset<256> present_;
    std::bitset<256 * 256> pairs_;
};

inline std::optional<std::size_t> patternScan(std::string_view pattern, std::string_view phrase,
                                              std::size_t from = 0) {
    return PatternScan(phrase).find(pattern, from);
}
