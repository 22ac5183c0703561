#pragma once

#include "engine/PatternScan.h"
#include "engine/Random.h"
#include "engine/WorkList.h"

#include <optional>
#include <string>
#include <string_view>

// Looks the phrase up in "Base\Words.Dat": first each pattern as a whole, then, when no line
// matched so, each pattern word by word (every word found in order, without overlapping). The
// first matching line in file order answers with one of its alternatives.
class MainLookup {
public:
    struct Answer {
        std::string reply;
        int line = 0;
        bool wordByWord = false;
        bool farewell = false; // the line ends with "@"
    };

    MainLookup(WorkList& workList, Random& random) : RE2_(workList), random_(random) {}

    std::optional<Answer> find(std::string_view phrase);

    // Whether every word of the pattern stands in the phrase, each after the one before.
    static bool wordsFound(std::string_view pattern, const PatternScan& phrase);

private:
    std::optional<int> wholePatternPass(const PatternScan& phrase);
    std::optional<int> wordByWordPass(const PatternScan& phrase);

    WorkList& RE2_;
    Random& random_;
};
