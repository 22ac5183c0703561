#pragma once

#include <string>
#include <string_view>

// The most the user may type into the input line. Only typing counts: text the program puts into
// the line is kept whole, and once the line is longer than the limit, typing adds nothing until
// it is short enough again. A paste that does not fit is cut to what fits, as a typed line has
// always behaved.
class TypingLimit {
public:
    static constexpr int kTyped = 255;

    struct Result {
        std::u16string text;
        int cursor = 0;
        bool cut = false; // false: the edit stands as it was made
    };

    // `before` is the line before one edit, `after` what the edit made of it and `cursor` the
    // cursor after it. The inserted part is what lies between the common start and the common end
    // of the two texts.
    static Result apply(std::u16string_view before, std::u16string_view after, int cursor,
                        int limit = kTyped);
};
