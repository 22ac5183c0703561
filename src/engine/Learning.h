#pragma once

#include "engine/Random.h"
#include "engine/WorkList.h"

#include <string>

// The fallback reply for a phrase the base could not answer, and the learning from it: the phrase
// joins a fallback list as a future reply, becomes a new pattern in "Base\Words.Dat", and is
// attached as an answer to the line whose pattern is the program's previous reply. Every change is
// saved before the turn goes on.
class Learning {
public:
    Learning(WorkList& workList, Random& random) : RE2_(workList), random_(random) {}

    // "Base\W1.Dat" for a question (the phrase ends with "?"), "Base\W2.Dat" otherwise. The list
    // stays loaded in the work list for learn().
    static const char* fallbackList(const std::string& phrase);
    std::string fallbackReply(const std::string& phrase, int& line);

    // Right after fallbackReply(), with its list still in the work list.
    void learn(const std::string& UserPhrase, const std::string& echoedPhrase,
               const std::string& PrevReply);

    // The changes learning makes to the lines of "Base\Words.Dat", for whoever teaches the base
    // outside a turn (the tools) and must leave it as a turn would.
    // A new pattern line: the echoed phrase upper-cased, then "^", still without a reply.
    static std::string patternLine(const std::string& echoedPhrase);
    // The line moves to the end of the file with the answer as its last alternative.
    static void attachAnswerAt(LineList& words, int LineIndex, const std::string& answer);
    // The first line from line 1 whose pattern is upperText, or -1.
    static int findPattern(const LineList& words, const std::string& upperText);

private:
    bool inFallbackList(const std::string& UserPhrase) const;
    void addToFallbackList(const std::string& UserPhrase, const std::string& PrevReply);
    bool knownPattern(const std::string& upperPhrase);
    void attachAnswer(const std::string& UserPhrase, const std::string& PrevReply);

    WorkList& RE2_;
    Random& random_;
};
