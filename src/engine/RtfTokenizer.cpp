#include "engine/RtfTokenizer.h"

#include "engine/HexDigit.h"

#include <algorithm>

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Bytes that are never part of a run of plain text.
bool endsText(char c) {
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n' || c == '\0';
}

RtfTokenizer::Token tokenOf(RtfTokenizer::Kind kind) {
    RtfTokenizer::Token token;
    token.kind = kind;
    return token;
}

} // namespace

RtfTokenizer::Token RtfTokenizer::next() {
    while (!atEnd()) {
        const char c = rtf_[pos_];
        if (c == '{' || c == '}') {
            ++pos_;
            return tokenOf(c == '{' ? Kind::GroupStart : Kind::GroupEnd);
        }
        if (c == '\\') {
            return readControl();
        }
        if (c == '\r' || c == '\n' || c == '\0') {
            ++pos_;
            continue;
        }
        return readText();
    }
    return {};
}

RtfTokenizer::Token RtfTokenizer::readControl() {
    ++pos_; // the backslash
    if (atEnd()) {
        return {}; // a lone backslash at the very end says nothing
    }
    const char c = rtf_[pos_];
    if (isLetter(c)) {
        return readControlWord();
    }
    ++pos_;
    if (c == '\'') {
        return readHexByte();
    }
    Token symbol = tokenOf(Kind::ControlSymbol);
    symbol.symbol = c;
    return symbol;
}

RtfTokenizer::Token RtfTokenizer::readControlWord() {
    const std::size_t start = pos_;
    const std::size_t backslash = pos_ - 1;
    while (!atEnd() && isLetter(rtf_[pos_])) {
        ++pos_;
    }
    Token word = tokenOf(Kind::ControlWord);
    word.text = rtf_.substr(start, pos_ - start);
    readParameter(word);
    // One space ends the word and is not text; CR or LF end it too but are dropped as ever, so a
    // space after them is text.
    if (!atEnd() && rtf_[pos_] == ' ') {
        ++pos_;
    }
    if (word.text == "bin" && word.parameter > 0) {
        if (static_cast<std::size_t>(word.parameter) > rtf_.size() - pos_ &&
            truncatedBinary_ == kNone) {
            truncatedBinary_ = backslash;
        }
        skipBytes(word.parameter);
    }
    return word;
}

void RtfTokenizer::readParameter(Token& word) {
    bool negative = false;
    if (pos_ + 1 < rtf_.size() && rtf_[pos_] == '-' && isDigit(rtf_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    if (atEnd() || !isDigit(rtf_[pos_])) {
        return;
    }
    long long value = 0;
    for (; !atEnd() && isDigit(rtf_[pos_]); ++pos_) {
        if (value < kParameterLimit) {
            value = value * 10 + (rtf_[pos_] - '0');
        }
    }
    value = std::min<long long>(value, kParameterLimit);
    word.hasParameter = true;
    word.parameter = static_cast<int>(negative ? -value : value);
}

// A \' without two hex digits after it is not a byte; it comes out as the control symbol ' which
// the reader ignores, and whatever follows is read as usual.
RtfTokenizer::Token RtfTokenizer::readHexByte() {
    int value = 0;
    int digits = 0;
    for (; digits < 2 && !atEnd() && hexDigitValue(rtf_[pos_]) >= 0; ++digits, ++pos_) {
        value = value * 16 + hexDigitValue(rtf_[pos_]);
    }
    Token token = tokenOf(digits == 2 ? Kind::HexByte : Kind::ControlSymbol);
    token.symbol = digits == 2 ? static_cast<char>(value) : '\'';
    return token;
}

RtfTokenizer::Token RtfTokenizer::readText() {
    const std::size_t start = pos_;
    while (!atEnd() && !endsText(rtf_[pos_])) {
        ++pos_;
    }
    Token text = tokenOf(Kind::Text);
    text.text = rtf_.substr(start, pos_ - start);
    return text;
}

void RtfTokenizer::skipBytes(int count) {
    pos_ += std::min(static_cast<std::size_t>(count), rtf_.size() - pos_);
}
