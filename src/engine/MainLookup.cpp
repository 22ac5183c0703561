#include "engine/MainLookup.h"

#include "engine/KbLine.h"
#include "engine/PatternScan.h"
#include "engine/ProgramFiles.h"

std::optional<MainLookup::Answer> MainLookup::find(std::string_view phrase) {
    const PatternScan scan(phrase);
    bool wordByWord = false;
    std::optional<int> LineIndex = wholePatternPass(scan);
    if (!LineIndex) {
        LineIndex = wordByWordPass(scan);
        wordByWord = true;
    }
    if (!LineIndex) {
        return std::nullopt;
    }
    const std::string& line = RE2_.lines().line(*LineIndex);
    return Answer{kbline::chooseReply(line, kbline::separator(line), random_), *LineIndex,
                  wordByWord, kbline::isFarewell(line)};
}

// A pattern of two characters or more begins with the line's first two: a line whose first two
// characters never stand together in the phrase is passed over before its separator is sought.
// That is most lines of a large base.
static bool cannotBegin(const std::string& line, const PatternScan& phrase) {
    return line.size() >= 2 && line[1] != '^' && !phrase.holdsPair(line[0], line[1]);
}

// The first line, in file order, that matches: of the candidates the index gives, or of every line
// when it gives none.
template <typename Matches>
static std::optional<int> firstMatching(const LineList& words,
                                        const std::optional<std::vector<int>>& candidates,
                                        Matches matches) {
    if (candidates) {
        for (const int LineIndex : *candidates) {
            if (matches(words.line(LineIndex))) {
                return LineIndex;
            }
        }
        return std::nullopt;
    }
    for (int LineIndex = 1; LineIndex < words.count(); ++LineIndex) {
        if (matches(words.line(LineIndex))) {
            return LineIndex;
        }
    }
    return std::nullopt;
}

std::optional<int> MainLookup::wholePatternPass(const PatternScan& phrase) {
    const auto index = RE2_.loadIndexed(programfiles::Words);
    const auto candidates = index ? index->wholePatternCandidates(phrase.upper()) : std::nullopt;
    return firstMatching(RE2_.lines(), candidates, [&phrase](const std::string& line) {
        if (cannotBegin(line, phrase)) {
            return false;
        }
        const std::size_t separator = kbline::separator(line);
        return separator != kbline::npos && separator + 1 < line.size() &&
               phrase.find(std::string_view(line).substr(0, separator)).has_value();
    });
}

std::optional<int> MainLookup::wordByWordPass(const PatternScan& phrase) {
    const auto index = RE2_.loadIndexed(programfiles::Words);
    const auto candidates = index ? index->wordByWordCandidates(phrase.upper()) : std::nullopt;
    return firstMatching(RE2_.lines(), candidates, [&phrase](const std::string& line) {
        return kbline::answers(line) && wordsFound(kbline::pattern(line), phrase);
    });
}

bool MainLookup::wordsFound(std::string_view pattern, const PatternScan& phrase) {
    std::size_t CharPos = 0;
    return kbline::everyWord(pattern, [&](std::string_view word) {
        const auto end = phrase.find(word, CharPos);
        if (end) {
            CharPos = *end;
        }
        return end.has_value();
    });
}
