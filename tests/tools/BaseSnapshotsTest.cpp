#include "tools/BaseSnapshots.h"

#include "engine/FileError.h"
#include "engine/ProgramFiles.h"
#include "support/Cp.h"
#include "support/TempFolder.h"
#include "tools/TarGz.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <utime.h>

#include <cstdlib>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct SnapshotFolder {
    TempFolder folder;
    LineFiles files{PathResolver(folder.path())};
    BaseSnapshots snapshots{files};

    SnapshotFolder() {
        folder.write("Base/Words.Dat", cp("Заголовок\r\nПРИВЕТ^Привет!;\r\n"));
        folder.write("Base/W1.Dat", "{\\rtf1 ...}");
        folder.write("Base/Log.Mirtel", "");
    }
    // Every file of "Base" with its bytes.
    std::map<std::string, std::string> base() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(folder.path() / "Base")) {
            const std::string name = entry.path().filename().string();
            if (name.front() == '.') {
                continue; // the lock file
            }
            files[name] = folder.read("Base/" + name);
        }
        return files;
    }
    std::size_t snapshotCount() const { return snapshots.list().size(); }
    fs::path archive(const std::vector<targz::Entry>& entries) const {
        const fs::path path = folder.path() / "made.tar.gz";
        folder.write("made.tar.gz", targz::pack(entries));
        return path;
    }
};

TEST(BaseSnapshots, ARestoreAfterAChangeGivesBackTheSameBytesAndCanItselfBeUndone) {
    SnapshotFolder s;
    const auto before = s.base();
    const fs::path taken = s.snapshots.take();
    EXPECT_EQ(taken.parent_path(), s.folder.path() / "Backups");

    s.folder.write("Base/Words.Dat", cp("Заголовок\r\nПРИВЕТ^Привет!;\r\nНОВОЕ^Да.;\r\n"));
    s.folder.write("Base/Log.Mirtel", "a conversation");
    const auto changed = s.base();

    const fs::path undo = s.snapshots.restore(taken);
    EXPECT_EQ(s.base(), before);
    ASSERT_FALSE(undo.empty());
    EXPECT_EQ(s.snapshotCount(), 2u);

    s.snapshots.restore(undo);
    EXPECT_EQ(s.base(), changed);
}

TEST(BaseSnapshots, LeavesOutTheLockAndTheLeftoversOfKilledSaves) {
    SnapshotFolder s;
    s.folder.write("Base/Words.Dat.saving-AbC123", "half a save");
    {
        const BaseLock hold(PathResolver(s.folder.path()),
                            programfiles::Words); // makes the lock file
    }
    s.folder.write("Base/Words.Dat.saving-XyZ789", "half a save");
    const fs::path taken = s.snapshots.take();
    const std::string bytes = s.folder.read("Backups/" + taken.filename().string());
    std::vector<std::string> names;
    for (const auto& entry : targz::unpack(bytes)) {
        names.push_back(entry.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Base/", "Base/Log.Mirtel", "Base/W1.Dat",
                                               "Base/Words.Dat"}));
}

TEST(BaseSnapshots, ArchivesThatAreNotSnapshotsOfABaseAreRefusedAndNothingChanges) {
    struct Case {
        const char* what;
        std::vector<targz::Entry> entries;
        const char* reason;
    } cases[] = {
        {"a way out",
         {{"Base/Words.Dat", "x"}, {"Base/../evil", "x"}},
         "not a file of the folder Base"},
        {"an absolute path",
         {{"Base/Words.Dat", "x"}, {"/tmp/evil", "x"}},
         "not a file of the folder Base"},
        {"another folder",
         {{"Base/Words.Dat", "x"}, {"Other/x", "x"}},
         "not a file of the folder Base"},
        {"a folder inside",
         {{"Base/Words.Dat", "x"}, {"Base/sub/x", "x"}},
         "not a file of the folder Base"},
        {"a backslash",
         {{"Base/Words.Dat", "x"}, {"Base/..\\..\\evil", "x"}},
         "not a file of the folder Base"},
        {"a hidden file",
         {{"Base/Words.Dat", "x"}, {"Base/.lorintal.lock", "x"}},
         "not a file of the folder Base"},
        {"no main file", {{"Base/W1.Dat", "x"}}, "no Base/Words.Dat"},
        {"one file twice", {{"Base/Words.Dat", "x"}, {"Base/words.dat", "y"}}, "twice"},
    };
    SnapshotFolder s;
    const auto before = s.base();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            s.snapshots.restore(s.archive(c.entries));
            ADD_FAILURE() << "restored";
        } catch (const BaseSnapshots::Error& error) {
            EXPECT_NE(std::string(error.what()).find("is not a snapshot of a base"),
                      std::string::npos);
            EXPECT_NE(std::string(error.what()).find(c.reason), std::string::npos) << error.what();
        }
        EXPECT_EQ(s.base(), before);
        EXPECT_EQ(s.snapshotCount(), 0u);
    }
}

TEST(BaseSnapshots, FilesThatAreNoArchiveOrHoldALinkAreRefused) {
    SnapshotFolder s;
    const auto before = s.base();
    s.folder.write("plain.tar.gz", "just text");
    s.archive({{"Base/Words.Dat", std::string(5000, 'x')}});
    const std::string whole = s.folder.read("made.tar.gz");
    s.folder.write("cut.tar.gz", whole.substr(0, whole.size() / 2));
    // A link, made by the system's tar as anyone could.
    s.folder.write("linked/Base/Words.Dat", "x");
    fs::create_symlink("/etc/passwd", s.folder.path() / "linked/Base/W1.Dat");
    const std::string tar = "tar -czf " + (s.folder.path() / "link.tar.gz").string() + " -C " +
                            (s.folder.path() / "linked").string() + " Base";
    ASSERT_EQ(std::system(tar.c_str()), 0);
    for (const char* name : {"plain.tar.gz", "cut.tar.gz", "link.tar.gz"}) {
        SCOPED_TRACE(name);
        EXPECT_THROW(s.snapshots.restore(s.folder.path() / name), BaseSnapshots::Error);
        EXPECT_EQ(s.base(), before);
    }
}

TEST(BaseSnapshots, ASnapshotIsFoundByPathOrByItsNameInBackups) {
    SnapshotFolder s;
    const fs::path taken = s.snapshots.take();
    EXPECT_EQ(s.snapshots.find(taken.string()), taken);
    EXPECT_EQ(s.snapshots.find(taken.filename().string()), taken);
    EXPECT_THROW(s.snapshots.find("Base-2000-01-01-000000.tar.gz"), BaseSnapshots::Error);
}

TEST(BaseSnapshots, KeepsTheLastTwentyAndLeavesOtherFilesInBackupsAlone) {
    SnapshotFolder s;
    s.folder.write("Backups/my notes.txt", "mine");
    std::vector<fs::path> taken;
    for (int i = 0; i < BaseSnapshots::kKept + 2; ++i) {
        taken.push_back(s.snapshots.take());
    }
    const auto kept = s.snapshots.list();
    ASSERT_EQ(kept.size(), std::size_t(BaseSnapshots::kKept));
    EXPECT_EQ(kept.front().path, taken[2]);
    EXPECT_EQ(kept.back().path, taken.back());
    EXPECT_TRUE(s.folder.exists("Backups/my notes.txt"));
}

TEST(BaseSnapshots, ADailySnapshotIsDueWhenTheLastIsADayOld) {
    SnapshotFolder s;
    const auto now = std::chrono::system_clock::now();
    EXPECT_TRUE(s.snapshots.due(now));
    std::ostringstream errors;
    BaseSnapshots::takeDaily(s.folder.path(), errors);
    EXPECT_EQ(errors.str(), "");
    ASSERT_EQ(s.snapshotCount(), 1u);
    EXPECT_FALSE(s.snapshots.due(now));
    BaseSnapshots::takeDaily(s.folder.path(), errors);
    EXPECT_EQ(s.snapshotCount(), 1u);

    const std::string path = s.snapshots.list().back().path.string();
    const std::time_t dayAgo = std::chrono::system_clock::to_time_t(now) - 25 * 3600;
    const utimbuf times{dayAgo, dayAgo};
    ASSERT_EQ(::utime(path.c_str(), &times), 0);
    EXPECT_TRUE(s.snapshots.due(now));
}

TEST(BaseSnapshots, ADailySnapshotThatCannotBeTakenIsReportedNotThrown) {
    TempFolder empty;
    std::ostringstream errors;
    BaseSnapshots::takeDaily(empty.path(), errors);
    EXPECT_NE(errors.str().find("daily snapshot of the base was not taken"), std::string::npos);
}

TEST(BaseSnapshots, WaitsForACopyThatIsLearningAndGivesUpWithoutWriting) {
    SnapshotFolder s;
    const fs::path taken = s.snapshots.take();
    s.folder.write("Base/Words.Dat", cp("Заголовок\r\nИНОЕ^Да.;\r\n"));
    const auto before = s.base();
    s.files.setLockPatience(std::chrono::milliseconds(20));
    BaseSnapshots snapshots(s.files);
    const BaseLock learning(PathResolver(s.folder.path()), programfiles::Words);
    EXPECT_THROW(snapshots.take(), FileError);
    EXPECT_THROW(snapshots.restore(taken), FileError);
    EXPECT_EQ(s.base(), before);
    EXPECT_EQ(s.snapshotCount(), 1u);
}

} // namespace
