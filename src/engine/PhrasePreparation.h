#pragma once

#include <string>

// Gives a phrase a capital first letter (Russian letters only) and closing punctuation: a final
// "," becomes ".", a final ".", "!" or "?" stays, anything else gets "." after it. The phrase has
// at least one character.
std::string preparePhrase(std::string phrase);
