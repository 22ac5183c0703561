#include "engine/PatternIndex.h"

#include "engine/KbLine.h"

#include <algorithm>
#include <unordered_map>

namespace {

std::vector<int> inFileOrder(std::vector<int> lines) {
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

} // namespace

SubstringTable PatternIndex::buildWholePatterns(const LineList& lines) {
    std::vector<SubstringTable::Entry> entries;
    entries.reserve(static_cast<std::size_t>(lines.count()));
    for (int index = 1; index < lines.count(); ++index) {
        const std::string& line = lines.line(index);
        if (kbline::answers(line)) {
            entries.push_back({kbline::pattern(line), index});
        }
    }
    return SubstringTable(entries);
}

// Every word of a pattern must stand in the phrase for its line to match, so one word is enough to
// find the line by: the word the patterns of the base use least.
PatternIndex::Words PatternIndex::buildWords(const LineList& lines) {
    std::unordered_map<std::uint64_t, int> uses;
    uses.reserve(static_cast<std::size_t>(lines.count()) * 2);
    for (int index = 1; index < lines.count(); ++index) {
        const std::string& line = lines.line(index);
        if (kbline::answers(line)) {
            kbline::everyWord(kbline::pattern(line), [&](std::string_view word) {
                ++uses[SubstringTable::hash(word)];
                return true;
            });
        }
    }
    std::vector<SubstringTable::Entry> entries;
    std::vector<int> wordless;
    for (int index = 1; index < lines.count(); ++index) {
        const std::string& line = lines.line(index);
        if (!kbline::answers(line)) {
            continue;
        }
        std::string_view rarest;
        int fewest = 0;
        kbline::everyWord(kbline::pattern(line), [&](std::string_view word) {
            const int used = uses.find(SubstringTable::hash(word))->second;
            if (rarest.empty() || used < fewest) {
                rarest = word;
                fewest = used;
            }
            return true;
        });
        if (rarest.empty()) {
            wordless.push_back(index);
        } else {
            entries.push_back({rarest, index});
        }
    }
    return {SubstringTable(entries), std::move(wordless)};
}

std::optional<std::vector<int>>
PatternIndex::wholePatternCandidates(std::string_view upperPhrase) const {
    if (!wholePatterns_ && ++wholePatternAskings_ < 2) {
        return std::nullopt;
    }
    if (!wholePatterns_) {
        wholePatterns_.emplace(buildWholePatterns(lines_));
    }
    std::vector<int> lines;
    wholePatterns_->collect(upperPhrase, lines);
    return inFileOrder(std::move(lines));
}

std::optional<std::vector<int>>
PatternIndex::wordByWordCandidates(std::string_view upperPhrase) const {
    if (!words_ && ++wordAskings_ < 2) {
        return std::nullopt;
    }
    if (!words_) {
        words_.emplace(buildWords(lines_));
    }
    std::vector<int> lines = words_->wordless;
    words_->rarestWord.collect(upperPhrase, lines);
    return inFileOrder(std::move(lines));
}
