#pragma once

#include "engine/LineList.h"
#include "engine/SubstringTable.h"

#include <optional>
#include <string_view>
#include <vector>

// The patterns of the main knowledge base, indexed so that a lookup visits only the few lines that
// can answer a phrase instead of every line. It gives candidates, never answers: a line whose
// whole pattern (or, for the word-by-word lookup, every word of whose pattern) stands somewhere in
// the phrase. The lookup runs its own scan on them in file order, so it answers exactly as if it
// had scanned every line; the scan is stricter than plain occurrence ("КОТ" is not found in
// "ККОТ"), which only makes some candidates fail.
//
// The index is kept with the lines it was made from, and a changed file comes with a new one. Each
// half is built only when it is asked for the second time: while the program learns, the file
// changes every turn, and building for a single lookup would cost more than the scan it spares.
// Until then the answer is nothing, and the lookup scans every line.
class PatternIndex {
public:
    explicit PatternIndex(LineList lines) : lines_(std::move(lines)) {}

    // Both take the phrase upper-cased, and give line numbers from 1 on, in file order.
    std::optional<std::vector<int>> wholePatternCandidates(std::string_view upperPhrase) const;
    std::optional<std::vector<int>> wordByWordCandidates(std::string_view upperPhrase) const;

private:
    struct Words {
        SubstringTable rarestWord;
        std::vector<int> wordless; // patterns of spaces alone, which every phrase matches
    };

    static SubstringTable buildWholePatterns(const LineList& lines);
    static Words buildWords(const LineList& lines);

    LineList lines_;
    mutable int wholePatternAskings_ = 0;
    mutable int wordAskings_ = 0;
    mutable std::optional<SubstringTable> wholePatterns_;
    mutable std::optional<Words> words_;
};
