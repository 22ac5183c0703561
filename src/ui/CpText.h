#pragma once

#include "engine/Cp1251.h"

#include <QString>

#include <string>
#include <string_view>

// The program keeps its text in Windows-1251; the widgets show Unicode. These two are the only
// crossing, so a character the code page cannot hold becomes "?" in one place.
inline QString fromCp(std::string_view text) {
    return QString::fromStdString(cp1251::toUtf8(text));
}

inline std::string toCp(const QString& text) {
    return cp1251::fromUtf8(text.toStdString());
}
