#pragma once

#include "LineList.h"

#include <string>

class WorkList;

// How much the knowledge base knows, counted from its files when it is shown (status panel 1 at
// the first load, the three items of "Подробнее о базе:" one second after launch). Text is
// Windows-1251.
class KbStatistics {
public:
    // --- First load (T3Timer, steps 3 to 5) ---
    //   RE2.load(kbfiles::Words);                               // may throw: the tick ends
    //   SB1 panel 1 := KbStatistics::statusText(KbStatistics::countPhrases(RE2.lines()));
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

    // One tick of T8 (the window keeps one KbStatistics for the run):
    //   void TForm1::T8Timer() { statistics.T8Tick(RE2, captions); T8->stop(); }
    // Steps, through the work list RE2:
    //  1. load "Base\Words.Dat": incoming = incomingExpressions();  2. N18 gets " [incoming]";
    //  3. load "Base\BigString.Dat", "Base\Pause.Dat", "Base\Povtor.Dat", "Base\W1.Dat",
    //     "Base\W2.Dat", "Base\X.Dat" in that order, adding up their line counts;
    //  4. load "Base\Words.Dat" again and add alternativesInPatterns(): that is outgoing;
    //  5. N19 gets " [outgoing]";  6. N20 gets " [incoming + outgoing]".
    // A file that cannot be opened throws FileError at its load: the tick ends there, the captions
    // filled before keep their counts, the others stay bare, and T8 stays armed. A later tick
    // counts everything afresh but appends only to the captions still bare, so no caption ever
    // gets a count twice. Once all three are filled a tick does nothing (returns at once).
    void T8Tick(WorkList& RE2, CaptionSink& captions);
    bool captionFilled(MenuItem item) const { return filled_[static_cast<int>(item)]; }
    bool finished() const { return filled_[0] && filled_[1] && filled_[2]; }

private:
    void fill(MenuItem item, int count, CaptionSink& captions);

    bool filled_[3] = {false, false, false};
};
