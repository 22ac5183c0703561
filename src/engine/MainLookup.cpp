#include "MainLookup.h"

#include "KbFiles.h"
#include "KbLine.h"
#include "PatternScan.h"

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

std::optional<int> MainLookup::wholePatternPass(const PatternScan& phrase) {
    RE2_.load(kbfiles::Words);
    const LineList& words = RE2_.lines();
    for (int LineIndex = 1; LineIndex < words.count(); ++LineIndex) {
        const std::string& line = words.line(LineIndex);
        if (cannotBegin(line, phrase)) {
            continue;
        }
        const std::size_t separator = kbline::separator(line);
        if (separator != kbline::npos && separator + 1 < line.size() &&
            phrase.find(std::string_view(line).substr(0, separator))) {
            return LineIndex;
        }
    }
    return std::nullopt;
}

std::optional<int> MainLookup::wordByWordPass(const PatternScan& phrase) {
    RE2_.load(kbfiles::Words);
    const LineList& words = RE2_.lines();
    for (int LineIndex = 1; LineIndex < words.count(); ++LineIndex) {
        const std::string& line = words.line(LineIndex);
        if (kbline::answers(line) && wordsFound(kbline::pattern(line), phrase)) {
            return LineIndex;
        }
    }
    return std::nullopt;
}

bool MainLookup::wordsFound(std::string_view pattern, const PatternScan& phrase) {
    std::size_t CharPos = 0;
    std::size_t start = 0;
    while (start <= pattern.size()) {
        const std::size_t space = pattern.find(' ', start);
        const std::string_view word = pattern.substr(
            start, space == std::string_view::npos ? std::string_view::npos : space - start);
        if (!word.empty()) {
            const auto end = phrase.find(word, CharPos);
            if (!end) {
                return false;
            }
            CharPos = *end;
        }
        if (space == std::string_view::npos) {
            break;
        }
        start = space + 1;
    }
    return true;
}
