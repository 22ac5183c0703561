#pragma once

#include <cstdint>
#include <string>

// The look of a line in the dialog view: colour, font name, size and the bold and italic flags.
struct LineStyle {
    std::uint32_t rgb = 0x000000; // 0xRRGGBB
    std::string fontName = "MS Sans Serif";
    int fontSize = 8;
    bool bold = false;
    bool italic = false;

    bool operator==(const LineStyle&) const = default;
};
