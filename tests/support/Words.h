#pragma once

#include "engine/LineList.h"
#include "support/Cp.h"

#include <initializer_list>

// A main file of the base in memory: the header line, then the lines given (UTF-8 in the test).
inline LineList wordsWithHeader(std::initializer_list<const char*> lines) {
    LineList words;
    words.append(cp("Заголовок"));
    for (const char* line : lines) {
        words.append(cp(line));
    }
    return words;
}
