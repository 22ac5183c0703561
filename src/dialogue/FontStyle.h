#pragma once

// Bold and italic, the two flags a style word of "Config.ini" and the font choosers set.
//   "[]" -> {false, false}, "[fsItalic]" -> {false, true}, "[fsBold]" -> {true, false},
//   "[fsBold,fsItalic]" -> {true, true}.
// Applying one replaces both flags of the font.
struct FontStyle {
    bool bold = false;
    bool italic = false;

    bool operator==(const FontStyle&) const = default;
};
