#pragma once

#include "engine/LineList.h"

#include <string_view>

// The two fixed word lists that guard the conversation. `Cenzura` catches abuse: such a phrase is
// not looked up but answered from "Base\X.Dat" and collected. `Filter_nr` catches phrases about
// the body, family, age, name, feelings or being a program, which are answered but never learned.
// Each list is kept as lines whose first line is empty, as the program has always held them; the
// scans start with the second line. Entries are Windows-1251 capitals; spaces and punctuation in
// an entry tie it to the edge of a word.
class GuardLists {
public:
    GuardLists();

    const LineList& Cenzura() const { return cenzura_; }
    const LineList& Filter_nr() const { return filterNr_; }

    // The first entry found in the phrase, or -1: its index in its list.
    int firstGuardHit(std::string_view phrase) const { return scan(cenzura_, phrase); }
    int secondGuardHit(std::string_view phrase) const { return scan(filterNr_, phrase); }

private:
    static int scan(const LineList& list, std::string_view phrase);

    LineList cenzura_;
    LineList filterNr_;
};
