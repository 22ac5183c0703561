#include "engine/PhrasePreparation.h"

#include "engine/Cp1251.h"

std::string preparePhrase(std::string phrase) {
    if (phrase.empty()) {
        return phrase;
    }
    phrase.front() = cp1251::russianCapital(phrase.front());
    switch (phrase.back()) {
    case ',':
        phrase.back() = '.';
        break;
    case '.':
    case '!':
    case '?':
        break;
    default:
        phrase += '.';
    }
    return phrase;
}
