#pragma once

#include "engine/Cp1251.h"

#include <string>

// Test sources are UTF-8; the program's text is Windows-1251.
inline std::string cp(const std::string& utf8) {
    return cp1251::fromUtf8(utf8);
}
inline std::string utf(const std::string& text) {
    return cp1251::toUtf8(text);
}
