// Word completion without a window: the lookup, the arrow keys, accepting, and the dictionary
// read at every switch.

#include "input/Completion.h"

#include "engine/FileError.h"
#include "engine/LineFiles.h"
#include "support/Cp.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kNone = "[NONE]";

// A completion switched on over a dictionary written into a folder of its own, and an input line
// whose every change starts the next lookup at the first entry, as the window's change handler
// does.
class CompletionTest : public ::testing::Test {
protected:
    void writeDictionary(const std::vector<std::string>& utf8Entries) {
        std::string bytes;
        for (const std::string& entry : utf8Entries) {
            bytes += cp(entry) + "\r\n";
        }
        folder.write("Base/dictionary.dat", bytes);
    }

    void switchOn(const std::vector<std::string>& utf8Entries) {
        writeDictionary(utf8Entries);
        completion.N24Click(files);
        ASSERT_TRUE(completion.isOn());
    }

    void type(const std::string& utf8) { setLine(cp(utf8)); }

    void setLine(const std::string& text) {
        if (text != line) {
            line = text;
            completion.SpeedIndex = -1;
        }
    }

    // One lookup; the panel text in UTF-8.
    std::string lookup() { return utf(completion.T11Timer(line)); }
    void accept() { setLine(completion.accepted(line)); }
    std::string suggestion() const { return utf(completion.SpeedSuggestion); }

    TempFolder folder;
    LineFiles files{PathResolver(folder.path())};
    Completion completion;
    std::string line;
};

TEST_F(CompletionTest, F5CompletesTheWordThenFindsNothingNew) {
    switchOn({"привет", "Привычка", "прямо"});
    type("Я прив");
    EXPECT_EQ(lookup(), "привет");
    EXPECT_EQ(suggestion(), "ет");
    EXPECT_EQ(completion.SpeedIndex, 0);

    accept();
    EXPECT_EQ(utf(line), "Я привет");
    EXPECT_EQ(lookup(), "привет"); // the whole word now, with nothing left to add
    EXPECT_EQ(suggestion(), "");

    accept();
    EXPECT_EQ(utf(line), "Я привет");
    EXPECT_EQ(completion.SpeedIndex, 0); // unchanged line: the search goes on after the match
    EXPECT_EQ(lookup(), kNone);
    EXPECT_EQ(completion.SpeedIndex, -1);
}

TEST_F(CompletionTest, LookupFindsTheFirstEntryBeginningWithTheLastWord) {
    const struct {
        std::vector<std::string> entries;
        std::string line;
        std::string panel;
        std::string suggestion;
        int index;
    } cases[] = {
        {{"ПРИВЕТ"}, "ПРИ", "ПРИВЕТ", "ВЕТ", 0},   // shown as stored
        {{"привет"}, "пРи", "привет", "вет", 0},   // case does not matter
        {{"ЁЖИК"}, "ёж", "ЁЖИК", "ИК", 0},         // ё has its capital too
        {{"Hello"}, "hE", "Hello", "llo", 0},      // Latin letters as well
        {{"Їжак", "їжак"}, "ї", "їжак", "жак", 1}, // other Cyrillic letters only as written
        {{"", "п", "пр", "привет"}, "при", "привет", "вет", 3},    // empty and short entries passed
        {{" привет", ",привет", ".привет"}, "при", kNone, "", -1}, // a leading separator hides
        {{"как дела"}, "ну,ка", "как дела", "к дела", 0}, // the word after the last separator
        {{"да"}, "ДА", "да", "", 0},                      // the whole entry typed
        {{"дом", "дорога"}, "дор", "дорога", "ога", 1},
        {{"дом"}, "домик", kNone, "", -1}, // an entry shorter than the word
        {{}, "дом", kNone, "", -1},        // an empty dictionary
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        switchOn(c.entries);
        type(c.line);
        EXPECT_EQ(lookup(), c.panel);
        EXPECT_EQ(suggestion(), c.suggestion);
        EXPECT_EQ(completion.SpeedIndex, c.index);
        completion.N24Click(files); // off again, for the next case
        line.clear();
    }
}

TEST_F(CompletionTest, NothingBeingTypedFindsNothingAndKeepsTheProposal) {
    switchOn({"привет", "при"});
    for (const std::string ending : {"", " ", ",", ".", "!", "?"}) {
        SCOPED_TRACE("ending '" + ending + "'");
        type("при");
        ASSERT_EQ(lookup(), "привет");
        type(ending.empty() ? "" : "при" + ending);
        EXPECT_EQ(lookup(), kNone);
        EXPECT_EQ(suggestion(), "вет"); // F5 would still append it
        EXPECT_EQ(completion.SpeedIndex, -1);
    }
}

TEST_F(CompletionTest, AcceptingAppendsTheProposalInLowerCase) {
    switchOn({"ПРИВЕТ"});
    type("Я ПРИ");
    lookup();
    accept();
    EXPECT_EQ(utf(line), "Я ПРИвет");
}

// The arrow keys move the current entry; the lookup that follows starts after it.
TEST_F(CompletionTest, ArrowKeysMoveThroughTheDictionary) {
    using Key = Completion::Key;
    // Entries 0, 1, 2 and 4 begin with "пр"; entry 3 does not.
    const std::vector<std::string> entries = {"привет", "прямо", "пример", "дом", "прочь"};
    const struct {
        const char* what;
        int from; // SpeedIndex before the key
        Key key;
        std::string shown; // the panel right after the key
        int index;         // SpeedIndex right after the key
        std::string found; // the panel after the lookup that follows, typing "пр"
    } cases[] = {
        {"Up with no current entry shows entry 0", -1, Key::Up, "привет", 0, "прямо"},
        {"Up at entry 0 moves on to the next match", 0, Key::Up, "привет", 0, "прямо"},
        {"Up at entry 1 keeps it", 1, Key::Up, "привет", 0, "прямо"},
        {"Up at entry 2 goes back to entry 1", 2, Key::Up, "привет", 0, "прямо"},
        {"Up at entry 4 passes over entry 3", 4, Key::Up, "пример", 2, "прочь"},
        {"Down at entry 0 skips entry 1", 0, Key::Down, "прямо", 1, "пример"},
        {"Down at the last entry stays there", 4, Key::Down, "прочь", 4, kNone},
        {"another key moves on to the next match", 1, Key::Other, "прямо", 1, "пример"},
        {"another key with no current entry shows entry 0", -1, Key::Other, "привет", 0, "прямо"},
    };
    switchOn(entries);
    type("пр");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        completion.SpeedIndex = c.from;
        const std::optional<std::string> shown = completion.keyDown(c.key);
        ASSERT_TRUE(shown);
        EXPECT_EQ(utf(*shown), c.shown);
        EXPECT_EQ(completion.SpeedIndex, c.index);
        EXPECT_EQ(lookup(), c.found);
    }
}

TEST_F(CompletionTest, UpFindsTheEarlierMatchOrKeepsTheCurrentOne) {
    switchOn({"дом", "привет", "дорога", "дом"});
    type("дом");
    ASSERT_EQ(lookup(), "дом");
    ASSERT_EQ(lookup(), "дом"); // entry 3
    ASSERT_EQ(completion.SpeedIndex, 3);
    completion.keyDown(Completion::Key::Up); // resumes at entry 2: no match before entry 3
    EXPECT_EQ(lookup(), "дом");
    EXPECT_EQ(completion.SpeedIndex, 3);
}

TEST_F(CompletionTest, KeysDoNothingWhileOffOrWithAnEmptyDictionary) {
    switchOn({"привет"});
    completion.N24Click(files); // off: the entries stay loaded
    completion.SpeedIndex = 0;
    EXPECT_FALSE(completion.keyDown(Completion::Key::Down));
    EXPECT_EQ(completion.SpeedIndex, 0);

    writeDictionary({});
    completion.N24Click(files);
    ASSERT_TRUE(completion.isOn());
    EXPECT_FALSE(completion.keyDown(Completion::Key::Down));
    EXPECT_EQ(completion.SpeedIndex, 0);
}

TEST_F(CompletionTest, KeysKeepTheIndexInsideASmallerDictionary) {
    switchOn({"а", "б", "в", "г", "д"});
    completion.SpeedIndex = 4;
    completion.N24Click(files);
    writeDictionary({"а", "б"});
    completion.N24Click(files); // the index is left where it was
    EXPECT_EQ(completion.SpeedIndex, 4);
    EXPECT_EQ(utf(completion.keyDown(Completion::Key::Down).value()), "б");
    EXPECT_EQ(completion.SpeedIndex, 1);
}

TEST_F(CompletionTest, EverySwitchReadsTheFileAsItStandsAndLeavesTheProposal) {
    switchOn({"привет"});
    type("при");
    lookup();
    writeDictionary({"прыжок"});
    completion.N24Click(files);
    EXPECT_FALSE(completion.isOn());
    EXPECT_EQ(utf(completion.SpeedWord.line(0)), "прыжок"); // read when switching off as well
    EXPECT_EQ(completion.SpeedIndex, 0);
    EXPECT_EQ(suggestion(), "вет");

    writeDictionary({"прямо", "", "прочь"});
    completion.N24Click(files);
    EXPECT_TRUE(completion.isOn());
    EXPECT_EQ(completion.SpeedWord.count(), 3); // the empty line is an entry too
    type("пр");
    EXPECT_EQ(lookup(), "прямо");
    EXPECT_EQ(lookup(), "прочь");
}

TEST_F(CompletionTest, AFileThatCannotBeReadChangesNothing) {
    switchOn({"привет"});
    std::filesystem::remove(folder.path() / "Base/dictionary.dat");
    try {
        completion.N24Click(files);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "Cannot open file Base\\dictionary.dat");
    }
    EXPECT_TRUE(completion.isOn());
    EXPECT_EQ(utf(completion.SpeedWord.line(0)), "привет");
}

} // namespace
