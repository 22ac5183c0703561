#include "engine/Learning.h"

#include "engine/Cp1251.h"
#include "engine/KbLine.h"
#include "engine/ProgramFiles.h"

const char* Learning::fallbackList(const std::string& phrase) {
    return !phrase.empty() && phrase.back() == '?' ? programfiles::W1 : programfiles::W2;
}

std::string Learning::fallbackReply(const std::string& phrase, int& line) {
    std::string reply;
    line = RE2_.loadAndPick(fallbackList(phrase), random_, reply);
    return reply;
}

void Learning::learn(const std::string& UserPhrase, const std::string& echoedPhrase,
                     const std::string& PrevReply) {
    if (!inFallbackList(UserPhrase)) {
        if (PrevReply.empty()) {
            return;
        }
        addToFallbackList(UserPhrase, PrevReply);
    }
    if (knownPattern(cp1251::upper(UserPhrase))) {
        return;
    }
    if (RE2_.lines().empty()) {
        // Line 0 is the header, which the lookup never reads: a pattern there would be lost.
        RE2_.lines().append(programfiles::wordsHeader());
    }
    RE2_.lines().append(patternLine(echoedPhrase));
    RE2_.save(programfiles::Words);
    if (PrevReply.empty()) {
        return;
    }
    attachAnswer(UserPhrase, PrevReply);
}

bool Learning::inFallbackList(const std::string& UserPhrase) const {
    const LineList& list = RE2_.lines();
    for (int LineIndex = 1; LineIndex < list.count(); ++LineIndex) {
        if (list.line(LineIndex) == UserPhrase) {
            return true;
        }
    }
    return false;
}

// The list is chosen by the previous reply: what follows a question is an answer.
void Learning::addToFallbackList(const std::string& UserPhrase, const std::string& PrevReply) {
    const char* list =
        PrevReply.find('?') != std::string::npos ? programfiles::W1 : programfiles::W2;
    RE2_.load(list);
    RE2_.lines().append(UserPhrase);
    RE2_.save(list);
}

bool Learning::knownPattern(const std::string& upperPhrase) {
    RE2_.load(programfiles::Words);
    return findPattern(RE2_.lines(), upperPhrase) >= 0;
}

void Learning::attachAnswer(const std::string& UserPhrase, const std::string& PrevReply) {
    RE2_.load(programfiles::Words);
    const int LineIndex = findPattern(RE2_.lines(), cp1251::upper(PrevReply));
    if (LineIndex < 0) {
        return;
    }
    attachAnswerAt(RE2_.lines(), LineIndex, UserPhrase);
    RE2_.save(programfiles::Words);
}

std::string Learning::patternLine(const std::string& echoedPhrase) {
    return cp1251::upper(echoedPhrase) + "^";
}

void Learning::attachAnswerAt(LineList& words, int LineIndex, const std::string& answer) {
    const std::string line = words.line(LineIndex);
    words.remove(LineIndex);
    words.append(line + answer + ";");
}

int Learning::findPattern(const LineList& words, const std::string& upperText) {
    for (int LineIndex = 1; LineIndex < words.count(); ++LineIndex) {
        const std::string& line = words.line(LineIndex);
        if (kbline::separator(line) != kbline::npos && kbline::pattern(line) == upperText) {
            return LineIndex;
        }
    }
    return -1;
}
