#include "dialogue/ProgramFolder.h"

#include "support/FullDisk.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// A machine in a temporary folder: the installed data under "prefix", a working directory
// elsewhere, and the user's data folder still to be made.
class ProgramFolderTest : public ::testing::Test {
protected:
    ProgramFolderTest() {
        temp.write("prefix/share/lorintal/program/Base/Words.Dat", "shipped words");
        temp.write("prefix/share/lorintal/program/Sound/Close.wav", "RIFF");
        temp.write("prefix/share/lorintal/program/Config.ini", "colours");
        fs::create_directories(temp.path() / "elsewhere");
        places.working = temp.path() / "elsewhere";
        places.installed =
            ProgramFolder::installedBeside(temp.path() / "prefix" / "bin" / "lorintal");
        places.user = temp.path() / "home" / "data" / "lorintal";
    }

    std::string user(const std::string& relative) const {
        return temp.read("home/data/lorintal/" + relative);
    }

    TempFolder temp;
    ProgramFolder::Places places;
};

} // namespace

TEST_F(ProgramFolderTest, TheFirstStartMakesTheUsersFolderFromTheInstalledData) {
    const ProgramFolder::Choice choice = ProgramFolder::choose(places);

    EXPECT_EQ(choice.folder, places.user);
    EXPECT_TRUE(choice.made);
    EXPECT_EQ(user("Base/Words.Dat"), "shipped words");
    EXPECT_EQ(user("Sound/Close.wav"), "RIFF");
    EXPECT_EQ(user("Config.ini"), "colours");
    // Conversations are private: the folder is the user's alone, and nothing is left beside it.
    EXPECT_EQ(fs::status(places.user).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(std::distance(fs::directory_iterator(places.user.parent_path()), {}), 1);
    const auto notes = ProgramFolder::notes(choice, places);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0], "made your program folder " + places.user.string() + " from " +
                            places.installed.string());
}

TEST_F(ProgramFolderTest, LaterStartsKeepWhatWasLearnedAndOnlyAddWhatIsMissing) {
    ProgramFolder::choose(places);
    temp.write("home/data/lorintal/Base/Words.Dat", "learned words");
    fs::remove(places.user / "Config.ini");
    temp.write("prefix/share/lorintal/program/Base/Words.Dat", "upgraded words");
    temp.write("prefix/share/lorintal/program/Sound/New.wav", "RIFF new");

    const ProgramFolder::Choice choice = ProgramFolder::choose(places);

    EXPECT_FALSE(choice.made);
    EXPECT_EQ(choice.added, 2);
    EXPECT_EQ(user("Base/Words.Dat"), "learned words");
    EXPECT_EQ(user("Config.ini"), "colours");
    EXPECT_EQ(user("Sound/New.wav"), "RIFF new");
    EXPECT_EQ(ProgramFolder::notes(choice, places).at(0),
              "added 2 shipped files to your program folder " + places.user.string());
    EXPECT_TRUE(ProgramFolder::notes(ProgramFolder::choose(places), places).empty());
}

TEST_F(ProgramFolderTest, AnInstallIntoTheUsersOwnDataFolderIsMadeIntoTheProgramFolderBesideIt) {
    // cmake --install --prefix ~/.local: the data lands in ~/.local/share/lorintal/program.
    fs::create_directories(places.user);
    fs::rename(places.installed, places.user / "program");
    places.installed = places.user / "program";

    const ProgramFolder::Choice choice = ProgramFolder::choose(places);

    EXPECT_TRUE(choice.made);
    EXPECT_EQ(user("Base/Words.Dat"), "shipped words");
    EXPECT_EQ(user("program/Base/Words.Dat"), "shipped words");
    EXPECT_EQ(ProgramFolder::notes(choice, places).at(0), "made your program folder " +
                                                              places.user.string() + " from " +
                                                              places.installed.string());
    EXPECT_FALSE(ProgramFolder::choose(places).made);
}

TEST_F(ProgramFolderTest, FilesTheUserKeepsInAnotherLetterCaseAreNotShippedAgain) {
    temp.write("home/data/lorintal/base/words.dat", "learned words");
    temp.write("home/data/lorintal/config.INI", "mine");

    const ProgramFolder::Choice choice = ProgramFolder::choose(places);

    EXPECT_EQ(choice.added, 1); // Sound/Close.wav only
    EXPECT_FALSE(fs::exists(places.user / "Base"));
    EXPECT_FALSE(fs::exists(places.user / "Config.ini"));
    EXPECT_EQ(user("base/words.dat"), "learned words");
}

TEST_F(ProgramFolderTest, AFullDiskLeavesNoHalfMadeFolderAndNoCutOffFile) {
    const std::string base(100, 'x');
    temp.write("prefix/share/lorintal/program/Base/Words.Dat", base);
    {
        const FullDisk full;
        EXPECT_THROW(ProgramFolder::choose(places), ProgramFolder::Error);
    }
    EXPECT_FALSE(fs::exists(places.user.parent_path()) && !fs::is_empty(places.user.parent_path()));

    temp.write("prefix/share/lorintal/program/Base/Words.Dat", "shipped words");
    ProgramFolder::choose(places);
    temp.write("prefix/share/lorintal/program/Base/Dictionary.Dat", base);
    {
        const FullDisk full;
        const ProgramFolder::Choice choice = ProgramFolder::choose(places);
        EXPECT_EQ(choice.folder, places.user); // the folder is used all the same
        EXPECT_NE(choice.trouble.find("Base/Dictionary.Dat"), std::string::npos) << choice.trouble;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(places.user / "Base"), {}), 1);
    EXPECT_EQ(ProgramFolder::choose(places).added, 1); // added once there is room
    EXPECT_EQ(user("Base/Dictionary.Dat"), base);
}

TEST_F(ProgramFolderTest, AFolderHoldingTheBaseIsWorkedInWhereItIs) {
    temp.write("elsewhere/BASE/words.DAT", "a folder of its own");

    const ProgramFolder::Choice choice = ProgramFolder::choose(places);

    EXPECT_EQ(choice.folder, places.working);
    EXPECT_FALSE(fs::exists(places.user));
    EXPECT_EQ(ProgramFolder::find(places), places.working);
}

TEST_F(ProgramFolderTest, CopiesOfReadOnlyInstalledFilesAreTheUsersToChange) {
    const fs::path words = places.installed / "Base" / "Words.Dat";
    fs::permissions(words, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(places.installed / "Base", fs::perms::owner_read | fs::perms::owner_exec);

    ProgramFolder::choose(places);
    fs::permissions(places.installed / "Base", fs::perms::owner_all);

    const fs::perms perms = fs::status(places.user / "Base" / "Words.Dat").permissions();
    EXPECT_NE(perms & fs::perms::owner_write, fs::perms::none);
    EXPECT_NE(fs::status(places.user / "Base").permissions() & fs::perms::owner_write,
              fs::perms::none);
}

TEST_F(ProgramFolderTest, WithNothingToMakeTheFolderFromTheChoiceFailsAndSaysWhy) {
    places.installed = temp.path() / "nowhere";
    try {
        ProgramFolder::choose(places);
        FAIL() << "no error";
    } catch (const ProgramFolder::Error& error) {
        const std::string what = error.what();
        EXPECT_NE(what.find(places.installed.string()), std::string::npos) << what;
        EXPECT_NE(what.find(places.user.string()), std::string::npos) << what;
    }
    EXPECT_FALSE(fs::exists(places.user));

    // A folder the user already has is used as it stands.
    temp.write("home/data/lorintal/Base/Words.Dat", "learned words");
    EXPECT_EQ(ProgramFolder::choose(places).folder, places.user);
}

TEST_F(ProgramFolderTest, AFileInThePlaceOfTheUsersFolderIsReported) {
    temp.write("home/data/lorintal", "not a folder");
    EXPECT_THROW(ProgramFolder::choose(places), ProgramFolder::Error);

    // As a program starts: the reason is said after the program's name, and there is no folder.
    const fs::path before = fs::current_path();
    fs::current_path(places.working);
    ::setenv("XDG_DATA_HOME", (temp.path() / "home" / "data").c_str(), 1);
    std::ostringstream said;
    EXPECT_FALSE(ProgramFolder::chooseAtStart("lorintal-console", said));
    ::unsetenv("XDG_DATA_HOME");
    fs::current_path(before);
    EXPECT_EQ(said.str(), "lorintal-console: " + places.user.string() +
                              " is in the place of your program folder, but it is not a folder\n");
}

TEST(ProgramFolder, TheUsersFolderFollowsTheBaseDirectoryRules) {
    struct Case {
        const char* xdgDataHome;
        const char* home;
        fs::path expected;
    };
    const Case cases[] = {
        {"/data", "/home/u", "/data/lorintal"},
        {nullptr, "/home/u", "/home/u/.local/share/lorintal"},
        {"", "/home/u", "/home/u/.local/share/lorintal"},
        {"relative/data", "/home/u", "/home/u/.local/share/lorintal"},
        {nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xdgDataHome ? c.xdgDataHome : "(unset)");
        EXPECT_EQ(ProgramFolder::userFolder(c.xdgDataHome, c.home), c.expected);
    }
}

TEST(ProgramFolder, TheInstalledDataLiesBesideTheBinFolderOfAnyPrefix) {
    EXPECT_EQ(ProgramFolder::installedBeside("/usr/bin/lorintal"), "/usr/share/lorintal/program");
    EXPECT_EQ(ProgramFolder::installedBeside("/home/u/.local/bin/lorintal-console"),
              "/home/u/.local/share/lorintal/program");
}
