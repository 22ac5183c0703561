#pragma once

#include "engine/LineList.h"

#include <optional>
#include <string>
#include <string_view>

class LineFiles;

// Word completion: the last word of the input line is looked up in a dictionary, the first entry
// after the current one that begins with it (letter case aside) is offered, and the arrow keys move
// the search through the dictionary. Text is Windows-1251 throughout.
//
// The window asks for one lookup at a time and shows what it returns in the completion panel.
class Completion {
public:
    enum class Key { Up, Down, Other };

    // "Base\dictionary.dat" is read afresh at every switch, on and off, so an edited file is seen
    // at the next one. A file that cannot be read throws FileError before anything has changed.
    void N24Click(const LineFiles& files);
    bool isOn() const { return on_; }

    // One lookup over the line as it stands; returns the panel text: the entry found, whole and as
    // stored, or "[NONE]".
    std::string T11Timer(std::string_view text);

    // A key went down somewhere in the program. Up and Down move the current entry; every key
    // returns the entry the panel shows until the lookup that follows. Nothing while completion is
    // off or the dictionary is empty: then the key changes nothing.
    std::optional<std::string> keyDown(Key key);

    // The line with the proposal appended in lower case.
    std::string accepted(std::string_view text) const;

    LineList SpeedWord;          // the dictionary, one entry a line, as loaded
    int SpeedIndex = -1;         // the current entry; -1: none, the next lookup starts at entry 0
    std::string SpeedSuggestion; // the rest of the current entry after the typed word, as stored

private:
    std::string noMatch(bool forgetSuggestion);

    bool on_ = false;
};
