#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// The patterns of the main lines read so far, to find which of them a later pattern holds: the
// earlier line then takes every phrase the later one would, and the later one never answers as a
// whole.
//
// The search costs about one table lookup per character of the later pattern, however many
// patterns came before and however long the line: patterns of one and two characters are looked
// up directly, longer ones through their first three characters, which name the few lengths worth
// comparing there, and a hash of every prefix of the later pattern, which compares a window of any
// length at once. A base holding one line of ten million characters is checked in well under a
// second.
class EarlierPatterns {
public:
    EarlierPatterns();

    // Patterns point into lines that outlive this object.
    void add(std::string_view pattern, int line);

    // The first line, in file order, whose pattern is shorter than `pattern` and is found in it by
    // the program's own scan; -1 when there is none.
    int firstShadowOf(std::string_view pattern) const;

private:
    static constexpr std::size_t kTriples = 1u << 16;

    static std::size_t tripleOf(const char* text);
    void candidatesIn(std::string_view pattern, std::vector<int>& lines) const;

    std::unordered_map<std::string_view, int> first_; // pattern -> first line holding it
    std::vector<std::string_view> patternOfLine_;     // by line: its pattern, if it is a first
    mutable std::vector<bool> seen_; // lines already among the candidates of one search
    std::array<int, 256> ofOne_;     // first line of each 1-character pattern
    std::vector<int> ofTwo_;         // ... of each 2-character one
    // The patterns of one length, by their hash; kBase to the length, for the window hash.
    struct OfLength {
        std::uint32_t length = 0;
        std::uint64_t power = 1;
        std::unordered_multimap<std::uint64_t, std::pair<std::string_view, int>> byHash;
    };
    static constexpr std::size_t kFilterBits = 1u << 22;
    static std::size_t filterBit(std::uint64_t hash) { return (hash ^ (hash >> 31)) % kFilterBits; }

    std::vector<std::vector<const OfLength*>> lengthsOf_; // first three characters -> lengths
    std::unordered_map<std::size_t, OfLength> longer_;    // length -> its patterns
    std::vector<bool> filter_; // set for the hash of every longer pattern: most windows stop here
};
