#include "MainLookup.h"

#include "KbFiles.h"
#include "KbLine.h"
#include "PatternScan.h"

std::optional<MainLookup::Answer> MainLookup::find(std::string_view phrase) {
    bool wordByWord = false;
    std::optional<int> LineIndex = wholePatternPass(phrase);
    if (!LineIndex) {
        LineIndex = wordByWordPass(phrase);
        wordByWord = true;
    }
    if (!LineIndex) {
        return std::nullopt;
    }
    const std::string& line = RE2_.lines().line(*LineIndex);
    return Answer{kbline::chooseReply(line, kbline::separator(line), random_), *LineIndex,
                  wordByWord, kbline::isFarewell(line)};
}

std::optional<int> MainLookup::wholePatternPass(std::string_view phrase) {
    RE2_.load(kbfiles::Words);
    const LineList& words = RE2_.lines();
    for (int LineIndex = 1; LineIndex < words.count(); ++LineIndex) {
        const std::string& line = words.line(LineIndex);
        if (kbline::answers(line) && patternScan(kbline::pattern(line), phrase)) {
            return LineIndex;
        }
    }
    return std::nullopt;
}

std::optional<int> MainLookup::wordByWordPass(std::string_view phrase) {
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

bool MainLookup::wordsFound(std::string_view pattern, std::string_view phrase) {
    std::size_t CharPos = 0;
    std::size_t start = 0;
    while (start <= pattern.size()) {
        const std::size_t space = pattern.find(' ', start);
        const std::string_view word =
            pattern.substr(start, space == std::string_view::npos ? std::string_view::npos
                                                                  : space - start);
        if (!word.empty()) {
            const auto end = patternScan(word, phrase, CharPos);
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
