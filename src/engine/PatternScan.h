#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// Searches the phrase, from a given position on, for the pattern as one unbroken run. Each phrase
// character is upper-cased before it is compared; the pattern is compared as stored, so a pattern
// holding a small letter never matches. A character that breaks a partial match is not tried again
// as the start of a new one ("КОТ" is not found in "ККОТ"): the knowledge bases are written
// against exactly this behaviour.
//
// Positions are 0-based. Returns the position just past the pattern's last character, or nothing.
std::optional<std::size_t> patternScan(std::string_view pattern, std::string_view phrase,
                                       std::size_t from = 0);
