#include "engine/RtfWriter.h"

#include "engine/Cp1251.h"
#include "engine/RtfReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

std::string ru(std::string_view utf8) {
    return cp1251::fromUtf8(utf8);
}

const std::string kHeader = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049"
                            "{\\fonttbl{\\f0\\fnil\\fcharset204 Tahoma;}}\r\n"
                            "{\\*\\generator Lorintal;}\\viewkind4\\uc1\\pard\\f0\\fs18 ";

TEST(RtfWriterTest, WritesTheRichEditForm) {
    const Lines lines = {ru("Привет"), "", " a\\{b}\tc", std::string("\x01\x7f", 2)};
    EXPECT_EQ(RtfWriter::write(lines), kHeader + "\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\par\r\n"
                                                 "\\par\r\n"
                                                 " a\\\\\\{b\\}\\tab c\\par\r\n"
                                                 "\\'01\\'7f\\par\r\n"
                                                 "}\r\n");
    EXPECT_EQ(RtfWriter::write({}), kHeader + "}\r\n");
}

std::string everyByte() {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) {
        bytes += static_cast<char>(byte);
    }
    return bytes;
}

std::string longLine() {
    const std::string piece = ru("Длинная строка ") + "{\\}\t";
    std::string line;
    while (line.size() < 100'000) {
        line += piece;
    }
    line.resize(100'000);
    return line;
}

TEST(RtfWriterTest, AwkwardLinesReadBackUnchanged) {
    struct RoundTripCase {
        const char* what;
        Lines lines;
    };
    const RoundTripCase cases[] = {
        {"no lines", {}},
        {"one empty line", {""}},
        {"only empty lines", {"", "", ""}},
        {"spaces at both ends", {"  both ends  ", " ", "  ", ru(" мир ")}},
        {"text that looks like RTF", {"back\\slash", "{braces}", "\\par", "\\'e0", "}{", "\\"}},
        {"every byte in one line", {everyByte()}},
        {"tabs", {"a\tb", "\t", "\t lead", "\t1"}},
        {"digits and signs at the start", {"1", "-2", " 3"}},
        {"a line longer than any buffer", {longLine(), "after"}},
        {"Russian text between empty lines", {"", ru("Привет"), "", ru("Как дела?"), ""}},
    };
    for (const RoundTripCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(RtfReader::read(RtfWriter::write(c.lines)), c.lines);
    }
}

// A knowledge base of a hundred thousand lines survives a save and a load (its speed is measured
// in bench/).
TEST(RtfWriterTest, LargeDocumentRoundTrips) {
    Lines lines;
    for (int i = 0; i < 100'000; ++i) {
        lines.push_back(ru("Строка номер ") + std::to_string(i) + " {\\}\t" + ru("ёЁ"));
    }
    EXPECT_EQ(RtfReader::read(RtfWriter::write(lines)), lines);
}

// Written piece by piece, the document is the same bytes, cut into pieces of the size asked for.
TEST(RtfWriterTest, PiecesMakeTheSameDocument) {
    Lines lines;
    for (int i = 0; i < 3'000; ++i) {
        lines.push_back(ru("Строка ") + std::to_string(i) + std::string(i % 50, 'x') + "{\\}");
    }
    const std::string whole = RtfWriter::write(lines);
    for (std::size_t piece : {1u, 7u, 4096u, 1u << 20}) {
        SCOPED_TRACE(piece);
        std::string joined;
        bool onlyLastShort = true;
        bool lastWasShort = false;
        EXPECT_TRUE(RtfWriter::writePieces(lines, piece, [&](std::string_view part) {
            onlyLastShort = onlyLastShort && !lastWasShort;
            lastWasShort = part.size() < piece;
            joined += part;
            return true;
        }));
        EXPECT_EQ(joined, whole);
        EXPECT_TRUE(onlyLastShort);
    }
    int pieces = 0;
    EXPECT_FALSE(
        RtfWriter::writePieces(lines, 4096, [&](std::string_view) { return ++pieces < 2; }));
    EXPECT_EQ(pieces, 2);
}

} // namespace
