#pragma once

#include "engine/RtfTokenizer.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Reads the lines of an RTF document: every paragraph is one line, in Windows-1251. It reads what
// rich-edit controls and word processors write and skips what it does not know. A document that
// is not whole (a brace that closes it early, a group still open at the end, binary data cut off)
// throws RtfDamage rather than give the lines before the damage; nothing crashes or hangs. The
// one empty paragraph after the last \par is not a line, so what RtfWriter wrote reads back
// unchanged.
class RtfReader {
public:
    // Throws RtfDamage.
    static std::vector<std::string> read(std::string_view rtf);

private:
    // Where the text of a group goes: into the lines, into the font table (which is read for the
    // code pages of the fonts), or nowhere.
    enum class Destination { Text, FontTable, Skipped };

    // What a group sets holds until the group closes; then the outer group's state is back.
    struct GroupState {
        Destination destination = Destination::Text;
        int font = -1;           // \fN; -1 is the document's default font (\deffN)
        int unicodeFallback = 1; // \ucN: how many characters after \uN stand in for it
        bool hidden = false;     // \v: text the writer does not show
    };

    // What a control word means to the reader; the table of them lives with the reader's code.
    struct WordMeaning;

    // Deeper groups than this are skipped whole, so a flood of braces cannot eat the memory.
    static constexpr std::size_t kMaxDepth = 10'000;

    RtfReader() = default;

    void readAll(std::string_view rtf);
    void take(RtfTokenizer::Token token);
    void openGroup();
    void closeGroup();
    bool skipFallback(RtfTokenizer::Token& token);
    static const WordMeaning* meaningOf(std::string_view word);
    void takeControlWord(const RtfTokenizer::Token& word);
    void takeFontTableWord(const WordMeaning& meaning, const RtfTokenizer::Token& word);
    void takeTextWord(const WordMeaning& meaning, const RtfTokenizer::Token& word);
    void takeControlSymbol(char symbol);
    void takeUnicode(const RtfTokenizer::Token& word);
    void setDestination(Destination destination);
    void defineFontCodePage(int codePage);
    int codePageOfFont(int font) const;
    bool showsText() const;
    void appendByte(char byte);
    void appendText(std::string_view text);
    void endRow();
    void endLine();
    std::vector<std::string> finish();

    GroupState& group() { return groups_.back(); }
    const GroupState& group() const { return groups_.back(); }

    std::vector<GroupState> groups_;
    std::size_t groupsTooDeep_ = 0; // open groups past kMaxDepth, counted but not kept
    bool documentClosed_ = false;

    std::unordered_map<int, int> fontCodePages_; // font number -> code page, from the font table
    int fontBeingDefined_ = 0;
    int defaultFont_ = 0;
    int documentCodePage_ = 0; // \ansicpgN; 0 when the document names none

    int fallbackLeft_ = 0;      // characters still to skip after a \uN
    bool breakPending_ = false; // a \page or \sect ended the text of a line that has more to come
    bool afterHighSurrogate_ = false;

    std::string line_;
    std::vector<std::string> lines_;
};
