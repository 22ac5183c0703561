#pragma once

#include <string>
#include <string_view>

// Windows-1251 text: the code page of every knowledge-base file. Inside the engine a phrase is a
// byte string in this code page, one character a byte; Unicode appears only at the edges.
namespace cp1251 {

// Letter case as the program has it: Latin a-z, Cyrillic а-я and ё, and no other letter (і, ї, є,
// ґ, ў and the other Cyrillic letters of the code page stay as they are). Every byte not listed
// stays as it is. Matching, the guard lists, the repeat test, learning and the completion lookup
// all upper-case by this.
char toUpper(char c);
char toLower(char c);
std::string upper(std::string_view text);
std::string lower(std::string_view text);

// The capital of one of the 33 small letters of the Russian alphabet (а-я and ё); any other byte,
// Latin letters included, comes back unchanged. Used to capitalise the first letter of a phrase.
char russianCapital(char c);

// The Unicode code point of a byte (0x98, unassigned in the code page, maps to U+0098).
char32_t toUnicode(unsigned char byte);
// The byte for a code point, or '?' when the code page cannot hold it.
char fromUnicode(char32_t codePoint);

// Conversion at the edges. Invalid UTF-8 sequences become '?'.
std::string toUtf8(std::string_view text);
std::string fromUtf8(std::string_view utf8);

} // namespace cp1251
