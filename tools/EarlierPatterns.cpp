#include "tools/EarlierPatterns.h"

#include "engine/PatternScan.h"

#include <algorithm>

namespace {

constexpr std::uint64_t kBase = 0x100000001B3ull;

std::uint64_t step(std::uint64_t hash, char c) {
    return hash * kBase + static_cast<unsigned char>(c) + 1;
}

std::uint64_t hashOf(std::string_view text) {
    std::uint64_t hash = 0;
    for (char c : text) {
        hash = step(hash, c);
    }
    return hash;
}

unsigned byteOf(char c) {
    return static_cast<unsigned char>(c);
}

} // namespace

EarlierPatterns::EarlierPatterns()
    : ofTwo_(256 * 256, -1), lengthsOf_(kTriples), filter_(kFilterBits, false) {
    ofOne_.fill(-1);
}

std::size_t EarlierPatterns::tripleOf(const char* text) {
    const std::uint32_t triple = byteOf(text[0]) << 16 | byteOf(text[1]) << 8 | byteOf(text[2]);
    return (triple * 2654435761u) >> 16;
}

void EarlierPatterns::add(std::string_view pattern, int line) {
    if (pattern.empty() || !first_.emplace(pattern, line).second) {
        return;
    }
    if (static_cast<std::size_t>(line) >= seen_.size()) {
        seen_.resize(static_cast<std::size_t>(line) + 1, false);
        patternOfLine_.resize(static_cast<std::size_t>(line) + 1);
    }
    patternOfLine_[static_cast<std::size_t>(line)] = pattern;
    if (pattern.size() == 1) {
        ofOne_[byteOf(pattern[0])] = line;
    } else if (pattern.size() == 2) {
        ofTwo_[byteOf(pattern[0]) * 256 + byteOf(pattern[1])] = line;
    } else {
        OfLength& ofLength = longer_[pattern.size()];
        if (ofLength.length == 0) {
            ofLength.length = static_cast<std::uint32_t>(pattern.size());
            for (std::size_t i = 0; i < pattern.size(); ++i) {
                ofLength.power *= kBase;
            }
        }
        const std::uint64_t hash = hashOf(pattern);
        ofLength.byHash.emplace(hash, std::pair(pattern, line));
        filter_[filterBit(hash)] = true;
        auto& lengths = lengthsOf_[tripleOf(pattern.data())];
        if (std::find(lengths.begin(), lengths.end(), &ofLength) == lengths.end()) {
            lengths.push_back(&ofLength);
        }
    }
}

// Every earlier line whose pattern occurs in this one as it is written, each once.
void EarlierPatterns::candidatesIn(std::string_view pattern, std::vector<int>& lines) const {
    auto take = [&](int line) {
        if (line >= 0 && !seen_[static_cast<std::size_t>(line)]) {
            seen_[static_cast<std::size_t>(line)] = true;
            lines.push_back(line);
        }
    };
    std::vector<std::uint64_t> prefix(pattern.size() + 1, 0); // hash of every prefix
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        prefix[i + 1] = step(prefix[i], pattern[i]);
    }
    const std::size_t size = pattern.size();
    for (std::size_t at = 0; at < size; ++at) {
        if (size > 1) {
            take(ofOne_[byteOf(pattern[at])]);
        }
        if (size > 2 && at + 1 < size) {
            take(ofTwo_[byteOf(pattern[at]) * 256 + byteOf(pattern[at + 1])]);
        }
        if (at + 2 >= size) {
            continue;
        }
        for (const OfLength* ofLength : lengthsOf_[tripleOf(pattern.data() + at)]) {
            const std::size_t length = ofLength->length;
            if (length >= size || at + length > size) {
                continue;
            }
            const std::uint64_t window = prefix[at + length] - prefix[at] * ofLength->power;
            if (!filter_[filterBit(window)]) {
                continue;
            }
            const auto [from, to] = ofLength->byHash.equal_range(window);
            for (auto it = from; it != to; ++it) {
                if (it->second.first == pattern.substr(at, length)) {
                    take(it->second.second);
                }
            }
        }
    }
}

int EarlierPatterns::firstShadowOf(std::string_view pattern) const {
    std::vector<int> lines;
    candidatesIn(pattern, lines);
    for (int line : lines) {
        seen_[static_cast<std::size_t>(line)] = false;
    }
    if (lines.empty()) {
        return -1;
    }
    std::sort(lines.begin(), lines.end());
    // The scan does not try a character that broke a partial match again as a start ("КОТ" is
    // not found in "ККОТ"), so an occurrence is a shadow only if the scan finds it too.
    const PatternScan scan(pattern);
    for (int line : lines) {
        if (scan.find(patternOfLine_[static_cast<std::size_t>(line)])) {
            return line;
        }
    }
    return -1;
}
