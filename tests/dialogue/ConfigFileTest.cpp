#include "dialogue/ConfigFile.h"

#include "dialogue/ValueError.h"
#include "engine/FileError.h"
#include "engine/PathResolver.h"
#include "support/Cp.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string valueOf(const ConfigFile& config, int line) {
    return config.value(line);
}

std::string outOfBounds(const ConfigFile& config, int line) {
    try {
        config.value(line);
    } catch (const ValueError& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(ConfigFile, SplitsAtEveryKindOfLineEndAndStopsAtNul) {
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"\r\n", {""}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
        {std::string("\0a\r\n", 4), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        EXPECT_EQ(ConfigFile::parse(c.bytes).lines().lines(), c.lines);
    }
}

TEST(ConfigFile, AValueIsWhatFollowsTheFirstEqualsSign) {
    const ConfigFile config = ConfigFile::parse(cp("Цвет окна=12632256\r\n"
                                                   "12632256\r\n"
                                                   "a==b\r\n"
                                                   "name= 8 \r\n"
                                                   "=\r\n"
                                                   "\r\n"
                                                   "name=\r\n"));
    EXPECT_EQ(valueOf(config, 1), "12632256");
    EXPECT_EQ(valueOf(config, 2), "12632256");
    EXPECT_EQ(valueOf(config, 3), "=b");
    EXPECT_EQ(valueOf(config, 4), " 8 ");
    EXPECT_EQ(valueOf(config, 5), "");
    EXPECT_EQ(valueOf(config, 6), "");
    EXPECT_EQ(valueOf(config, 7), "");
}

TEST(ConfigFile, AnEmptyFileGivesAnEmptyValueForEveryLine) {
    const ConfigFile empty = ConfigFile::parse("");
    for (int line : {1, 2, 6, 27, 1000}) {
        EXPECT_EQ(valueOf(empty, line), "");
    }
    EXPECT_EQ(valueOf(ConfigFile(), 6), "");
}

TEST(ConfigFile, AMissingLineIsAListIndexOutOfBounds) {
    const ConfigFile five = ConfigFile::parse("1\r\n2\r\n3\r\n4\r\n5\r\n");
    EXPECT_EQ(valueOf(five, 5), "5");
    EXPECT_EQ(outOfBounds(five, 6), "List index out of bounds (5)");
    EXPECT_EQ(outOfBounds(five, 27), "List index out of bounds (26)");
    EXPECT_EQ(outOfBounds(five, 0), "List index out of bounds (-1)");
    const ConfigFile blankLine = ConfigFile::parse("\r\n");
    EXPECT_EQ(valueOf(blankLine, 1), "");
    EXPECT_EQ(outOfBounds(blankLine, 2), "List index out of bounds (1)");
}

TEST(ConfigFile, LoadsConfigIniFromTheFolderWhateverItsLetterCase) {
    TempFolder folder;
    folder.write("CONFIG.INI", "x=1\r\nshake=no\r\n");
    ConfigFile config;
    config.load(PathResolver(folder.path()));
    EXPECT_EQ(valueOf(config, 2), "no");
}

TEST(ConfigFile, AMissingFileCannotBeOpenedAndKeepsTheLines) {
    TempFolder folder;
    folder.write("Config.ini/inside", ""); // a folder, not a file
    ConfigFile config = ConfigFile::parse("a=1\r\n");
    for (const TempFolder* where : {&folder}) {
        try {
            config.load(PathResolver(where->path()));
            ADD_FAILURE() << "loaded";
        } catch (const FileError& error) {
            EXPECT_EQ(std::string(error.what()), "Cannot open file Config.ini");
        }
    }
    TempFolder none;
    EXPECT_THROW(config.load(PathResolver(none.path())), FileError);
    EXPECT_EQ(valueOf(config, 1), "1");
}

TEST(ConfigFile, TheShakeIsOffOnlyWhenLineTwoSaysNoInAnyCase) {
    struct Case {
        const char* line2;
        bool off;
    };
    const Case cases[] = {
        {"Встряска=NO", true},   {"Встряска=no", true},
        {"Встряска=No", true},   {"NO", true},
        {"Встряска=YES", false}, {"Встряска=", false},
        {"Встряска= NO", false}, {"Встряска=NO ", false},
        {"a=b=NO", false},       {"", false},
        {"Встряска=НЕТ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line2);
        ConfigFile config = ConfigFile::parse(cp("first\r\n" + std::string(c.line2) + "\r\n"));
        const ConfigFile::ShakeSwitch shake = config.readShakeSwitch();
        EXPECT_EQ(shake.off, c.off);
        EXPECT_FALSE(shake.problemToReport.has_value());
    }
}

TEST(ConfigFile, AnEmptyOrUnreadFileLetsTheShakeRunWithoutAWord) {
    for (ConfigFile config : {ConfigFile(), ConfigFile::parse("")}) {
        const ConfigFile::ShakeSwitch shake = config.readShakeSwitch();
        EXPECT_FALSE(shake.off);
        EXPECT_FALSE(shake.problemToReport.has_value());
    }
}

TEST(ConfigFile, AOneLineFileReportsTheMissingSwitchOnceAndTheShakeRuns) {
    ConfigFile config = ConfigFile::parse("Shake=NO\r\n");
    const ConfigFile::ShakeSwitch first = config.readShakeSwitch();
    EXPECT_FALSE(first.off);
    ASSERT_TRUE(first.problemToReport.has_value());
    EXPECT_EQ(*first.problemToReport, "List index out of bounds (1)");
    for (int tick = 0; tick < 3; ++tick) {
        const ConfigFile::ShakeSwitch later = config.readShakeSwitch();
        EXPECT_FALSE(later.off);
        EXPECT_FALSE(later.problemToReport.has_value());
    }
}
