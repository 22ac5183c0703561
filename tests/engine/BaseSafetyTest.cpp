#include "engine/BaseLock.h"
#include "engine/FileBytes.h"
#include "engine/FileError.h"
#include "engine/MtRandom.h"
#include "engine/ProgramFiles.h"
#include "engine/ReplyEngine.h"
#include "engine/RtfWriter.h"
#include "support/Cp.h"
#include "support/RecordingSurroundings.h"
#include "support/ScriptedRandom.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

// A program folder whose base the tests damage, link, lock and share; texts in UTF-8.
class BaseSafety : public ::testing::Test {
protected:
    BaseSafety() {
        plain("Base/Povtor.Dat", {"Ты повторяешься."});
        plain("Base/X.Dat", {"Не груби."});
        plain("Base/Collection.Dat", {});
        plain("Base/BigString.Dat", {"Длинно."});
        plain("Base/W1.Dat", {"Не знаю."});
        plain("Base/W2.Dat", {"Понятно."});
        plain("Base/AI.dat", {"Заголовок", "Кстати."});
        rtf("Base/Words.Dat", {"Заголовок", "ПРИВЕТ^Привет!;", "КАК ДЕЛА^Хорошо.;"});
    }

    // The engine's files wait for a held base only a moment, so no test sits out the patience.
    static LineFiles impatient(const fs::path& folder) {
        LineFiles files{PathResolver(folder)};
        files.setLockPatience(std::chrono::milliseconds(5));
        return files;
    }

    void plain(const std::string& name, const Lines& lines) const {
        std::string text;
        for (const std::string& line : lines) {
            text += cp(line) + "\r\n";
        }
        folder.write(name, text);
    }
    void rtf(const std::string& name, const Lines& lines) const {
        std::vector<std::string> cpLines;
        for (const std::string& line : lines) {
            cpLines.push_back(cp(line));
        }
        folder.write(name, RtfWriter::write(cpLines));
    }
    Lines read(const std::string& name) const {
        Lines out;
        const LineList lines = LineFiles(PathResolver(folder.path())).load(name);
        for (const std::string& line : lines.lines()) {
            out.push_back(utf(line));
        }
        return out;
    }
    // One turn; the file error it ended with, if any.
    std::string say(const std::string& phrase) {
        surroundings.Input = cp(phrase);
        try {
            engine.SpeakClick(surroundings);
        } catch (const FileError& error) {
            return utf(error.what());
        }
        return "";
    }
    // Two turns that learn: the first phrase gives a reply to answer, the second is learned.
    void learnOneLine(const std::string& phrase) {
        EXPECT_EQ(say("Привет"), "");
        EXPECT_EQ(say(phrase), "");
    }

    TempFolder folder;
    LineFiles store = impatient(folder.path());
    ScriptedRandom random;
    RecordingSurroundings surroundings;
    ReplyEngine engine{store, random};
};

// The shipped base is RTF without a byte to spare: every kind of damage cuts it somewhere.
TEST_F(BaseSafety, ADamagedFileFailsTheTurnAndStaysByteForByte) {
    const std::string whole = folder.read("Base/Words.Dat");
    const std::size_t firstPar = whole.find("\\par");
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"a stray brace after the first line",
         whole.substr(0, firstPar) + "}" + whole.substr(firstPar)},
        {"an unclosed group at the end", whole + "{\\b "},
        {"binary data running past the end", whole.substr(0, whole.rfind('}')) + "\\bin500 ab}"},
        {"a file cut off in the middle", whole.substr(0, whole.size() / 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        surroundings.transcript.clearView(); // no turn is a repeat of the last case's
        folder.write("Base/Words.Dat", c.bytes);
        EXPECT_EQ(say("Привет"), "Cannot open file Base\\Words.Dat");
        EXPECT_EQ(say("Совсем новая фраза"), "Cannot open file Base\\Words.Dat");
        EXPECT_EQ(folder.read("Base/Words.Dat"), c.bytes);
    }
    // What word processors leave after the closing brace is no damage.
    folder.write("Base/Words.Dat", whole + std::string("\r\n\0", 3));
    surroundings.transcript.clearView();
    EXPECT_EQ(say("Привет"), "");
    EXPECT_EQ(utf(engine.state().CpuReply), "Привет!");
}

TEST_F(BaseSafety, AFileMarkedReadOnlyIsNotReplaced) {
    const std::string before = folder.read("Base/Words.Dat");
    ::chmod((folder.path() / "Base/Words.Dat").c_str(), 0444);
    try {
        store.save(programfiles::Words, LineList({"x"}));
        ADD_FAILURE() << "saved over a read-only file";
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "Cannot create file Base\\Words.Dat");
    }
    EXPECT_EQ(folder.read("Base/Words.Dat"), before);
    EXPECT_EQ(fs::status(folder.path() / "Base/Words.Dat").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path() / "Base"), {}), 8);
}

TEST_F(BaseSafety, ALinkedFileIsSavedThroughItsLink) {
    TempFolder synced;
    synced.write("Words.Dat", folder.read("Base/Words.Dat"));
    fs::remove(folder.path() / "Base/Words.Dat");
    fs::create_symlink(synced.path() / "Words.Dat", folder.path() / "Base/Words.Dat");
    learnOneLine("Совсем новая фраза");
    EXPECT_TRUE(fs::is_symlink(folder.path() / "Base/Words.Dat"));
    EXPECT_EQ(read(programfiles::Words).back(), "СОВСЕМ НОВАЯ ФРАЗА.^");
    EXPECT_NE(synced.read("Words.Dat").find("\\'d1\\'ce\\'c2\\'d1\\'c5\\'cc"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(synced.path()), {}), 1);
}

TEST_F(BaseSafety, LinkLoopsDanglingLinksAndSpecialFilesAreFileErrorsAtOnce) {
    const fs::path base = folder.path() / "Base";
    fs::create_symlink(base / "Loop1.Dat", base / "Loop2.Dat");
    fs::create_symlink(base / "Loop2.Dat", base / "Loop1.Dat");
    fs::create_symlink(base / "Nowhere.Dat", base / "Dangling.Dat");
    ASSERT_EQ(::mkfifo((base / "Pipe.Dat").c_str(), 0644), 0);
    for (const char* name : {"Base\\Loop1.Dat", "Base\\Dangling.Dat", "Base\\Pipe.Dat"}) {
        SCOPED_TRACE(name);
        EXPECT_THROW(store.load(name), FileError);
        if (std::string(name) != "Base\\Pipe.Dat") {
            EXPECT_THROW(store.save(name, LineList({"x"})), FileError);
        }
    }
    EXPECT_FALSE(fs::exists(base / "Nowhere.Dat"));
    fs::remove(base / "W2.Dat");
    ASSERT_EQ(::mkfifo((base / "W2.Dat").c_str(), 0644), 0);
    EXPECT_EQ(say("Дела как?"), ""); // W1 answers; W2 is never opened
    EXPECT_EQ(say("Непонятное"), "Cannot open file Base\\W2.Dat");
}

TEST_F(BaseSafety, AnEmptyMainFileLearnsItsFirstPatternAfterAHeader) {
    folder.write("Base/Words.Dat", "");
    learnOneLine("Совсем новая фраза");
    const Lines words = read(programfiles::Words);
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[0], "Основная база: шаблон^ответ;ответ;");
    EXPECT_EQ(words[1], "СОВСЕМ НОВАЯ ФРАЗА.^");
}

TEST_F(BaseSafety, ASaveLeftoverGoesWhenTheBaseIsNextHeld) {
    folder.write("Base/Words.Dat.saving-Ab12Cd", "half a file");
    folder.write("Base/Mine.saving-notes.txt", "not ours");
    EXPECT_EQ(say("Привет"), "");
    EXPECT_FALSE(folder.exists("Base/Words.Dat.saving-Ab12Cd"));
    EXPECT_TRUE(folder.exists("Base/Mine.saving-notes.txt"));
}

TEST_F(BaseSafety, ABaseHeldByAnotherCopyIsBusyAndNothingIsLost) {
    const std::string before = folder.read("Base/Words.Dat");
    {
        const BaseLock other(PathResolver(folder.path()), programfiles::Words);
        ASSERT_TRUE(other.held());
        EXPECT_EQ(say("Совсем новая фраза"),
                  "Cannot open file Base\\Words.Dat: the base is busy in another copy of the "
                  "program");
        EXPECT_TRUE(surroundings.calls.empty()); // nothing shown: the phrase stays to send again
        EXPECT_EQ(folder.read("Base/Words.Dat"), before);
    }
    EXPECT_EQ(say("Привет"), "");
}

// A phrase of its own for every turn of every copy: one word, none inside another, so no turn is
// answered from what another learned.
std::string phraseOf(char copy, int turn) {
    return std::string("zq") + copy + static_cast<char>('b' + turn / 12) +
           static_cast<char>('b' + turn % 12);
}

// Two processes learn different phrases into one folder at once; every phrase each learned is in
// the base afterwards, as a pattern and as a fallback line.
TEST_F(BaseSafety, TwoCopiesLearningAtOnceLoseNothing) {
    constexpr int kTurns = 30;
    auto learner = [this](char copy) {
        LineFiles files{PathResolver(folder.path())}; // patient, as a real copy is
        MtRandom chance(static_cast<std::uint32_t>(copy));
        ReplyEngine own(files, chance);
        RecordingSurroundings window;
        for (int turn = 0; turn < kTurns; ++turn) {
            window.Input = phraseOf(copy, turn);
            own.SpeakClick(window);
            own.state().BranchDepth = 0;
        }
    };
    std::vector<pid_t> children;
    for (char copy : {'a', 'b'}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            try {
                learner(copy);
            } catch (...) {
                ::_exit(1);
            }
            ::_exit(0);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const Lines words = read(programfiles::Words);
    Lines fallbacks = read(programfiles::W1);
    const Lines w2 = read(programfiles::W2);
    fallbacks.insert(fallbacks.end(), w2.begin(), w2.end());
    auto holds = [](const Lines& lines, const std::string& start) {
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& line) { return line.rfind(start, 0) == 0; });
    };
    for (char copy : {'a', 'b'}) {
        for (int turn = 0; turn < kTurns; ++turn) {
            const std::string phrase = phraseOf(copy, turn);
            SCOPED_TRACE(phrase);
            if (turn > 0) { // the first phrase of a copy answers nothing, so nothing is learned
                EXPECT_TRUE(holds(words, cp1251::upper(phrase) + ".^"));
                EXPECT_TRUE(holds(fallbacks, phrase + "."));
            }
        }
    }
}

// The other files the program reads whole (settings, sounds, history, snapshots) follow the same
// rule: a regular file or nothing, never a wait on a pipe.
TEST(FileBytes, OnlyRegularFilesAreReadAndNothingWaits) {
    TempFolder folder;
    folder.write("Config.ini", "a\r\nb\r\n");
    ASSERT_EQ(::mkfifo((folder.path() / "Pipe.wav").c_str(), 0644), 0);
    fs::create_directory(folder.path() / "Folder.Txt");
    EXPECT_EQ(filebytes::readRegular(folder.path() / "Config.ini"), "a\r\nb\r\n");
    EXPECT_EQ(filebytes::readRegular(folder.path() / "Pipe.wav"), std::nullopt);
    EXPECT_EQ(filebytes::readRegular(folder.path() / "Folder.Txt"), std::nullopt);
    EXPECT_EQ(filebytes::readRegular(folder.path() / "Missing.Txt"), std::nullopt);
}

} // namespace
