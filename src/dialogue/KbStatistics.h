#pragma once

#include "engine/LineList.h"

#include <string>

class WorkList;

// How much the knowledge base knows, counted from its files when it is shown (status panel 1 at
// the first load, the three items of "Подробнее о базе:" one second after launch). Text is
// Windows-1251.
class KbStatistics {
public:
    // --- The size shown in the status bar once the base is first loaded ---
    struct PhraseCounts {
        int mainPhrases = 0;
        int branches = 0;
        bool operator==(const PhraseCounts&) const = default;
    };
    // Lines 1 to the last of "Base\Words.Dat": a line starting with "_" is a branch line, any other
    // line a main phrase. An empty line counts as a main phrase: it is a pattern line like any
    // other (it counts for the incoming expressions too), so main phrases + branches always equal
    // the incoming expressions and the count at exit.
    static PhraseCounts countPhrases(const LineList& words);
    // "Программе известно:   [главные фразы - N   ветки - M]".
    static std::string statusText(const PhraseCounts& counts);

    // --- The counts of the menu ---
    // Line count of "Base\Words.Dat" minus 1, never below 0.
    static int incomingExpressions(const LineList& words);
    // Number of ";" in lines 1 to the last of "Base\Words.Dat".
    static int alternativesInPatterns(const LineList& words);
    // " [" + n + "]", what a caption gets appended.
    static std::string captionSuffix(int n);

    // --- Menu statistics (T8Timer) ---
    enum class MenuItem {
        N18, // "&Входящие выражения:"  incoming expressions
        N19, // "&Исходящие выражения:" outgoing expressions
        N20, // "&Итого:"               total
    };
    // Where the captions go: the window appends the suffix to the item's caption.
    class CaptionSink {
    public:
        virtual ~CaptionSink() = default;
        virtual void appendToCaption(MenuItem item, const std::string& suffix) = 0;
    };

    // Fills the three captions (the window keeps one KbStatistics for the run). Incoming
    // expressions are the lines of "Base\Words.Dat"; outgoing ones the lines of the reply files
    // (BigString, Pause, Povtor, W1, W2, X) and the alternatives of the main file, each file
    // loaded through the work list in that order; the total is both. A file that cannot be opened
    // throws FileError at its load: the captions filled before keep their counts, the others stay
    // bare, and the timer stays armed. A later tick counts everything afresh but fills only the
    // captions still bare, so no caption ever gets a count twice; once all three are filled a
    // tick does nothing.
    void T8Tick(WorkList& RE2, CaptionSink& captions);
    bool captionFilled(MenuItem item) const { return filled_[static_cast<int>(item)]; }
    bool finished() const { return filled_[0] && filled_[1] && filled_[2]; }

private:
    void fill(MenuItem item, int count, CaptionSink& captions);

    bool filled_[3] = {false, false, false};
};
