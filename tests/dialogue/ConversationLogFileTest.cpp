#include "dialogue/ConversationLogFile.h"

#include "engine/FileError.h"
#include "engine/LineFiles.h"
#include "engine/ProgramFiles.h"
#include "engine/WorkList.h"
#include "support/Cp.h"
#include "support/FullDisk.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

namespace {

const std::string kWords = "ПРИВЕТ^Привет!;\r\nКАК ДЕЛА^Хорошо;Отлично;\r\n_ХОРОШО^Рад;\r\n";

std::vector<std::string> header(const std::string& date, const std::string& time, int count) {
    return {
        "",
        "--------------------------------------------------------------------------------",
        "                      ______________________________",
        "                      Дата - " + date + "   |   Время - " + time,
        "                      ~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~",
        "//Загружено фраз выученных программой: " + std::to_string(count),
    };
}

const std::string kEquals = "=====================================================";

struct Folder {
    TempFolder temp;
    WorkList RE2{LineFiles(PathResolver(temp.path()))};

    std::vector<std::string> logLines() const {
        std::vector<std::string> lines;
        const LineList file = LineFiles(PathResolver(temp.path())).load(programfiles::Log);
        for (const std::string& line : file.lines()) {
            lines.push_back(utf(line));
        }
        return lines;
    }
};

LineList logOf(const std::vector<std::string>& utf8Lines) {
    std::vector<std::string> lines;
    for (const std::string& line : utf8Lines) {
        lines.push_back(cp(line));
    }
    return LineList(lines);
}

std::string errorOf(Folder& folder, const LineList& log) {
    try {
        ConversationLogFile::append(folder.RE2, log, "01.02.2024", "10:11:12");
    } catch (const FileError& error) {
        return error.what();
    }
    return "";
}

} // namespace

TEST(ConversationLogFile, TheHeaderIsLaidOutExactly) {
    const std::vector<std::string> lines =
        ConversationLogFile::headerLines(cp("01.02.2024"), "10:11:12", 42);
    std::vector<std::string> asUtf;
    for (const std::string& line : lines) {
        asUtf.push_back(utf(line));
    }
    EXPECT_EQ(asUtf, header("01.02.2024", "10:11:12", 42));
    EXPECT_EQ(lines[1].size(), 80u);
    EXPECT_EQ(lines[2], std::string(22, ' ') + std::string(30, '_'));
    EXPECT_EQ(lines[4], std::string(22, ' ') + std::string(30, '~'));
    EXPECT_EQ(ConversationLogFile::closingLine(), std::string(53, '='));
    EXPECT_EQ(ConversationLogFile::closingLine(), kEquals);
}

TEST(ConversationLogFile, AnEmptyLogAppendsSevenLines) {
    Folder folder;
    folder.temp.write("Base/Words.Dat", cp(kWords));
    folder.temp.write("Base/Log.Mirtel", "");
    ConversationLogFile::append(folder.RE2, LineList(), "01.02.2024", "10:11:12");
    std::vector<std::string> expected = header("01.02.2024", "10:11:12", 2);
    expected.push_back(kEquals);
    EXPECT_EQ(folder.logLines(), expected);
    EXPECT_EQ(folder.temp.read("Base/Log.Mirtel").rfind("{\\rtf", 0), 0u);
}

TEST(ConversationLogFile, OneTurnAppendsNineLines) {
    Folder folder;
    folder.temp.write("Base/Words.Dat", cp(kWords));
    folder.temp.write("Base/Log.Mirtel", "");
    ConversationLogFile::append(folder.RE2, logOf({"USER:     Привет", "CPU:     Привет!"}),
                                "01.02.2024", "10:11:12");
    std::vector<std::string> expected = header("01.02.2024", "10:11:12", 2);
    expected.push_back("USER:     Привет");
    expected.push_back("CPU:     Привет!");
    expected.push_back(kEquals);
    EXPECT_EQ(folder.logLines(), expected);
}

TEST(ConversationLogFile, TwoExitsGiveTwoBlocksAndKeepTheFirst) {
    Folder folder;
    folder.temp.write("Base/Words.Dat", cp(kWords));
    folder.temp.write("Base/Log.Mirtel", "");
    ConversationLogFile::append(folder.RE2, logOf({"USER:     А"}), "01.02.2024", "10:11:12");
    folder.temp.write("Base/Words.Dat", cp(kWords + "НОВОЕ^\r\n"));
    ConversationLogFile::append(folder.RE2, logOf({"USER:     Б"}), "02.02.2024", "09:00:00");
    std::vector<std::string> expected = header("01.02.2024", "10:11:12", 2);
    expected.push_back("USER:     А");
    expected.push_back(kEquals);
    for (const std::string& line : header("02.02.2024", "09:00:00", 3)) {
        expected.push_back(line);
    }
    expected.push_back("USER:     Б");
    expected.push_back(kEquals);
    EXPECT_EQ(folder.logLines(), expected);
}

TEST(ConversationLogFile, APlainTextLogIsKeptAndWrittenBackAsRtf) {
    Folder folder;
    folder.temp.write("base/words.dat", cp(kWords));
    folder.temp.write("base/log.mirtel", cp("старая строка\r\n\r\n{скобки} и \\\r\n"));
    ConversationLogFile::append(folder.RE2, LineList(), "d", "t");
    const std::vector<std::string> lines = folder.logLines();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "старая строка");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "{скобки} и \\");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(folder.temp.read("base/log.mirtel").rfind("{\\rtf", 0), 0u);
}

TEST(ConversationLogFile, TheUsersTextIsKeptLineForLine) {
    Folder folder;
    folder.temp.write("Base/Words.Dat", cp(kWords));
    folder.temp.write("Base/Log.Mirtel", "");
    const std::vector<std::string> log = {
        "USER:     {\\rtf1 \\par} \\'e0 }{",
        "",
        "CPU:     ",
        "USER:     Ёлка ёж №5 «кавычки»",
    };
    ConversationLogFile::append(folder.RE2, logOf(log), "d", "t");
    const std::vector<std::string> lines = folder.logLines();
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 6, lines.begin() + 10), log);
    EXPECT_EQ(lines[10], kEquals);
}

TEST(ConversationLogFile, TheCountLeavesOutLineZeroAndAFinalEmptyLine) {
    EXPECT_EQ(ConversationLogFile::phrasesLearned(LineList::fromText("a\r\nb\r\nc\r\n")), 2);
    EXPECT_EQ(ConversationLogFile::phrasesLearned(LineList::fromText("a\r\n\r\nc")), 2);
    EXPECT_EQ(ConversationLogFile::phrasesLearned(LineList::fromText("a\r\n")), 0);
    EXPECT_EQ(ConversationLogFile::phrasesLearned(LineList()), 0);
}

TEST(ConversationLogFile, AMissingFileStopsBeforeAnythingIsWritten) {
    {
        Folder folder;
        folder.temp.write("Base/Log.Mirtel", "old\r\n");
        EXPECT_EQ(errorOf(folder, LineList()), "Cannot open file Base\\Words.Dat");
        EXPECT_EQ(folder.temp.read("Base/Log.Mirtel"), "old\r\n");
    }
    {
        Folder folder;
        folder.temp.write("Base/Words.Dat", cp(kWords));
        EXPECT_EQ(errorOf(folder, LineList()), "Cannot open file Base\\Log.Mirtel");
        EXPECT_FALSE(folder.temp.exists("Base/Log.Mirtel"));
    }
}

TEST(ConversationLogFile, AFileThatCannotBeWrittenIsReportedAndKept) {
    Folder folder;
    folder.temp.write("Base/Words.Dat", cp(kWords));
    folder.temp.write("Base/Log.Mirtel", "old\r\n");
    std::string error;
    {
        const FullDisk full;
        error = errorOf(folder, LineList());
    }
    EXPECT_EQ(error, "Cannot create file Base\\Log.Mirtel");
    EXPECT_EQ(folder.temp.read("Base/Log.Mirtel"), "old\r\n");
}
