#include "dialogue/KbStatistics.h"

#include "engine/Cp1251.h"
#include "engine/ProgramFiles.h"
#include "engine/WorkList.h"

#include <algorithm>
#include <array>

namespace {

// The reply files the program can say, counted whole, in the order they are loaded.
constexpr std::array<const char*, 6> kReplyFiles = {
    programfiles::BigString, programfiles::Pause, programfiles::Povtor,
    programfiles::W1,        programfiles::W2,    programfiles::X,
};

} // namespace

KbStatistics::PhraseCounts KbStatistics::countPhrases(const LineList& words) {
    PhraseCounts counts;
    for (int i = 1; i < words.count(); ++i) {
        const std::string& line = words.line(i);
        if (!line.empty() && line.front() == '_') {
            ++counts.branches;
        } else {
            ++counts.mainPhrases;
        }
    }
    return counts;
}

std::string KbStatistics::statusText(const PhraseCounts& counts) {
    return cp1251::fromUtf8("Программе известно:   [главные фразы - ") +
           std::to_string(counts.mainPhrases) + cp1251::fromUtf8("   ветки - ") +
           std::to_string(counts.branches) + "]";
}

int KbStatistics::incomingExpressions(const LineList& words) {
    return std::max(words.count() - 1, 0);
}

int KbStatistics::alternativesInPatterns(const LineList& words) {
    int count = 0;
    for (int i = 1; i < words.count(); ++i) {
        const std::string& line = words.line(i);
        count += static_cast<int>(std::count(line.begin(), line.end(), ';'));
    }
    return count;
}

std::string KbStatistics::captionSuffix(int n) {
    return " [" + std::to_string(n) + "]";
}

void KbStatistics::fill(MenuItem item, int count, CaptionSink& captions) {
    bool& filled = filled_[static_cast<int>(item)];
    if (filled) {
        return;
    }
    captions.appendToCaption(item, captionSuffix(count));
    filled = true;
}

void KbStatistics::T8Tick(WorkList& RE2, CaptionSink& captions) {
    if (finished()) {
        return;
    }
    RE2.load(programfiles::Words);
    const int incoming = incomingExpressions(RE2.lines());
    fill(MenuItem::N18, incoming, captions);

    int outgoing = 0;
    for (const char* name : kReplyFiles) {
        RE2.load(name);
        outgoing += RE2.lines().count();
    }
    RE2.load(programfiles::Words);
    outgoing += alternativesInPatterns(RE2.lines());
    fill(MenuItem::N19, outgoing, captions);
    fill(MenuItem::N20, incoming + outgoing, captions);
}
