#include "engine/KbLine.h"
#include "engine/LineFiles.h"
#include "engine/MainLookup.h"
#include "engine/PatternScan.h"
#include "engine/ProgramFiles.h"
#include "engine/WorkList.h"
#include "support/Cp.h"
#include "support/ScriptedRandom.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct Found {
    int line = 0;
    bool wordByWord = false;
    bool operator==(const Found&) const = default;
};

// The lookup done the long way: every line in file order with whole patterns, then every line
// word by word.
std::optional<Found> scanEveryLine(const LineList& words, std::string_view phrase) {
    const PatternScan scan(phrase);
    for (const bool wordByWord : {false, true}) {
        for (int index = 1; index < words.count(); ++index) {
            const std::string& line = words.line(index);
            if (!kbline::answers(line)) {
                continue;
            }
            const std::string_view pattern = kbline::pattern(line);
            if (wordByWord ? MainLookup::wordsFound(pattern, scan)
                           : scan.find(pattern).has_value()) {
                return Found{index, wordByWord};
            }
        }
    }
    return std::nullopt;
}

// Text over a few letters in both cases, spaces and the base's markup, so that patterns often
// stand in a phrase, often only in part, and often broken ("КОТ" in "ККОТ").
std::string randomText(std::mt19937& chance, int longest) {
    static const std::string letters = cp("КОТкот   ^;_.");
    std::string text(std::uniform_int_distribution<int>(0, longest)(chance), ' ');
    for (char& c : text) {
        c = letters[std::uniform_int_distribution<std::size_t>(0, letters.size() - 1)(chance)];
    }
    return text;
}

} // namespace

TEST(PatternIndex, TheIndexedLookupAnswersExactlyAsAScanOfEveryLine) {
    TempFolder folder;
    std::mt19937 chance(12);
    ScriptedRandom random;
    WorkList work{LineFiles(PathResolver(folder.path()))};
    int answered[2] = {0, 0};
    int unanswered = 0;
    for (int base = 0; base < 300; ++base) {
        std::string text = "header\r\n";
        const int lines = std::uniform_int_distribution<int>(0, base < 290 ? 40 : 3000)(chance);
        for (int i = 0; i < lines; ++i) {
            text += randomText(chance, 10) + "\r\n";
        }
        folder.write("Base/Words.Dat", text);
        const LineList words = LineList::fromText(text);
        for (int phrase = 0; phrase < 30; ++phrase) {
            const std::string said = randomText(chance, 16);
            const auto answer = MainLookup(work, random).find(said);
            const auto expected = scanEveryLine(words, said);
            ASSERT_EQ(answer.has_value(), expected.has_value()) << "base " << base << ": " << said;
            if (answer) {
                ASSERT_EQ((Found{answer->line, answer->wordByWord}), *expected)
                    << "base " << base << ": " << said;
                ++answered[answer->wordByWord];
            } else {
                ++unanswered;
            }
        }
    }
    // Every outcome came up often enough to have been tried.
    EXPECT_GT(answered[0], 500);
    EXPECT_GT(answered[1], 500);
    EXPECT_GT(unanswered, 500);
}

TEST(PatternIndex, IsBuiltOnTheSecondAskingAndKeptWhileTheFileStaysTheSame) {
    TempFolder folder;
    folder.write("W.Dat", cp("Заголовок\r\nКОТ^Мяу;\r\n"));
    const LineFiles files{PathResolver(folder.path())};
    const auto first = files.loadIndexed("W.Dat");
    ASSERT_NE(first.index, nullptr);
    EXPECT_EQ(files.loadIndexed("W.Dat").index, first.index);
    EXPECT_EQ(first.index->wholePatternCandidates(cp("КОТ")),
              std::nullopt); // scanned the first time
    EXPECT_EQ(first.index->wholePatternCandidates(cp("КОТ")), std::vector<int>{1});

    LineList changed = first.lines;
    changed.append(cp("ПЁС^Гав;"));
    files.save("W.Dat", changed);
    const auto saved = files.loadIndexed("W.Dat");
    EXPECT_NE(saved.index, first.index);
    saved.index->wholePatternCandidates(cp("КОТ И ПЁС"));
    EXPECT_EQ(saved.index->wholePatternCandidates(cp("КОТ И ПЁС")), (std::vector<int>{1, 2}));

    folder.write("W.Dat", cp("Заголовок\r\nПЁС^Гав;\r\n"));
    const auto rewritten = files.loadIndexed("W.Dat");
    rewritten.index->wholePatternCandidates(cp("КОТ И ПЁС"));
    EXPECT_EQ(rewritten.index->wholePatternCandidates(cp("КОТ И ПЁС")), std::vector<int>{1});
}
