#include "engine/RtfReader.h"

#include "engine/Cp1251.h"
#include "engine/RtfDamage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// Russian text in the test sources is UTF-8; the reader gives Windows-1251.
std::string ru(std::string_view utf8) {
    return cp1251::fromUtf8(utf8);
}

struct ReadCase {
    const char* what;
    std::string rtf;
    Lines lines;
};

void expectReads(const std::vector<ReadCase>& cases) {
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(RtfReader::read(c.rtf), c.lines);
    }
}

// What a rich-edit control saves: the text as \'hh, \par after every line, the last one included,
// CR LF after each \par, a NUL after the closing brace.
const std::string kRichEditDocument =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{\\f0\\fnil\\fcharset204 Tahoma;}}\r\n"
    "{\\*\\generator Some Edit 1.0;}\\viewkind4\\uc1 \r\n"
    "\\pard\\f0\\fs18\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2, \\'ec\\'e8\\'f0!\\par\r\n"
    "\\par\r\n"
    "  two spaces\\par\r\n"
    "}\r\n" +
    std::string(1, '\0');

// A word processor's document with everything around the text that such programs write.
const std::string kWordProcessorDocument =
    R"rtf({\rtf1\adeflang1025\ansi\ansicpg1251\uc1\adeff0\deff0\stshfdbch0\stshfloch0\stshfhich0\stshfbi0\deflang1049\deflangfe1049\themelang1049
{\fonttbl{\f0\fbidi \froman\fcharset204\fprq2{\*\panose 02020603050405020304}Times New Roman;}
{\f1\fbidi \fswiss\fcharset0\fprq2{\*\panose 020b0604020202020204}Arial;}
{\f39\fbidi \froman\fcharset238\fprq2 Times New Roman CE;}}
{\colortbl;\red0\green0\blue0;\red0\green0\blue255;}
{\*\defchp \fs24\lang1049\langfe1049}
{\stylesheet{\ql \li0\ri0\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 \rtlch\fcs1 \af0\afs24\alang1025 \ltrch\fcs0 \fs24\lang1049\langfe1049\cgrid\langnp1049\langfenp1049 \snext0 \sqformat \spriority0 Normal;}
{\*\cs10 \additive \ssemihidden Default Paragraph Font;}}
{\*\rsidtbl \rsid1\rsid2}
{\*\generator Some Writer 12.0;}
{\info{\title \'cd\'e5\'f2}{\author Someone}{\creatim\yr2024\mo1\dy2\hr3\min4}{\version1}}
{\*\xmlnstbl {\xmlns1 http://example.com/x}}
\paperw11906\paperh16838\margl1701\margr850\margt1134\margb1134\gutter0\ltrsect
\widowctrl\ftnbj\aenddoc
{\header \pard\plain \ql \'cd\'e5\'f2\par}
\pard\plain \ltrpar\ql \li0\ri0\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 \rtlch\fcs1 \af0\afs24\alang1025 \ltrch\fcs0 \fs24\lang1049\langfe1049\cgrid\langnp1049\langfenp1049 {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 \'cf\'f0\'e8\'e2\'e5\'f2, \'ec\'e8\'f0!}{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 \par }
{\rtlch\fcs1 \af0 \ltrch\fcs0 \b\insrsid1 Bold}{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1  and }{\i plain}\par
{\*\bkmkstart mark}{\*\bkmkend mark}\u1055\'cf\u1088\'f0\u1080\'e8 \u8212\'97 ok\par
first\line second\tab third\par
\\ \{braces\} a\~b\-c\_d\par
{\pard \ql \'c4\'e0\par}
{\pard Start {\field{\*\fldinst {HYPERLINK "http://example.com"}}{\fldrslt {link}}} end\par}
{\*\shppict{\pict{\*\picprop}\pngblip\picw10\pich10 89504e470d0a1a0a0000000d49484452}}{\nonshppict{\pict\wmetafile8 0100090000}}\par
{\f1 Caf\'e9 \'93quoted\'94}\par
{\v hidden}shown\par
\pard\plain {\listtext\pard\plain \f1 \'b7\tab}item\par
{\footnote \pard footnote text\par}after\par
}
)rtf";

TEST(RtfReaderTest, ReadsWhatWritersSave) {
    expectReads({
        {"rich-edit control", kRichEditDocument, {ru("Привет, мир!"), "", "  two spaces"}},
        {"word processor",
         kWordProcessorDocument,
         {ru("Привет, мир!"), "Bold and plain", ru("При ") + "\x97" + " ok", "first",
          "second\tthird",
          "\\ {braces} a\xA0"
          "bc-d",
          ru("Да"), "Start link end", "", "Caf? \x93quoted\x94", "shown", "item", "after"}},
    });
}

TEST(RtfReaderTest, ReadsHexBytesInTheCodePageOfTheirFont) {
    const std::string western =
        R"rtf({\rtf1\ansi\ansicpg1252\deff1{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\fnil\fcharset204 Arial Cyr;}{\f2\fnil\fcharset238 Arial CE;}}
\pard\f0 na\'efve \'e0 \'a9\'ab\'bb \'80\'85\'99\'a0\'b1\'83\par
\f1\'cf\'f0\'e8\par
\f2\'e9\par
\plain\'e9\par
})rtf";
    expectReads({
        {"Windows-1252 fonts, Cyrillic font, unknown charset, default font",
         western,
         {"na?ve ? \xA9\xAB\xBB \x88\x85\x99\xA0\xB1?", ru("При"), "?", ru("й")}},
        {"no \\ansicpg: Windows-1251",
         R"rtf({\rtf1\ansi\deff0{\fonttbl{\f0\fnil Arial;}}\pard\'cf\'f0\'e8\par})rtf",
         {ru("При")}},
        {"no font table at all", R"rtf({\rtf1 \'e4\'e0\par})rtf", {ru("да")}},
        {"a code page we do not read: Windows-1251",
         R"rtf({\rtf1\ansi\ansicpg1250 \'e4\'e0\par})rtf",
         {ru("да")}},
        {"font table without a group per font",
         R"rtf({\rtf1\ansicpg1252{\fonttbl\f0\fnil\fcharset204 A;\f1\fnil\fcharset0 B;}\f0\'e0\f1\'e0\par})rtf",
         {ru("а") + "?"}},
        {"\\cpg of a font wins over its charset",
         R"rtf({\rtf1{\fonttbl{\f0\fcharset0\cpg1251 X;}}\f0\'e0\par})rtf",
         {ru("а")}},
        {"the font returns when its group closes",
         R"rtf({\rtf1{\fonttbl{\f0\fcharset204 A;}{\f1\fcharset0 B;}}\f0\'e0{\f1\'e0}\'e0\par})rtf",
         {ru("а") + "?" + ru("а")}},
        {"raw bytes are Windows-1251 whatever the font",
         "{\\rtf1\\ansicpg1252{\\fonttbl{\\f0\\fcharset0 A;}}\\f0 \xcf\xf0\xe8\\par}",
         {ru("При")}},
    });
}

TEST(RtfReaderTest, ReadsUnicodeAndSkipsItsFallback) {
    expectReads({
        {"one fallback character", R"rtf({\rtf1 \u1055?\u1088?\u1080?\par})rtf", {ru("При")}},
        {"\\'hh counts as one", R"rtf({\rtf1\uc2 \u1055\'cf\'cfx\par})rtf", {ru("П") + "x"}},
        {"a control word counts as one", R"rtf({\rtf1 \u1055\b x\par})rtf", {ru("П") + "x"}},
        {"\\uc0 skips nothing", R"rtf({\rtf1\uc0 \u1055 x\par})rtf", {ru("П") + "x"}},
        {"\\uc holds only in its group",
         R"rtf({\rtf1 {\uc2 \u1055 ab}\u1088 xy\par})rtf",
         {ru("Пр") + "y"}},
        {"a brace ends the fallback", R"rtf({\rtf1\uc3 \u1055{a}b\par})rtf", {ru("П") + "ab"}},
        {"characters outside the Cyrillic letters",
         R"rtf({\rtf1 \u8364?\u1025?\u8470?\u233?\par})rtf",
         {"\x88\xA8\xB9?"}},
        {"a surrogate pair is one character", R"rtf({\rtf1 \u-10179?\u-8704?x\par})rtf", {"?x"}},
        {"a lone low surrogate", R"rtf({\rtf1 \u-8704?x\par})rtf", {"?x"}},
        {"negative numbers count from 65536", R"rtf({\rtf1 \u-4?x\par})rtf", {"?x"}},
        {"\\u without a number is nothing", R"rtf({\rtf1 \u x\par})rtf", {"x"}},
    });
}

TEST(RtfReaderTest, EndsLinesWhereParagraphsEnd) {
    expectReads({
        {"\\line is a new line", R"rtf({\rtf1 a\line b\par})rtf", {"a", "b"}},
        {"\\page inside a paragraph", R"rtf({\rtf1 a\page b\par})rtf", {"a", "b"}},
        {"\\page before \\par", R"rtf({\rtf1 a\page\par b\par})rtf", {"a", "b"}},
        {"\\page at the start of a paragraph", R"rtf({\rtf1 a\par{\page}b\par})rtf", {"a", "b"}},
        {"\\sect ends the last paragraph", R"rtf({\rtf1 a\sect})rtf", {"a"}},
        {"a table row is a line, cells apart by tabs",
         R"rtf({\rtf1\trowd\cellx1000\cellx2000\pard\intbl a\cell b\cell\row\pard c\par})rtf",
         {"a\tb", "c"}},
        {"a backslash before a raw line break is \\par", "{\\rtf1 a\\\r\nb}", {"a", "b"}},
        {"text after the last \\par is a line", R"rtf({\rtf1 a\par b})rtf", {"a", "b"}},
        {"the empty paragraph after the last \\par is not", R"rtf({\rtf1 a\par})rtf", {"a"}},
        {"empty paragraphs are lines", R"rtf({\rtf1 \par\par})rtf", {"", ""}},
        {"no text, no lines", R"rtf({\rtf1\ansi{\fonttbl{\f0 Arial;}}})rtf", {}},
        {"line breaks, spaces and NULs after the closing brace",
         std::string("{\\rtf1 a\\par}\r\n \t\0\0", 17),
         {"a"}},
    });
}

TEST(RtfReaderTest, KeepsSpacesThatAreText) {
    expectReads({
        {"a second space after a control word", R"rtf({\rtf1 \par  x\par})rtf", {"", " x"}},
        {"a space after CR LF", "{\\rtf1 \\pard\\par\r\n  x\\par\r\n}", {"", "  x"}},
        {"a space in a group of its own",
         R"rtf({\rtf1 \pard {\f0  }{\f0 lead}\par})rtf",
         {" lead"}},
        {"a space after a control symbol", R"rtf({\rtf1 \{ \par})rtf", {"{ "}},
        {"a space after \\'hh", R"rtf({\rtf1 \'e0 \par})rtf", {ru("а ")}},
        {"a digit after the delimiter", R"rtf({\rtf1\fs18 1\par})rtf", {"1"}},
    });
}

TEST(RtfReaderTest, SkipsDestinationsAndHiddenText) {
    const char* destinations[] = {
        "colortbl",     "stylesheet",
        "info",         "pict",
        "object",       "header",
        "headerl",      "headerr",
        "headerf",      "footer",
        "footerl",      "footerr",
        "footerf",      "footnote",
        "listtable",    "listoverridetable",
        "revtbl",       "rsidtbl",
        "generator",    "xmlnstbl",
        "themedata",    "colorschememapping",
        "latentstyles", "datastore",
        "fldinst",      "nonshppict",
        "listtext",     "*\\anything",
    };
    for (const char* destination : destinations) {
        SCOPED_TRACE(destination);
        const std::string rtf =
            std::string("{\\rtf1 a{\\") + destination + " hidden {x}\\'e0\\par\\u1055 ?}b\\par}";
        EXPECT_EQ(RtfReader::read(rtf), Lines{"ab"});
    }
    expectReads({
        {"\\v hides text until \\v0", R"rtf({\rtf1 a{\v b}c\v d\v0 e\par})rtf", {"ace"}},
        {"\\bin bytes in a picture are not braces",
         R"rtf({\rtf1 a{\pict\bin3 }{\}b\par})rtf",
         {"ab"}},
        {"a destination word at the top level keeps the document",
         R"rtf({\rtf1\info a\par})rtf",
         {"a"}},
    });
}

TEST(RtfReaderTest, OddButWholeInputStillGivesLines) {
    expectReads({
        {"truncated \\'h", R"rtf({\rtf1 a\'4})rtf", {"a"}},
        {"\\' without hex digits", R"rtf({\rtf1 \'zz})rtf", {"zz"}},
        {"negative \\bin", R"rtf({\rtf1 a\bin-5 b})rtf", {"ab"}},
        {"huge \\uc is clamped to ten",
         R"rtf({\rtf1\uc99999999999 \u1055 abcdefghijklmn})rtf",
         {ru("П") + "klmn"}},
        {"huge \\u", R"rtf({\rtf1 \u99999999999 xy})rtf", {"?y"}},
        {"huge negative parameter", R"rtf({\rtf1 \fs-99999999999999 a})rtf", {"a"}},
        {"huge font number",
         R"rtf({\rtf1{\fonttbl{\f99999999999\fcharset0 A;}}\f99999999999\'e0})rtf",
         {"?"}},
    });
}

// A document that cannot be read whole is damage, not a shorter document: the lines before the
// damage would otherwise be saved back as the whole file.
TEST(RtfReaderTest, InputThatIsNotWholeIsDamageAtTheByteWhereReadingStopped) {
    struct Case {
        const char* what;
        std::string rtf;
        std::size_t offset;
    } cases[] = {
        {"empty input", "", 0},
        {"only a brace", "{", 1},
        {"unclosed document", R"rtf({\rtf1 abc)rtf", 10},
        {"unclosed groups", R"rtf({\rtf1 {{{a)rtf", 11},
        {"cut inside \\'hh", R"rtf({\rtf1 a\'4)rtf", 11},
        {"backslash at the end", "{\\rtf1 a\\", 9},
        {"unclosed ignorable group", R"rtf({\rtf1 a{\*)rtf", 11},
        {"a stray brace closes the document early", R"rtf({\rtf1 a\par}b\par})rtf", 12},
        {"stray closing braces after", R"rtf({\rtf1 a}}}}b)rtf", 8},
        {"a brace closing nothing before the document", R"rtf(}}{\rtf1 a\par})rtf", 0},
        {"\\bin past the end", R"rtf({\rtf1 a\bin999999999 xyz})rtf", 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            RtfReader::read(c.rtf);
            ADD_FAILURE() << "read as whole";
        } catch (const RtfDamage& damage) {
            EXPECT_EQ(damage.offset(), c.offset);
        }
    }
}

TEST(RtfReaderTest, DeepNestingIsBounded) {
    const std::string open(100'000, '{');
    const std::string close(100'000, '}');
    // Past ten thousand groups the text is skipped, and the braces still balance.
    EXPECT_EQ(RtfReader::read("{\\rtf1 a" + open + "b" + close + "c\\par}"), Lines{"ac"});
    EXPECT_THROW(RtfReader::read("{\\rtf1 a" + open + "b"), RtfDamage);
    const std::string openSome(5'000, '{');
    const std::string closeSome(5'000, '}');
    EXPECT_EQ(RtfReader::read("{\\rtf1 a" + openSome + "b" + closeSome + "c\\par}"), Lines{"abc"});
}

std::size_t totalSize(const Lines& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size();
    }
    return size;
}

// What reading a piece of input came to: the bytes of the lines, or damage.
std::size_t readSize(std::string_view rtf, bool& damaged) {
    try {
        damaged = false;
        return totalSize(RtfReader::read(rtf));
    } catch (const RtfDamage& damage) {
        damaged = true;
        EXPECT_LE(damage.offset(), rtf.size());
        return 0;
    }
}

// Every cut of a real document is damage until the cut keeps its closing brace; random RTF-like
// bytes read or are damage, and every byte read comes from at least one byte of input.
TEST(RtfReaderTest, TruncatedAndRandomInputIsSafe) {
    const std::size_t whole = kWordProcessorDocument.rfind('}') + 1;
    for (std::size_t length = 0; length <= kWordProcessorDocument.size(); ++length) {
        bool damaged = false;
        readSize(std::string_view(kWordProcessorDocument.data(), length), damaged);
        EXPECT_EQ(damaged, length < whole) << length;
    }
    const std::string alphabet = "{}\\'*abucpintl0123456789- \r\n\xe0";
    std::uint32_t seed = 12345;
    auto random = [&seed](std::uint32_t bound) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % bound;
    };
    for (int round = 0; round < 3'000; ++round) {
        std::string rtf = "{\\rtf1 ";
        const std::uint32_t length = random(200);
        for (std::uint32_t i = 0; i < length; ++i) {
            rtf += alphabet[random(static_cast<std::uint32_t>(alphabet.size()))];
        }
        bool damaged = false;
        EXPECT_LE(readSize(rtf, damaged), rtf.size()) << rtf;
    }
}

} // namespace
