#include "dialogue/KbStatistics.h"

#include "engine/FileError.h"
#include "engine/LineFiles.h"
#include "engine/ProgramFiles.h"
#include "engine/WorkList.h"
#include "support/Cp.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char* name(KbStatistics::MenuItem item) {
    switch (item) {
    case KbStatistics::MenuItem::N18:
        return "N18";
    case KbStatistics::MenuItem::N19:
        return "N19";
    case KbStatistics::MenuItem::N20:
        return "N20";
    }
    return "?";
}

class RecordingCaptions : public KbStatistics::CaptionSink {
public:
    std::vector<std::string> appended;
    void appendToCaption(KbStatistics::MenuItem item, const std::string& suffix) override {
        appended.push_back(std::string(name(item)) + suffix);
    }
};

std::string tenLines(const std::string& tag) {
    std::string text;
    for (int i = 0; i < 10; ++i) {
        text += tag + std::to_string(i) + ";\r\n"; // a ";" in a reply file counts for nothing
    }
    return text;
}

const std::string kWords = "ГЛАВНАЯ^\r\nПРИВЕТ^Привет!;Здравствуй!;\r\n_КАК ДЕЛА^Хорошо;\r\n";

struct Base {
    TempFolder temp;
    WorkList RE2{LineFiles(PathResolver(temp.path()))};
    RecordingCaptions captions;
    KbStatistics statistics;

    Base() {
        temp.write("Base/Words.Dat", cp(kWords));
        for (const char* file : {"BigString", "Pause", "Povtor", "W1", "W2", "X"}) {
            temp.write(std::string("Base/") + file + ".Dat", tenLines(file));
        }
    }

    std::string tick() {
        try {
            statistics.T8Tick(RE2, captions);
        } catch (const FileError& error) {
            return error.what();
        }
        return "";
    }
};

LineList words(const std::string& utf8) {
    return LineList::fromText(cp(utf8));
}

} // namespace

TEST(KbStatistics, CountsMainPhrasesAndBranchesFromLineOne) {
    struct Case {
        const char* text;
        int main;
        int branches;
    };
    const Case cases[] = {
        {"", 0, 0},
        {"ТОЛЬКО НУЛЕВАЯ^", 0, 0},
        {"_ НУЛЕВАЯ НЕ СЧИТАЕТСЯ^", 0, 0},
        {"0\r\nПРИВЕТ^Привет!;Здравствуй!;\r\n_КАК ДЕЛА^Хорошо;\r\n", 1, 1},
        {"0\r\nВЫУЧЕНО^\r\n", 1, 0},
        {"0\r\n__ГЛУБЖЕ^Да;\r\n_А^Б;\r\nВ^Г;\r\n", 1, 2},
        {"0\r\n\r\nА^Б;\r\n", 2, 0}, // an empty line is a main phrase
        {"0\r\n ^x;\r\n", 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const KbStatistics::PhraseCounts counts = KbStatistics::countPhrases(words(c.text));
        EXPECT_EQ(counts.mainPhrases, c.main);
        EXPECT_EQ(counts.branches, c.branches);
        EXPECT_EQ(counts.mainPhrases + counts.branches,
                  KbStatistics::incomingExpressions(words(c.text)));
    }
}

TEST(KbStatistics, TheStatusTextNamesBothCounts) {
    EXPECT_EQ(utf(KbStatistics::statusText({12, 3})),
              "Программе известно:   [главные фразы - 12   ветки - 3]");
    EXPECT_EQ(utf(KbStatistics::statusText({0, 0})),
              "Программе известно:   [главные фразы - 0   ветки - 0]");
}

TEST(KbStatistics, CountsTheAlternativesOfThePatternLinesOnly) {
    EXPECT_EQ(KbStatistics::alternativesInPatterns(words(kWords)), 3);
    EXPECT_EQ(KbStatistics::alternativesInPatterns(words(";;;\r\nА^;;б;;\r\n;\r\n")), 5);
    EXPECT_EQ(KbStatistics::alternativesInPatterns(words("0\r\nВЫУЧЕНО^\r\n")), 0);
    EXPECT_EQ(KbStatistics::incomingExpressions(words(kWords)), 2);
    EXPECT_EQ(KbStatistics::incomingExpressions(words("0")), 0);
    EXPECT_EQ(KbStatistics::incomingExpressions(LineList()), 0);
    EXPECT_EQ(KbStatistics::captionSuffix(65), " [65]");
}

TEST(KbStatistics, TheTickFillsTheThreeCaptionsInOrder) {
    Base base;
    EXPECT_EQ(base.tick(), "");
    EXPECT_EQ(base.captions.appended,
              (std::vector<std::string>{"N18 [2]", "N19 [63]", "N20 [65]"}));
    EXPECT_TRUE(base.statistics.finished());
    EXPECT_EQ(base.RE2.lines(), words(kWords)); // RE2 holds Words when the tick ends
}

TEST(KbStatistics, ALearnedLineAddsToIncomingOnly) {
    Base base;
    base.temp.write("Base/Words.Dat", cp(kWords + "НОВАЯ ФРАЗА^\r\n"));
    EXPECT_EQ(base.tick(), "");
    EXPECT_EQ(base.captions.appended,
              (std::vector<std::string>{"N18 [3]", "N19 [63]", "N20 [66]"}));
}

TEST(KbStatistics, AFailedLoadEndsTheTickKeepingTheCaptionsBeforeIt) {
    Base base;
    std::filesystem::remove(base.temp.path() / "Base/W1.Dat");
    EXPECT_EQ(base.tick(), "Cannot open file Base\\W1.Dat");
    EXPECT_EQ(base.captions.appended, (std::vector<std::string>{"N18 [2]"}));
    EXPECT_TRUE(base.statistics.captionFilled(KbStatistics::MenuItem::N18));
    EXPECT_FALSE(base.statistics.captionFilled(KbStatistics::MenuItem::N19));
    EXPECT_FALSE(base.statistics.finished());

    // The timer stays armed; the same failure again adds nothing.
    EXPECT_EQ(base.tick(), "Cannot open file Base\\W1.Dat");
    EXPECT_EQ(base.captions.appended, (std::vector<std::string>{"N18 [2]"}));

    // Once the file is back, the retry fills only the bare captions, with fresh counts.
    base.temp.write("Base/W1.Dat", tenLines("W1") + "ещё\r\n");
    EXPECT_EQ(base.tick(), "");
    EXPECT_EQ(base.captions.appended,
              (std::vector<std::string>{"N18 [2]", "N19 [64]", "N20 [66]"}));
    EXPECT_TRUE(base.statistics.finished());
}

TEST(KbStatistics, AMissingWordsFileFillsNothing) {
    Base base;
    std::filesystem::remove(base.temp.path() / "Base/Words.Dat");
    EXPECT_EQ(base.tick(), "Cannot open file Base\\Words.Dat");
    EXPECT_TRUE(base.captions.appended.empty());
}

TEST(KbStatistics, EachReplyFileIsLoadedInItsTurn) {
    const char* const order[] = {"BigString", "Pause", "Povtor", "W1", "W2", "X"};
    for (const char* missing : order) {
        SCOPED_TRACE(missing);
        Base base;
        for (const char* other : order) {
            if (std::string(other) != missing) {
                continue;
            }
            std::filesystem::remove(base.temp.path() / (std::string("Base/") + other + ".Dat"));
        }
        EXPECT_EQ(base.tick(), std::string("Cannot open file Base\\") + missing + ".Dat");
    }
    // With two missing, the first in the order is the one reported.
    Base base;
    std::filesystem::remove(base.temp.path() / "Base/X.Dat");
    std::filesystem::remove(base.temp.path() / "Base/Pause.Dat");
    EXPECT_EQ(base.tick(), "Cannot open file Base\\Pause.Dat");
}

TEST(KbStatistics, AFinishedTickDoesNothing) {
    Base base;
    EXPECT_EQ(base.tick(), "");
    std::filesystem::remove(base.temp.path() / "Base/Words.Dat");
    EXPECT_EQ(base.tick(), "");
    EXPECT_EQ(base.captions.appended.size(), 3u);
}

TEST(KbStatistics, ReplyFilesCountLineZeroAndNotAFinalEmptyLine) {
    Base base;
    base.temp.write("Base/X.Dat", "a\r\n\r\nb\r\n");
    base.temp.write("Base/Pause.Dat", "");
    EXPECT_EQ(base.tick(), "");
    // 10 * 4 + 3 + 0, plus 3 alternatives.
    EXPECT_EQ(base.captions.appended,
              (std::vector<std::string>{"N18 [2]", "N19 [46]", "N20 [48]"}));
}
