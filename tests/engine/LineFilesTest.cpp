#include "engine/LineFiles.h"

#include "engine/FileError.h"
#include "support/Cp.h"
#include "support/FullDisk.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace fs = std::filesystem;

TEST(PathResolver, FindsFilesWhateverTheirLetterCase) {
    TempFolder folder;
    folder.write("base/words.dat", "x");
    folder.write("Base2/Words.Dat", "y");
    const PathResolver resolver(folder.path());
    EXPECT_EQ(resolver.resolve("Base\\Words.Dat"), folder.path() / "base/words.dat");
    EXPECT_EQ(resolver.resolve("Base2/Words.Dat"), folder.path() / "Base2/Words.Dat");
    EXPECT_EQ(resolver.resolve("BASE\\New.Dat"), folder.path() / "base/New.Dat");
    EXPECT_EQ(resolver.resolve("D:\\Txt.Dat"), folder.path() / "Txt.Dat");
    EXPECT_EQ(resolver.resolve("d:Txt.Dat"), folder.path() / "Txt.Dat");
    EXPECT_EQ(resolver.resolve("/tmp/x.dat"), fs::path("/tmp/x.dat"));
    EXPECT_EQ(resolver.resolve(".\\base\\.\\WORDS.DAT"), folder.path() / "base/words.dat");
}

TEST(PathResolver, TwoDotsStepUpOneFolder) {
    TempFolder temp;
    temp.write("prog/base/words.dat", "x");
    const fs::path prog = temp.path() / "prog";
    const struct {
        fs::path folder;
        const char* name;
        fs::path expected;
    } cases[] = {
        {prog, "Base\\..\\Words.Dat", prog / "Words.Dat"},
        {prog, "..\\Txt.Dat", temp.path() / "Txt.Dat"},
        {prog, "..\\prog\\BASE\\WORDS.DAT", prog / "base/words.dat"},
        {prog, "Base\\x\\..\\..\\Txt.Dat", prog / "Txt.Dat"},
        {prog, "D:\\..\\Txt.Dat", temp.path() / "Txt.Dat"},  // the drive dropped, from the folder
        {prog / "", "..\\Txt.Dat", temp.path() / "Txt.Dat"}, // a folder ending in a separator
        {prog / ".", "..\\Txt.Dat", temp.path() / "Txt.Dat"},
        {"/", "..\\..\\tmp", "/tmp"}, // the root is its own parent
        {prog, "/tmp/../x.dat", "/x.dat"},
        {prog, "/../x.dat", "/x.dat"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder.string() + " + " + c.name);
        EXPECT_EQ(PathResolver(c.folder).resolve(c.name), c.expected);
    }
}

TEST(PathResolver, CyrillicNamesMatchAcrossCodePages) {
    TempFolder folder;
    folder.write("Обмен.txt", "x");
    EXPECT_EQ(PathResolver(folder.path()).resolve(cp("ОБМЕН.TXT")), folder.path() / "Обмен.txt");
}

TEST(LineFiles, ReadsPlainTextAndRtfAlike) {
    TempFolder folder;
    folder.write("plain.txt", cp("ПРИВЕТ^Привет!;\r\n\r\nПОКА^Пока;@\r\n"));
    folder.write("doc.rtf",
                 "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fnil\\fcharset204 Tahoma;}}"
                 "\\pard\\f0 \\'cf\\'d0\\'c8\\'c2\\'c5\\'d2^\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2!;"
                 "\\par\r\n\\par\r\n\\'cf\\'ce\\'ca\\'c0^\\'cf\\'ee\\'ea\\'e0;@\\par\r\n}");
    const LineFiles files{PathResolver(folder.path())};
    const std::vector<std::string> expected = {cp("ПРИВЕТ^Привет!;"), "", cp("ПОКА^Пока;@")};
    EXPECT_EQ(files.load("plain.txt").lines(), expected);
    EXPECT_EQ(files.load("DOC.RTF").lines(), expected);
}

TEST(LineFiles, AMissingFileOrFolderCannotBeOpenedByItsWrittenName) {
    TempFolder folder;
    folder.write("Base/x", "");
    const LineFiles files{PathResolver(folder.path())};
    for (const char* name : {"Base\\W2.Dat", "Base", "Nowhere\\W2.Dat"}) {
        try {
            files.load(name);
            ADD_FAILURE() << name;
        } catch (const FileError& error) {
            EXPECT_EQ(std::string(error.what()), std::string("Cannot open file ") + name);
        }
    }
}

TEST(LineFiles, SaveWritesRtfThatReadsBackAndLeavesNothingBehind) {
    TempFolder folder;
    folder.write("Base/W2.Dat", cp("старое\r\n"));
    ::chmod((folder.path() / "Base/W2.Dat").c_str(), 0600);
    const LineFiles files{PathResolver(folder.path())};
    const LineList lines({cp("Привет!"), "", "  {\\} ", cp("ёЁ")});
    files.save("base\\w2.dat", lines);
    EXPECT_EQ(folder.read("Base/W2.Dat").rfind("{\\rtf", 0), 0u);
    EXPECT_EQ(files.load("Base\\W2.Dat"), lines);
    EXPECT_EQ(fs::status(folder.path() / "Base/W2.Dat").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.path() / "Base")) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST(LineFiles, AFullDiskMidSaveLeavesTheOldFileWholeAndNoTemporaryBehind) {
    TempFolder folder;
    const std::string old = cp("ПРИВЕТ^Привет!;\r\n");
    folder.write("Base/Words.Dat", old);
    const LineFiles files{PathResolver(folder.path())};
    {
        const FullDisk full(64); // the RTF header alone is longer
        try {
            files.save("Base\\Words.Dat", LineList({cp("ПРИВЕТ^Привет!;"), cp("НОВОЕ^")}));
            ADD_FAILURE() << "the save should have failed";
        } catch (const FileError& error) {
            EXPECT_STREQ(error.what(), "Cannot create file Base\\Words.Dat");
        }
    }
    EXPECT_EQ(folder.read("Base/Words.Dat"), old);
    EXPECT_EQ(
        std::distance(fs::directory_iterator(folder.path() / "Base"), fs::directory_iterator()), 1);
    EXPECT_EQ(files.load("Base\\Words.Dat").count(), 1);
}

TEST(LineFiles, AFailedSaveReportsTheFileAndKeepsTheOldContent) {
    TempFolder folder;
    folder.write("Base/Words.Dat/inside", "a folder where the file should be");
    folder.write("Base/W1.Dat", "keep\r\n");
    const LineFiles files{PathResolver(folder.path())};
    try {
        files.save("Base\\Words.Dat", LineList({"x"}));
        ADD_FAILURE();
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "Cannot create file Base\\Words.Dat");
    }
    try {
        files.save("Gone\\W1.Dat", LineList({"x"}));
        ADD_FAILURE();
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "Cannot create file Gone\\W1.Dat");
    }
    EXPECT_EQ(folder.read("Base/W1.Dat"), "keep\r\n");
}

TEST(LineFiles, EveryLoadSeesTheFileAsItStandsNow) {
    TempFolder folder;
    const LineFiles files{PathResolver(folder.path())};
    // Larger than one piece of reading, so a change deep inside is seen as well as one at the
    // start.
    std::vector<std::string> lines(40000, cp("ПРИВЕТ^Привет!;"));
    files.save("W.Dat", LineList(lines));
    EXPECT_TRUE(files.load("W.Dat").lines() == lines);

    std::string bytes = folder.read("W.Dat");
    const std::size_t deep = bytes.rfind("\\'cf\\'f0\\'e8"); // the last "При"
    bytes[deep + 2] = 'd'; // same size, one letter changed near the end: \'cf П becomes \'df Я
    folder.write("W.Dat", bytes);
    lines.back() = cp("ПРИВЕТ^Яривет!;");
    EXPECT_TRUE(files.load("W.Dat").lines() == lines);

    folder.write("W.Dat", cp("другое\r\n"));
    EXPECT_EQ(files.load("W.Dat").lines(), std::vector<std::string>{cp("другое")});
    folder.write("W.Dat", "");
    EXPECT_TRUE(files.load("W.Dat").empty());
    const LineFiles other{PathResolver(folder.path())}; // a copy started anew reads the same
    EXPECT_TRUE(other.load("W.Dat").empty());
}
