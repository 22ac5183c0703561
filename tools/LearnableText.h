#pragma once

#include <string>
#include <string_view>

// Whether a phrase can go into a line of "Base\Words.Dat" as a pattern or a reply unchanged. A "^"
// or ";" would split it into more alternatives than it is, an "@" could make the line a farewell,
// and a leading "_" would make a pattern a branch line.
namespace learnabletext {

// Why the text cannot go into a line, in one short sentence; empty when it can.
std::string markupIn(std::string_view text);

// The text without the spaces and tabs around it.
std::string_view trimmed(std::string_view text);

} // namespace learnabletext
