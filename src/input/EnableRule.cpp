#include "input/EnableRule.h"

#include "engine/Cp1251.h"
#include "engine/ProgramFiles.h"

#include <string>

std::string_view EnableRule::noMatchText() {
    return statustexts::NoMatch;
}

std::string_view EnableRule::loadedText() {
    static const std::string text = cp1251::fromUtf8(statustexts::Loaded);
    return text;
}

EnableStates EnableRule::decide(const InputLineState& state) {
    EnableStates states;
    states.speak = !state.inputEmpty;
    states.undo = state.viewLines > 0;
    states.startLookup = state.inputEmpty && state.completionOn;
    states.acceptCompletion =
        !state.panel0.empty() && state.panel0 != noMatchText() && state.panel0 != loadedText();
    return states;
}
