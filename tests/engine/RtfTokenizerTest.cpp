#include "engine/RtfTokenizer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Every token as short text, so a case states the whole sequence: "{", "}", "\par", "\f-12",
// "sym:~", "hex:cf", "text:abc".
std::string describe(const RtfTokenizer::Token& token) {
    using Kind = RtfTokenizer::Kind;
    switch (token.kind) {
    case Kind::GroupStart:
        return "{";
    case Kind::GroupEnd:
        return "}";
    case Kind::ControlWord: {
        std::string word = "\\";
        word += token.text;
        if (token.hasParameter) {
            word += std::to_string(token.parameter);
        }
        return word;
    }
    case Kind::ControlSymbol:
        return std::string("sym:") + token.symbol;
    case Kind::HexByte: {
        char hex[8];
        std::snprintf(hex, sizeof hex, "hex:%02x", static_cast<unsigned char>(token.symbol));
        return hex;
    }
    case Kind::Text: {
        std::string text = "text:";
        text += token.text;
        return text;
    }
    default:
        return "end";
    }
}

std::vector<std::string> tokensOf(std::string_view rtf) {
    RtfTokenizer tokenizer(rtf);
    std::vector<std::string> tokens;
    for (auto token = tokenizer.next(); token.kind != RtfTokenizer::Kind::End;
         token = tokenizer.next()) {
        tokens.push_back(describe(token));
    }
    return tokens;
}

struct TokenCase {
    const char* what;
    std::string rtf;
    std::vector<std::string> tokens;
};

TEST(RtfTokenizerTest, CutsRtfIntoTokens) {
    const TokenCase cases[] = {
        {"one space ends a word and is not text", "\\par x", {"\\par", "text:x"}},
        {"a second space is text", "\\par  x", {"\\par", "text: x"}},
        {"CR LF ends a word and a space after it is text", "\\par\r\n x", {"\\par", "text: x"}},
        {"raw CR and LF are not text", "a\r\nb\rc\nd", {"text:a", "text:b", "text:c", "text:d"}},
        {"signed parameter; a letter after it is text", "\\f-12a", {"\\f-12", "text:a"}},
        {"a minus without digits is text", "\\f-a", {"\\f", "text:-a"}},
        {"a digit after the delimiter is text", "\\fs18 1", {"\\fs18", "text:1"}},
        {"huge parameters are clamped",
         "\\fs99999999999999999999\\fs-99999999999999999999",
         {"\\fs1000000000", "\\fs-1000000000"}},
        {"braces", "{a}", {"{", "text:a", "}"}},
        {"escaped symbols",
         "\\\\\\{\\}\\~\\-\\_\\*",
         {"sym:\\", "sym:{", "sym:}", "sym:~", "sym:-", "sym:_", "sym:*"}},
        {"hex bytes in either case", "\\'cf\\'E0\\'0d", {"hex:cf", "hex:e0", "hex:0d"}},
        {"hex byte followed by a digit", "\\'e01", {"hex:e0", "text:1"}},
        {"truncated hex at the end", "\\'4", {"sym:'"}},
        {"hex with one digit", "\\'4g", {"sym:'", "text:g"}},
        {"backslash at the very end", "a\\", {"text:a"}},
        {"backslash before a raw line break", "\\\r\n", {"sym:\r"}},
        {"\\bin skips its bytes, braces and backslashes included",
         "\\bin4 {}\\xy",
         {"\\bin4", "text:y"}},
        {"\\bin past the end stops at the end", "\\bin99 ab", {"\\bin99"}},
        {"negative \\bin skips nothing", "\\bin-3 ab", {"\\bin-3", "text:ab"}},
        {"raw bytes from 0x80 are text", "\xcf\xf0", {"text:\xcf\xf0"}},
        {"NUL is not text", std::string("a\0b", 3), {"text:a", "text:b"}},
    };
    for (const TokenCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(tokensOf(c.rtf), c.tokens);
    }
}

TEST(RtfTokenizerTest, EndStaysEnd) {
    RtfTokenizer tokenizer("\\");
    EXPECT_EQ(tokenizer.next().kind, RtfTokenizer::Kind::End);
    EXPECT_EQ(tokenizer.next().kind, RtfTokenizer::Kind::End);
}

TEST(RtfTokenizerTest, VeryLongControlWordIsOneToken) {
    const std::string rtf = "\\" + std::string(100'000, 'q') + " a";
    const auto tokens = tokensOf(rtf);
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[1], "text:a");
}

} // namespace
