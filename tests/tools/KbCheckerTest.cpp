#include "tools/KbChecker.h"

#include "support/Cp.h"
#include "support/TempFolder.h"
#include "support/Words.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <map>

namespace {

LineList base(std::initializer_list<const char*> lines) {
    return wordsWithHeader(lines);
}

TEST(KbChecker, EachFlawOfTheMainFileIsFoundAtItsLine) {
    struct Case {
        std::initializer_list<const char*> lines;
        int line;
        const char* finding; // a piece of the message
    } cases[] = {
        {{"ПРИВЕТ Привет!;"}, 1, "no separator"},
        {{"Привет^Привет!;"}, 1, "small letters"},
        {{"ПРИВЕТ^Привет!;", "__КАК^Так.;"}, 2, "does not follow"},
        {{"ПРИВЕТ^Привет!;", "НУ ПРИВЕТ^Ну привет.;"}, 2, "never answers as a whole"},
        {{"ДА^Хорошо^Ладно.;"}, 1, "holds \"^\""},
        {{"ДА^Хорошо@Ладно.;"}, 1, "\"@\" stands elsewhere"},
        {{"ДА^Хорошо.;", "_НЕТ^Жаль.;@"}, 2, "branch line starts no farewell"},
        {{"ДА^Хорошо.;;Ладно.;"}, 1, "empty alternative"},
        {{"ДА^;Ладно.;"}, 1, "empty alternative"},
        {{"ДА^Хорошо.;Ладно."}, 1, "after the last \";\""},
        {{"ДА^Хорошо.;", "ДА^Ладно.;"}, 2, "repeats line 1"},
        {{"ДА^Хорошо.;", ""}, 2, "empty line"},
        {{"ПОКА^@"}, 1, "no reply"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(*c.lines.begin());
        const auto findings = KbChecker::checkWords(base(c.lines));
        ASSERT_EQ(findings.size(), 1u) << (findings.empty() ? "" : findings[0].what);
        EXPECT_EQ(findings[0].line, c.line);
        EXPECT_NE(findings[0].what.find(c.finding), std::string::npos) << findings[0].what;
    }
}

TEST(KbChecker, AWellFormedBaseHasNoFindings) {
    const auto findings =
        KbChecker::checkWords(base({"КАК ДЕЛА^Хорошо.;Отлично!;", "_ХОРОШО^Рад за тебя.;",
                                    "__ПОЧЕМУ^Просто так.;", "_ПЛОХО^Жаль.;", "ПОКА^До свидания!;@",
                                    "ВАСЯ.^", "ККОТ^Мяу.;", "КОТ^Кот.;", "ДЕЛА КАК^Наоборот.;"}));
    for (const auto& finding : findings) {
        ADD_FAILURE() << finding.line << ": " << finding.what;
    }
}

TEST(KbChecker, MissingAndEmptyFilesOfTheFolderAreFound) {
    TempFolder folder;
    folder.write("Base/Words.Dat", cp("Заголовок\r\nДА^Хорошо.;\r\n"));
    folder.write("Base/W1.Dat", "");
    folder.write("Base/AI.dat", cp("Заголовок\r\n"));
    const LineFiles files{PathResolver(folder.path())};
    const auto findings = KbChecker(files).check();
    auto found = [&](const std::string& file, const char* what) {
        for (const auto& finding : findings) {
            if (finding.file == file && finding.what.find(what) != std::string::npos) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(found("Base\\W2.Dat", "missing"));
    EXPECT_TRUE(found("Sound\\Close.wav", "missing"));
    EXPECT_TRUE(found("Base\\W1.Dat", "no line to give"));
    EXPECT_TRUE(found("Base\\AI.dat", "no line to give"));
    EXPECT_FALSE(found("Base\\Words.Dat", ""));
}

// What the program cannot read whole, or read at all, is named for what it is; nothing throws.
TEST(KbChecker, DamagedLinkedSpecialAndLeftoverFilesAreFound) {
    namespace fs = std::filesystem;
    TempFolder folder;
    folder.write("Base/Words.Dat", "{\\rtf1 ABC^x;\\par}B^y;\\par}");
    folder.write("Base/W1.Dat", "{\\rtf1 \\'cd\\'e5\\par\r\n}\r\n");
    folder.write("Base/W2.Dat.saving-Ab12Cd", "half");
    const fs::path base = folder.path() / "Base";
    fs::create_symlink(base / "X.Dat", base / "Povtor.Dat");
    fs::create_symlink(base / "Povtor.Dat", base / "X.Dat");
    fs::create_symlink(base / "Nowhere", base / "AI.dat");
    ASSERT_EQ(::mkfifo((base / "Pause.Dat").c_str(), 0644), 0);
    const LineFiles files{PathResolver(folder.path())};
    std::map<std::string, std::string> found; // file -> what, for findings about a whole file
    for (const auto& finding : KbChecker(files).check()) {
        if (finding.line < 0) {
            found[finding.file] += finding.what;
        }
    }
    EXPECT_EQ(found["Base\\Words.Dat"].find("damaged: reading stopped at byte 17"), 0u)
        << found["Base\\Words.Dat"];
    EXPECT_EQ(found.count("Base\\W1.Dat"), 0u);
    EXPECT_NE(found["Base\\Povtor.Dat"].find("cannot be read"), std::string::npos);
    EXPECT_NE(found["Base\\AI.dat"].find("leads nowhere"), std::string::npos);
    EXPECT_NE(found["Base\\Pause.Dat"].find("not a regular file"), std::string::npos);
    EXPECT_NE(found["Base\\W2.Dat.saving-Ab12Cd"].find("did not finish"), std::string::npos);
}

// The checker names the line that answers in place of a shadowed one: the first, in file order.
TEST(KbChecker, AShadowedLineNamesTheFirstLineThatTakesItsPhrases) {
    const auto findings = KbChecker::checkWords(
        base({"КОТ^Мяу.;", "ЧЁРНЫЙ^Цвет.;", "БОЛЬШОЙ ЧЁРНЫЙ КОТ^Кот.;", "ККОТИК^Нет.;"}));
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].line, 3);
    EXPECT_NE(findings[0].what.find("of line 1 "), std::string::npos) << findings[0].what;
}

} // namespace
