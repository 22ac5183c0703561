#include "tools/KbReview.h"

#include "engine/LineFiles.h"
#include "engine/ProgramFiles.h"
#include "support/Cp.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct ReviewFolder {
    TempFolder folder;
    LineFiles files{PathResolver(folder.path())};

    explicit ReviewFolder(std::initializer_list<const char*> lines) {
        LineList words;
        words.append(cp("Заголовок"));
        for (const char* line : lines) {
            words.append(cp(line));
        }
        folder.write("Base/Words.Dat", "");
        files.save(programfiles::Words, words);
    }
    std::vector<std::string> words() const {
        std::vector<std::string> lines;
        for (const std::string& line : files.load(programfiles::Words).lines()) {
            lines.push_back(utf(line));
        }
        return lines;
    }
    std::string review(const std::string& typed) const {
        std::istringstream in(typed);
        std::ostringstream out;
        KbReview(files).ask(in, out);
        return out.str();
    }
};

TEST(KbReview, WaitingLinesAreLearnedMainLinesWithoutAReplyNewestFirst) {
    LineList words;
    for (const char* line :
         {"ДА^", "ДА^", "ПРИВЕТ^Привет!;", "", "БЕЗ ЗНАКА", "_ВЕТКА^", "^", "ПОКА^", "^^"}) {
        words.append(cp(line));
    }
    // Line 0 is the header; "^^" is the pattern "^" waiting for its reply.
    EXPECT_EQ(KbReview::waitingLines(words), (std::vector<int>{8, 7, 1}));
}

TEST(KbReview, ListPrintsIndexAndPatternForScripts) {
    const ReviewFolder base({"ПРИВЕТ^Привет!;", "КАК ТЕБЯ ЗОВУТ?^", "ВАСЯ.^"});
    std::ostringstream out;
    KbReview(base.files).list(out);
    EXPECT_EQ(out.str(), "3: ВАСЯ.\n2: КАК ТЕБЯ ЗОВУТ?\n");
}

TEST(KbReview, AScriptedReviewAttachesDeletesAndSkipsAsTyped) {
    const ReviewFolder base({"ПРИВЕТ^Привет!;", "ЧТО?^", "КАК ТЕБЯ ЗОВУТ?^", "ВАСЯ.^"});
    // Newest first: ВАСЯ. gets a reply, КАК ТЕБЯ ЗОВУТ? is skipped, ЧТО? is deleted.
    const std::string said = base.review("  приятно познакомиться  \n\n-\n");
    EXPECT_NE(said.find("Lines changed: 2."), std::string::npos) << said;
    EXPECT_EQ(base.words(),
              (std::vector<std::string>{"Заголовок", "ПРИВЕТ^Привет!;", "КАК ТЕБЯ ЗОВУТ?^",
                                        "ВАСЯ.^Приятно познакомиться.;"}));
}

TEST(KbReview, AReplyThatWouldBreakTheLineIsRefusedAndAskedAgain) {
    const ReviewFolder base({"ЧТО?^"});
    const std::string said = base.review("Да;нет\n_ветка\nКонец@\nНичего.\n");
    EXPECT_NE(said.find("holds \";\""), std::string::npos) << said;
    EXPECT_NE(said.find("begins with \"_\""), std::string::npos) << said;
    EXPECT_NE(said.find("holds \"@\""), std::string::npos) << said;
    EXPECT_EQ(base.words().back(), "ЧТО?^Ничего.;");
}

TEST(KbReview, QuitStopsAndChangesNothingMore) {
    const ReviewFolder base({"ЧТО?^", "ГДЕ?^"});
    base.review("q\nТам.\n");
    EXPECT_EQ(base.words().back(), "ГДЕ?^");
}

TEST(KbReview, ALineWithBranchesBelowItIsNotDeleted) {
    const ReviewFolder base({"ЧТО?^", "_ЭТО^Вот.;", "ГДЕ?^Там.;"});
    const std::string said = base.review("-\n");
    EXPECT_NE(said.find("Not deleted"), std::string::npos) << said;
    EXPECT_EQ(base.words().size(), 4u);
}

TEST(KbReview, ALineTheProgramAnsweredMeanwhileIsLeftAlone) {
    const ReviewFolder base({"ЧТО?^", "ГДЕ?^"});
    // The review lists the lines, then a copy of the program answers "ГДЕ?" before the reply is
    // typed: the stream reads the base's change on its first read.
    struct ChangingInput : std::streambuf {
        const ReviewFolder& base;
        std::string typed = "Здесь.\n";
        bool changed = false;
        explicit ChangingInput(const ReviewFolder& b) : base(b) {}
        int_type underflow() override {
            if (changed) {
                return traits_type::eof();
            }
            changed = true;
            LineList words = base.files.load(programfiles::Words);
            words.remove(2);
            words.append(cp("ГДЕ?^Там.;"));
            base.files.save(programfiles::Words, words);
            setg(typed.data(), typed.data(), typed.data() + typed.size());
            return traits_type::to_int_type(typed[0]);
        }
    } input(base);
    std::istream in(&input);
    std::ostringstream out;
    KbReview(base.files).ask(in, out);
    EXPECT_NE(out.str().find("no longer waiting"), std::string::npos) << out.str();
    EXPECT_EQ(base.words().back(), "ГДЕ?^Там.;");
}

} // namespace
