#pragma once

#include "dialogue/ColourNumber.h"
#include "dialogue/FontStyle.h"

#include <optional>
#include <string>

// A font as far as it is set: face name (Windows-1251, as written), size in points, style.
struct FontSetting {
    std::optional<std::string> name;
    std::optional<int> size;
    std::optional<FontStyle> style;

    // What `later` sets replaces what this holds.
    void take(const FontSetting& later);

    bool operator==(const FontSetting&) const = default;
};

// The look of the main window and the stores of its line styles, as one value. Every field is
// optional: a value holds only what is to change, so "Config.ini" read up to a failing line
// carries just the settings before it, a settings command just what its choice changes. The
// window applies a value in one place, field by field, and leaves what is not set alone.
struct Appearance {
    // The window's parts.
    std::optional<ColourNumber> formColour;       // the main window's surface
    std::optional<ColourNumber> RE1Colour;        // the dialog view's background
    std::optional<ColourNumber> inputColour;      // the input line's background
    std::optional<ColourNumber> speakFontColour;  // "Сказать"
    std::optional<ColourNumber> cancelFontColour; // "<"
    std::optional<ColourNumber> enRusFontColour;  // "E/R"
    std::optional<ColourNumber> inputFontColour;  // the input line's text
    FontSetting inputFont;                        // name and style; its size never changes
    // The stores: the colour and font each chooser keeps and offers next.
    std::optional<ColourNumber> colorDialog1; // general colour
    std::optional<ColourNumber> colorDialog2; // user lines
    std::optional<ColourNumber> colorDialog3; // program lines
    FontSetting fontDialog1;                  // user lines
    FontSetting fontDialog2;                  // program lines
    FontSetting fontDialog3;                  // offered for the input line
    // The dialog view's current character attributes: the selected text, if any, and what the
    // view would write next.
    std::optional<ColourNumber> selectionColour;
    FontSetting selectionFont;

    // Every field that `later` sets replaces the one here; the others stay.
    void take(const Appearance& later);

    bool operator==(const Appearance&) const = default;
};
