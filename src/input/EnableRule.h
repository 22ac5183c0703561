#pragma once

#include <string_view>

// What the enable timer reads at each tick.
struct InputLineState {
    bool inputEmpty = true;
    int viewLines = 0;         // lines of the dialog view
    std::string_view panel0;   // the completion panel of the status bar, Windows-1251
    bool completionOn = false; // the "Ziziv Azav" menu item is checked
};

// What the enable timer sets from it.
struct EnableStates {
    bool speak = false;            // "Сказать", "E/R" and the Enter button
    bool undo = false;             // "<" and Ctrl+Z
    bool startLookup = false;      // start the completion lookup
    bool acceptCompletion = false; // F5
};

// The rule that keeps the buttons and commands of the main window usable only when they have
// something to act on: nothing to say on an empty line, nothing to undo in an empty view, nothing
// to accept while the completion panel shows no entry.
class EnableRule {
public:
    static EnableStates decide(const InputLineState& state);

    // The two panel texts that are not a completion entry (Windows-1251).
    static std::string_view noMatchText();
    static std::string_view loadedText();
};
