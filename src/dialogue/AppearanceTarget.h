#pragma once

#include "ColourNumber.h"

#include <string>

// Bold and italic, the two flags a style word of "Config.ini" sets.
//   "[]" -> {false, false}, "[fsItalic]" -> {false, true}, "[fsBold]" -> {true, false},
//   "[fsBold,fsItalic]" -> {true, true}.
// Applying one replaces both flags of the font.
struct FontStyle {
    bool bold = false;
    bool italic = false;

    bool operator==(const FontStyle&) const = default;
};

// What FormCreate sets from "Config.ini", one method per setting, named after the control it
// changes. The main window implements it on its widgets and chooser stores; a test records the
// calls. ConfigApplier calls the methods in the order of their line numbers (shown below) and
// only with values that were read and parsed without error:
// - colours come decoded (direct or system colour);
// - a font name is never empty (an empty value is not passed on: the name stays);
// - a style is passed only when the value is one of the four style words;
// - a size is the whole number as written: it may be 0 or negative, the window decides what
//   such a size does (keeping the old size is a fair choice).
class AppearanceTarget {
public:
    virtual ~AppearanceTarget() = default;

    virtual void setFormColour(const ColourNumber& colour) = 0;      // 6: main window colour
    virtual void setRE1Colour(const ColourNumber& colour) = 0;       // 7: dialog view background
    virtual void setInputColour(const ColourNumber& colour) = 0;     // 8: Input background
    virtual void setSpeakFontColour(const ColourNumber& colour) = 0; // 11: "Сказать" caption
    virtual void setCancelFontColour(const ColourNumber& colour) = 0;   // 12: "<" caption
    virtual void setEnRusFontColour(const ColourNumber& colour) = 0;    // 13: "E/R" caption
    virtual void setColorDialog2Colour(const ColourNumber& colour) = 0; // 14: user-line colour
    virtual void setColorDialog3Colour(const ColourNumber& colour) = 0; // 15: CPU-line colour
    virtual void setInputFontColour(const ColourNumber& colour) = 0;    // 16: Input text colour
    virtual void setFontDialog1Name(const std::string& faceName) = 0;   // 18: user-line font
    virtual void setFontDialog1Style(FontStyle style) = 0;              // 19
    virtual void setFontDialog1Size(int points) = 0;                    // 20
    virtual void setFontDialog2Name(const std::string& faceName) = 0;   // 22: CPU-line font
    virtual void setFontDialog2Style(FontStyle style) = 0;              // 23
    virtual void setFontDialog2Size(int points) = 0;                    // 24
    virtual void setFontDialog3Name(const std::string& faceName) = 0;   // 26: my-string font
    virtual void setFontDialog3Style(FontStyle style) = 0;              // 27 (no size line)
};
