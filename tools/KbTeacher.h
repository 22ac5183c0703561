#pragma once

#include "engine/GuardLists.h"
#include "engine/LineFiles.h"
#include "engine/LineList.h"
#include "engine/PatternIndex.h"
#include "engine/PatternScan.h"
#include "tools/DialogueFile.h"
#include "tools/EarlierPatterns.h"

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <unordered_map>
#include <vector>

// Teaches "Base\Words.Dat" a dialogue, pair by pair (a phrase and the reply that followed it), as
// the program's own learning attaches a reply. Both sides are prepared as a typed phrase is. A
// phrase the base already answers is left alone, as a turn learns only what its lookup could not
// answer: a line placed after the one that answers would never be reached. A line still waiting
// for its first reply gets this one; a phrase the base has no line for becomes a new pattern line
// with the reply.
// A pair is skipped when either side is empty, holds markup of the base, or is caught by a guard
// list: the program never learns what it answers from the abuse list or keeps off the no-learn one.
class KbTeacher {
public:
    struct Summary {
        int pairs = 0;
        int taught = 0;   // new lines and waiting lines answered
        int answered = 0; // of those, waiting lines answered
        int known = 0;    // the base already answers the phrase
        int empty = 0;    // skipped: an empty side
        int markup = 0;   // skipped: "^", ";", "@" or a leading "_"
        int abuse = 0;    // skipped: the abuse list
        int noLearn = 0;  // skipped: the no-learn list
        int skipped() const { return empty + markup + abuse + noLearn; }
        bool operator==(const Summary&) const = default;
    };
    // Told now and then how many pairs of how many are done.
    using Progress = std::function<void(std::size_t done, std::size_t total)>;

    // The lines of "Base\Words.Dat" to teach; the header is added when they are empty.
    explicit KbTeacher(LineList words);

    Summary teach(const std::vector<DialogueFile::Pair>& pairs, const Progress& progress = {});

    const LineList& words() const { return words_; }

    // The command: reads the dialogue, teaches the folder's base and saves it once, under the
    // base's lock, then prints the summary on `out`. With `dryRun` nothing is saved. A progress
    // bar goes to `bar` when given and the dialogue is long.
    static int command(const LineFiles& files, const std::string& dialoguePath, bool dryRun,
                       std::ostream& out, std::ostream* bar);
    static constexpr int kProgressFromLines = 5000;

private:
    enum class Skip { None, Empty, Markup, Abuse, NoLearn };
    Skip skipReason(const std::string& prepared) const;
    bool answered(const std::string& upperPhrase, const std::string& phrase) const;
    static bool wordsFound(const std::vector<std::string>& words, const PatternScan& scan);
    void answersFromNowOn(std::string_view pattern);
    void teachPair(const std::string& phrase, const std::string& reply);

    LineList words_;
    GuardLists guards_;
    // Pattern of the first line that has it -> whether that line answers.
    std::unordered_map<std::string, bool> patterns_;
    // The patterns of the lines that answer, to find one inside a phrase as the lookup's first
    // pass does; kept here, since the lines move as they are taught.
    std::deque<std::string> answering_;
    EarlierPatterns wholePatterns_;
    // The words of the patterns the base started with, for the lookup's word-by-word pass, and
    // the lookup's own index of those lines, which names the few whose words all stand in a
    // phrase; by line, which words are that line's (-1 for a line that never answers word by word).
    std::vector<std::vector<std::string>> patternWords_;
    PatternIndex startingPatterns_;
    std::vector<int> wordsOfLine_;
};
