#pragma once

#include "dialogue/ColourNumber.h"

#include <QColor>
#include <QPalette>

// Colour numbers as the window draws them: a direct colour as it is, a system colour as the
// desktop's palette shows the part it names (window text, highlight, button face, ...).
class SystemColours {
public:
    static QColor colour(const ColourNumber& number);
    static QColor colour(const ColourNumber& number, const QPalette& desktop);
    static QPalette::ColorRole role(SystemColour colour);
};
