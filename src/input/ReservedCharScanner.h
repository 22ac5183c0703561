#pragma once

#include <string_view>

// Walks through the input line one character per tick and tells when it meets one of the characters
// the knowledge-base files use as markup, so the line can be wiped before such a phrase is learned.
// The position is the 1-based place of the character tested at the last tick (0: the next tick
// tests the first character); it survives changes of the text, so a character typed behind it is
// caught once the walk has wrapped round.
class ReservedCharScanner {
public:
    // Tested in this order.
    static constexpr std::string_view kReserved = "^_;@";

    // One tick over the text as it stands now (Windows-1251). True when the character tested is
    // reserved: the caller wipes the line; the position stays where the character was found.
    bool tick(std::string_view text);

    int position() const { return position_; }
    void setPosition(int position) { position_ = position; }

private:
    int position_ = 0;
};
