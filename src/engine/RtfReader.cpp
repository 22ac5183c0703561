#include "engine/RtfReader.h"

#include "engine/Cp1251.h"
#include "engine/RtfDamage.h"

#include <algorithm>
#include <array>

namespace {

using Kind = RtfTokenizer::Kind;

// What a control word does to the reader. Words not in the table change nothing we keep.
enum class Action {
    SkipGroup,       // a destination whose text is not part of the document
    FontTable,       // \fonttbl: read for the code pages of the fonts
    EndParagraph,    // \par, and \line: a line break inside a paragraph is a new line for us
    SoftBreak,       // \page, \sect, \column: end the line only if more text follows
    EndRow,          // \row: a table row is one line
    EndCell,         // \cell: the cells of a row are kept apart by a tab
    Character,       // \tab, \emdash and the like
    Unicode,         // \uN
    UnicodeFallback, // \ucN
    Font,            // \fN
    Plain,           // \plain: back to the default font, hidden text shown again
    Hidden,          // \v, \v0
    DefaultFont,     // \deffN
    AnsiCodePage,    // \ansicpgN
    FontCharset,     // \fcharsetN inside the font table
    FontCodePage,    // \cpgN inside the font table
};

// Destinations whose text is never part of what a reader sees as the document: tables of fonts,
// colours and styles, document properties, pictures and objects, headers, footers, footnotes and
// comments, field instructions (the field's result is read), list numbering written out as text
// (the numbers and bullets would stick to the lines), bookmarks and index entries. Any {\*\...}
// group is skipped as well, whatever its name.
// clang-format off
constexpr std::string_view kSkippedDestinations[] = {
    // tables and document properties
    "colortbl", "stylesheet", "listtable", "listoverridetable", "revtbl", "rsidtbl", "filetbl",
    "pgdsctbl", "xmlnstbl", "themedata", "colorschememapping", "latentstyles", "datastore",
    "generator", "info", "author", "operator", "title", "subject", "keywords", "comment",
    "doccomm", "company", "manager", "category", "creatim", "revtim", "printim", "buptim",
    "template", "userprops", "docvar", "wgrffmtfilter", "passwordhash", "protusertbl", "private",
    "mmathPr",
    // parts of font entries
    "falt", "panose", "fontemb", "fontfile",
    // pictures, objects, shapes and the page background
    "pict", "object", "objdata", "nonshppict", "shpinst", "background",
    // headers, footers, footnotes, their separators, comments
    "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf",
    "footnote", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn", "fchars", "lchars",
    "annotation", "atnid", "atnauthor", "atndate", "atnref", "atnparent",
    // field instructions, list numbers as text, bookmarks, index and contents entries
    "fldinst", "listtext", "pntext", "pn", "bkmkstart", "bkmkend", "xe", "tc", "txe", "rxe",
};
// clang-format on

constexpr int kCyrillic = 1251;
constexpr int kWesternEuropean = 1252;
constexpr int kMaxUnicodeFallback = 10;

bool isReadableCodePage(int codePage) {
    return codePage == kCyrillic || codePage == kWesternEuropean;
}

// The code page of a font's \fcharset, when it is one we read; 0 leaves the font to the
// document's code page.
int codePageOfCharset(int charset) {
    switch (charset) {
    case 0:
        return kWesternEuropean;
    case 204:
        return kCyrillic;
    default:
        return 0;
    }
}

// Windows-1252 from 0x80 to 0x9F; the five bytes it leaves unassigned keep their C1 code points,
// which Windows-1251 cannot hold either. From 0xA0 on, the code page is Latin-1.
constexpr std::array<char16_t, 32> kWesternControlsRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98
};

char32_t westernToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return kWesternControlsRange[byte - 0x80];
    }
    return byte;
}

// A byte of the given code page as the Windows-1251 byte of the same character, or '?'.
char toCyrillicByte(char byte, int codePage) {
    const auto value = static_cast<unsigned char>(byte);
    if (value < 0x80 || codePage == kCyrillic) {
        return byte;
    }
    return cp1251::fromUnicode(westernToUnicode(value));
}

bool isHighSurrogate(long codePoint) {
    return codePoint >= 0xD800 && codePoint <= 0xDBFF;
}

bool isLowSurrogate(long codePoint) {
    return codePoint >= 0xDC00 && codePoint <= 0xDFFF;
}

} // namespace

struct RtfReader::WordMeaning {
    Action action;
    char32_t character = 0;
};

const RtfReader::WordMeaning* RtfReader::meaningOf(std::string_view word) {
    static const auto meanings = [] {
        std::unordered_map<std::string_view, WordMeaning> meanings = {
            {"fonttbl", {Action::FontTable}},
            {"par", {Action::EndParagraph}},
            {"line", {Action::EndParagraph}},
            {"page", {Action::SoftBreak}},
            {"sect", {Action::SoftBreak}},
            {"column", {Action::SoftBreak}},
            {"row", {Action::EndRow}},
            {"nestrow", {Action::EndRow}},
            {"cell", {Action::EndCell}},
            {"nestcell", {Action::EndCell}},
            {"tab", {Action::Character, U'\t'}},
            {"emdash", {Action::Character, U'\u2014'}},
            {"endash", {Action::Character, U'\u2013'}},
            {"bullet", {Action::Character, U'\u2022'}},
            {"lquote", {Action::Character, U'\u2018'}},
            {"rquote", {Action::Character, U'\u2019'}},
            {"ldblquote", {Action::Character, U'\u201C'}},
            {"rdblquote", {Action::Character, U'\u201D'}},
            {"emspace", {Action::Character, U' '}},
            {"enspace", {Action::Character, U' '}},
            {"qmspace", {Action::Character, U' '}},
            {"u", {Action::Unicode}},
            {"uc", {Action::UnicodeFallback}},
            {"f", {Action::Font}},
            {"plain", {Action::Plain}},
            {"v", {Action::Hidden}},
            {"deff", {Action::DefaultFont}},
            {"ansicpg", {Action::AnsiCodePage}},
            {"fcharset", {Action::FontCharset}},
            {"cpg", {Action::FontCodePage}},
        };
        for (std::string_view name : kSkippedDestinations) {
            meanings.emplace(name, WordMeaning{Action::SkipGroup});
        }
        return meanings;
    }();
    const auto found = meanings.find(word);
    return found == meanings.end() ? nullptr : &found->second;
}

std::vector<std::string> RtfReader::read(std::string_view rtf) {
    RtfReader reader;
    reader.readAll(rtf);
    return reader.finish();
}

void RtfReader::readAll(std::string_view rtf) {
    RtfTokenizer tokenizer(rtf);
    for (;;) {
        const RtfTokenizer::Token token = tokenizer.next();
        if (tokenizer.truncatedBinary() != RtfTokenizer::kNone) {
            throw RtfDamage(tokenizer.truncatedBinary());
        }
        if (token.kind == Kind::End) {
            throw RtfDamage(rtf.size()); // the file ends inside the document
        }
        if (token.kind == Kind::GroupEnd && groups_.empty()) {
            throw RtfDamage(tokenizer.offset() - 1); // a brace closing nothing
        }
        take(token);
        if (documentClosed_) {
            break;
        }
    }
    // Word processors and rich-edit controls end the file with line breaks, spaces or a NUL after
    // the closing brace; anything else there means a brace closed the document too soon.
    const std::size_t closingBrace = tokenizer.offset() - 1;
    if (rtf.find_first_not_of(std::string_view(" \t\r\n\0", 5), closingBrace + 1) !=
        std::string_view::npos) {
        throw RtfDamage(closingBrace);
    }
}

void RtfReader::take(RtfTokenizer::Token token) {
    if (token.kind == Kind::GroupStart || token.kind == Kind::GroupEnd) {
        fallbackLeft_ = 0; // a \uN's stand-in characters never run past a brace
        if (token.kind == Kind::GroupStart) {
            openGroup();
        } else {
            closeGroup();
        }
        return;
    }
    if (groups_.empty() || groupsTooDeep_ > 0 || group().destination == Destination::Skipped) {
        return;
    }
    if (skipFallback(token)) {
        return;
    }
    switch (token.kind) {
    case Kind::ControlWord:
        takeControlWord(token);
        break;
    case Kind::ControlSymbol:
        takeControlSymbol(token.symbol);
        break;
    case Kind::HexByte:
        if (showsText()) {
            appendByte(toCyrillicByte(token.symbol, codePageOfFont(group().font)));
        }
        break;
    case Kind::Text:
        if (showsText()) {
            appendText(token.text);
        }
        break;
    default:
        break;
    }
}

void RtfReader::openGroup() {
    if (groupsTooDeep_ > 0 || groups_.size() >= kMaxDepth) {
        ++groupsTooDeep_;
        return;
    }
    groups_.push_back(groups_.empty() ? GroupState{} : groups_.back());
}

void RtfReader::closeGroup() {
    if (groupsTooDeep_ > 0) {
        --groupsTooDeep_;
        return;
    }
    groups_.pop_back(); // never empty here: a brace closing nothing is damage

    documentClosed_ = groups_.empty();
}

// Skips what stands in for the last \uN for readers that do not know Unicode: a character of
// text, a \'hh or any other control counts as one. True when the whole token was skipped.
bool RtfReader::skipFallback(RtfTokenizer::Token& token) {
    if (fallbackLeft_ == 0) {
        return false;
    }
    if (token.kind != Kind::Text) {
        --fallbackLeft_;
        return true;
    }
    const auto skipped = std::min(token.text.size(), static_cast<std::size_t>(fallbackLeft_));
    token.text.remove_prefix(skipped);
    fallbackLeft_ -= static_cast<int>(skipped);
    return token.text.empty();
}

void RtfReader::takeControlWord(const RtfTokenizer::Token& word) {
    const WordMeaning* meaning = meaningOf(word.text);
    if (meaning == nullptr) {
        return;
    }
    if (meaning->action == Action::SkipGroup) {
        setDestination(Destination::Skipped);
    } else if (group().destination == Destination::FontTable) {
        takeFontTableWord(*meaning, word);
    } else if (meaning->action == Action::FontTable) {
        setDestination(Destination::FontTable);
    } else {
        takeTextWord(*meaning, word);
    }
}

void RtfReader::takeFontTableWord(const WordMeaning& meaning, const RtfTokenizer::Token& word) {
    switch (meaning.action) {
    case Action::Font:
        fontBeingDefined_ = word.parameter;
        break;
    case Action::FontCharset:
        defineFontCodePage(codePageOfCharset(word.parameter));
        break;
    case Action::FontCodePage:
        defineFontCodePage(word.parameter);
        break;
    default:
        break;
    }
}

void RtfReader::takeTextWord(const WordMeaning& meaning, const RtfTokenizer::Token& word) {
    switch (meaning.action) {
    case Action::EndParagraph:
        endLine();
        break;
    case Action::SoftBreak:
        breakPending_ = !line_.empty();
        break;
    case Action::EndRow:
        endRow();
        break;
    case Action::EndCell:
        appendByte('\t');
        break;
    case Action::Character:
        if (showsText()) {
            appendByte(cp1251::fromUnicode(meaning.character));
        }
        break;
    case Action::Unicode:
        takeUnicode(word);
        break;
    case Action::UnicodeFallback:
        group().unicodeFallback = std::clamp(word.parameter, 0, kMaxUnicodeFallback);
        break;
    case Action::Font:
        group().font = word.parameter;
        break;
    case Action::Plain:
        group().font = -1;
        group().hidden = false;
        break;
    case Action::Hidden:
        group().hidden = !word.hasParameter || word.parameter != 0;
        break;
    case Action::DefaultFont:
        defaultFont_ = word.parameter;
        break;
    case Action::AnsiCodePage:
        documentCodePage_ = word.parameter;
        break;
    default:
        break;
    }
}

void RtfReader::takeControlSymbol(char symbol) {
    switch (symbol) {
    case '*': // {\*\name ...}: a destination that a reader not knowing it must skip
        setDestination(Destination::Skipped);
        break;
    case '\r': // a backslash before a raw line break is a \par
    case '\n':
        if (group().destination == Destination::Text) {
            endLine();
        }
        break;
    case '\\':
    case '{':
    case '}':
        if (showsText()) {
            appendByte(symbol);
        }
        break;
    case '~':
        if (showsText()) {
            appendByte('\xA0');
        }
        break;
    case '_':
        if (showsText()) {
            appendByte('-');
        }
        break;
    default: // \- (optional hyphen), \| and \: (formula and index marks) show nothing
        break;
    }
}

// \uN: N is a signed 16-bit number. A character beyond 16 bits comes as two surrogates; it
// becomes one '?', since Windows-1251 holds none of them.
void RtfReader::takeUnicode(const RtfTokenizer::Token& word) {
    if (!word.hasParameter) {
        return;
    }
    const long codePoint = word.parameter < 0 ? word.parameter + 65536L : word.parameter;
    if (showsText()) {
        if (isLowSurrogate(codePoint) && afterHighSurrogate_) {
            afterHighSurrogate_ = false;
        } else if (codePoint < 0) {
            appendByte('?');
        } else {
            appendByte(cp1251::fromUnicode(static_cast<char32_t>(codePoint)));
            afterHighSurrogate_ = isHighSurrogate(codePoint);
        }
    }
    fallbackLeft_ = group().unicodeFallback;
}

// The document group itself never becomes a destination: a stray destination word at its top
// level must not throw the whole document away.
void RtfReader::setDestination(Destination destination) {
    if (groups_.size() > 1) {
        group().destination = destination;
    }
}

void RtfReader::defineFontCodePage(int codePage) {
    fontCodePages_[fontBeingDefined_] = codePage;
}

// A \'hh is in the code page of its font's charset, else of the document's \ansicpg, else in
// Windows-1251: files without a code page that reach this program are Russian ones.
int RtfReader::codePageOfFont(int font) const {
    const auto found = fontCodePages_.find(font < 0 ? defaultFont_ : font);
    if (found != fontCodePages_.end() && isReadableCodePage(found->second)) {
        return found->second;
    }
    return isReadableCodePage(documentCodePage_) ? documentCodePage_ : kCyrillic;
}

bool RtfReader::showsText() const {
    return group().destination == Destination::Text && !group().hidden;
}

void RtfReader::appendByte(char byte) {
    if (breakPending_) {
        endLine();
    }
    line_ += byte;
    afterHighSurrogate_ = false;
}

void RtfReader::appendText(std::string_view text) {
    if (breakPending_) {
        endLine();
    }
    line_ += text;
    afterHighSurrogate_ = false;
}

// The tab after the last cell separates nothing.
void RtfReader::endRow() {
    if (!line_.empty() && line_.back() == '\t') {
        line_.pop_back();
    }
    endLine();
}

void RtfReader::endLine() {
    lines_.push_back(std::move(line_));
    line_.clear();
    breakPending_ = false;
}

// The text after the last paragraph end is a line only when there is some: the empty paragraph
// after the final \par is how every writer ends a document, not a line of it.
std::vector<std::string> RtfReader::finish() {
    if (!line_.empty()) {
        lines_.push_back(std::move(line_));
    }
    return std::move(lines_);
}
