#pragma once

#include <cstddef>
#include <string_view>

// Cuts RTF into the pieces the reader acts on: braces, control words, control symbols, \'hh bytes
// and runs of plain text. It never reads past the end and never fails: a truncated or odd sequence
// comes out as a piece the reader can ignore. Raw CR, LF and NUL are not text in RTF and are
// dropped here; the data of \binN is skipped here too, so no raw byte of it can look like a brace.
class RtfTokenizer {
public:
    enum class Kind { End, GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text };

    struct Token {
        Kind kind = Kind::End;
        std::string_view text; // the letters of a control word, or a run of plain text
        int parameter = 0;     // of a control word, clamped to +-kParameterLimit
        bool hasParameter = false;
        char symbol = 0; // the character of a control symbol, or the byte of \'hh
    };

    // Numbers in RTF are 16- or 32-bit; anything bigger is nonsense, clamped rather than
    // overflowed.
    static constexpr int kParameterLimit = 1'000'000'000;

    explicit RtfTokenizer(std::string_view rtf) : rtf_(rtf) {}

    // The next piece; Kind::End once the input is used up, and on every call after that.
    Token next();

    // How far the input has been read.
    std::size_t offset() const { return pos_; }
    // Where a \binN stands whose N bytes run past the end of the input, if one does: the input
    // was cut off inside binary data.
    std::size_t truncatedBinary() const { return truncatedBinary_; }
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

private:
    Token readControl();
    Token readControlWord();
    Token readHexByte();
    Token readText();
    void readParameter(Token& word);
    void skipBytes(int count);
    bool atEnd() const { return pos_ >= rtf_.size(); }

    std::string_view rtf_;
    std::size_t pos_ = 0;
    std::size_t truncatedBinary_ = kNone;
};
