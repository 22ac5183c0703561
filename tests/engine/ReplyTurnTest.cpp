#include "engine/FileError.h"
#include "engine/ProgramFiles.h"
#include "engine/ReplyEngine.h"
#include "support/Cp.h"
#include "support/RecordingSurroundings.h"
#include "support/ScriptedRandom.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Lines = std::vector<std::string>;
using Stage = ReplySource::Stage;

// A program folder with a small base in plain Windows-1251 text, one engine and one window's worth
// of surroundings. Texts in and out of the fixture are UTF-8.
class ReplyTurn : public ::testing::Test {
protected:
    ReplyTurn() {
        files({{"Base/Words.Dat", {"Заголовок"}},
               {"Base/Povtor.Dat", {"Ты повторяешься."}},
               {"Base/X.Dat", {"Не груби."}},
               {"Base/Collection.Dat", {}},
               {"Base/BigString.Dat", {"Длинно."}},
               {"Base/W1.Dat", {"Не знаю."}},
               {"Base/W2.Dat", {"Понятно."}},
               {"Base/AI.dat", {"Заголовок", "Кстати."}}});
    }

    void files(const std::map<std::string, Lines>& contents) {
        for (const auto& [name, lines] : contents) {
            std::string text;
            for (const std::string& line : lines) {
                text += cp(line) + "\r\n";
            }
            folder.write(name, text);
        }
    }
    void words(const Lines& lines) {
        Lines all{"Заголовок"};
        all.insert(all.end(), lines.begin(), lines.end());
        files({{"Base/Words.Dat", all}});
    }
    Lines read(const std::string& name) const {
        Lines out;
        const LineList list = store.load(name);
        for (const std::string& line : list.lines()) {
            out.push_back(utf(line));
        }
        return out;
    }

    // One turn on the phrase, with the given draws; the reply in UTF-8.
    std::string say(const std::string& phrase, std::vector<int> draws = {}) {
        surroundings.Input = cp(phrase);
        random.script(std::move(draws));
        engine.SpeakClick(surroundings);
        return utf(engine.state().CpuReply);
    }

    TempFolder folder;
    LineFiles store{PathResolver(folder.path())};
    ScriptedRandom random;
    RecordingSurroundings surroundings;
    ReplyEngine engine{store, random};
    EngineState& state = engine.state();
};

TEST_F(ReplyTurn, ACompletedTurnShowsLogsAndResetsInThatOrder) {
    words({"ПРИВЕТ^Привет!;"});
    state.IdleTicks = 42;
    EXPECT_EQ(say("привет"), "Привет!");
    EXPECT_EQ(surroundings.calls, (Lines{"busy", "phrase cue", "echo", "T4 off", "reply cue",
                                         "reply", "normal cursor", "T9 on", "clear input"}));
    EXPECT_EQ(utf(surroundings.transcript.log().text()),
              "USER:     Привет.\r\nCPU:     Привет!\r\n");
    EXPECT_EQ(utf(state.UserPhrase), "Привет.");
    EXPECT_EQ(utf(state.PrevReply), "Привет!");
    EXPECT_EQ(state.IdleTicks, 0);
    EXPECT_EQ(random.reseeds, 1);
}

TEST_F(ReplyTurn, AnEmptyPhraseIsNoTurnAtAll) {
    EXPECT_EQ(say(""), "");
    EXPECT_TRUE(surroundings.calls.empty());
    EXPECT_EQ(surroundings.transcript.log().count(), 0);
}

TEST_F(ReplyTurn, MainLookupTakesTheFirstMatchWholeThenWordByWord) {
    words({"КАК ДЕЛА^Хорошо.;", "ПРИВЕТ^Привет!;", "ПРИВЕТ, КАК^Второй.;", "ДА^Хорошо.;Ладно.;"});
    struct Case {
        const char* phrase;
        std::vector<int> draws;
        const char* reply;
        Stage stage;
        int line;
    } cases[] = {
        {"Привет, как дела?", {}, "Хорошо.", Stage::WholePattern, 1},
        {"Как твои дела?", {}, "Хорошо.", Stage::WordByWord, 1},
        {"Ну привет", {}, "Привет!", Stage::WholePattern, 2},
        {"да", {0, 1}, "Ладно.", Stage::WholePattern, 4},
        {"Дела как?", {}, "Не знаю.", Stage::Fallback, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.phrase);
        EXPECT_EQ(say(c.phrase, c.draws), c.reply);
        EXPECT_EQ(engine.lastSource().stage, c.stage);
        EXPECT_EQ(engine.lastSource().line, c.line);
        state.BranchDepth = 0;
        surroundings.transcript.clearView();
    }
}

TEST_F(ReplyTurn, MainLineOpensABranchAndDecidesTheFarewell) {
    words({"ПОКА^До свидания!;@", "ПРИВЕТ^Привет!;", "ВСЁ^Всё;@Вася.;"});
    say("Пока");
    EXPECT_TRUE(surroundings.T4);
    EXPECT_EQ(state.BranchDepth, 1);
    EXPECT_EQ(state.ContextLine, 1);
    say("Привет");
    EXPECT_FALSE(surroundings.T4);
    EXPECT_EQ(state.ContextLine, 2);
    say("Пока");
    say("Всё"); // an "@" that is no longer last does not count
    EXPECT_FALSE(surroundings.T4);
}

TEST_F(ReplyTurn, RepeatedPhraseIsAnsweredFromPovtorBeforeTheGuards) {
    words({"ПРИВЕТ^Привет!;"});
    say("Привет.");
    EXPECT_EQ(say("привет"), "Ты повторяешься.");
    EXPECT_EQ(engine.lastSource().stage, Stage::Repeat);
    say("Ты лох");
    EXPECT_EQ(say("ты лох."), "Ты повторяешься.");
    EXPECT_EQ(read(programfiles::Collection), Lines{">>> Ты лох."});
}

TEST_F(ReplyTurn, FirstGuardAnswersFromXAndCollectsEveryCatch) {
    words({"ЛОДКА^Лодка.;"});
    state.BranchDepth = 1;
    state.ContextLine = 1;
    EXPECT_EQ(say("Ты лох"), "Не груби.");
    EXPECT_EQ(say("Подлодка"), "Не груби.");
    EXPECT_EQ(say("Ты лох"), "Не груби."); // not a repeat: the reply stands between
    EXPECT_EQ(read(programfiles::Collection),
              (Lines{">>> Ты лох.", ">>> Подлодка.", ">>> Ты лох."}));
    EXPECT_EQ(state.BranchDepth, 1);
    EXPECT_EQ(state.ContextLine, 1);
    for (const char* innocent : {"Лох", "Гадость", "Ты ддура"}) {
        EXPECT_NE(say(innocent), "Не груби.") << innocent;
    }
}

TEST_F(ReplyTurn, SecondGuardLetsTheTurnAnswerButLearnNothing) {
    words({"ЗОВУТ^Красивое имя.;"});
    files({{"Base/W2.Dat", {"Понятно.", "Меня зовут Вася."}}});
    state.PrevReply = cp("Как тебя зовут?");
    EXPECT_EQ(say("Меня зовут Петя"), "Красивое имя.");
    EXPECT_EQ(say("Я хочу спать"), "Понятно.");
    EXPECT_EQ(say("Мама дома"), "Понятно.");
    EXPECT_EQ(read(programfiles::Words), (Lines{"Заголовок", "ЗОВУТ^Красивое имя.;"}));
    EXPECT_EQ(read(programfiles::W1), Lines{"Не знаю."});
    EXPECT_EQ(read(programfiles::W2), (Lines{"Понятно.", "Меня зовут Вася."}));
}

TEST_F(ReplyTurn, LongPhraseIsLookedAtOnFourDrawsOutOfSix) {
    const std::string long110 = std::string(109, 'a') + ".";
    const std::string long109 = std::string(108, 'a') + ".";
    for (int draw = 0; draw < 6; ++draw) {
        SCOPED_TRACE(draw);
        const bool looks = draw != 1 && draw != 5;
        const Lines learned = read(programfiles::W2);
        EXPECT_EQ(say(long110, {draw}) == "Длинно.", looks);
        if (looks) {
            EXPECT_EQ(read(programfiles::W2), learned); // a long-phrase reply learns nothing
        }
        EXPECT_NE(say(long109, {draw}), "Длинно.");
    }
}

class Branches : public ReplyTurn {
protected:
    Branches() {
        // Line 1 is a main line, so the branch lines of the example start at line 2.
        words({"ПОГОДА^Солнечно.;", "ПРИВЕТ^Привет!;", "_КАК ДЕЛА^Хорошо.;",
               "__ПОЧЕМУ^Просто так.;Потому.;", "_ЧТО ДЕЛАЕШЬ^Отвечаю тебе.;@", "ЧТО^Что-что?;"});
    }
    void openedAt(int line, int depth) {
        state.ContextLine = line;
        state.BranchDepth = depth;
    }
};

TEST_F(Branches, BranchLinesOfTheOpenDepthAnswerInFileOrder) {
    struct Case {
        int context, depth;
        const char* phrase;
        std::vector<int> draws;
        const char* reply;
        int contextAfter, depthAfter;
        Stage stage;
    } cases[] = {
        {2, 1, "Что делаешь?", {}, "Отвечаю тебе.", 5, 2, Stage::Branch},
        {3, 2, "Почему?", {0, 1}, "Потому.", 4, 3, Stage::Branch},
        {3, 2, "Что делаешь?", {}, "Что-что?", 6, 1, Stage::WholePattern},
        {2, 1, "Привет ещё раз", {}, "Привет!", 2, 1, Stage::WholePattern},
        {6, 1, "Погода", {}, "Солнечно.", 1, 1, Stage::WholePattern},
        {2, 1, "Как твои дела", {}, "Понятно.", 6, 0, Stage::Fallback}, // no word-by-word here
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.phrase);
        openedAt(c.context, c.depth);
        surroundings.T4 = false;
        EXPECT_EQ(say(c.phrase, c.draws), c.reply);
        EXPECT_EQ(state.ContextLine, c.contextAfter);
        EXPECT_EQ(state.BranchDepth, c.depthAfter);
        EXPECT_EQ(engine.lastSource().stage, c.stage);
        EXPECT_FALSE(surroundings.T4); // a branch line's "@" starts no farewell
    }
}

TEST_F(Branches, TheBranchStaysOpenAcrossRepeatGuardAndFallbackTurns) {
    openedAt(2, 1);
    say("Ты лох");
    EXPECT_EQ(state.BranchDepth, 1);
    EXPECT_EQ(say("Как дела"), "Хорошо.");
    openedAt(2, 1);
    EXPECT_EQ(say("Непонятное"), "Понятно.");
    EXPECT_EQ(state.BranchDepth, 0); // the branch closed, the main lookup found nothing
}

TEST_F(ReplyTurn, AnswerToAQuestionIsLearnedEverywhere) {
    words({"КАК ТЕБЯ ЗОВУТ?^", "ДРУГОЕ^Другое.;"});
    state.PrevReply = cp("Как тебя зовут?");
    EXPECT_EQ(say("Вася"), "Понятно.");
    EXPECT_EQ(read(programfiles::W1), (Lines{"Не знаю.", "Вася."}));
    EXPECT_EQ(read(programfiles::W2), Lines{"Понятно."});
    EXPECT_EQ(read(programfiles::Words),
              (Lines{"Заголовок", "ДРУГОЕ^Другое.;", "ВАСЯ.^", "КАК ТЕБЯ ЗОВУТ?^Вася.;"}));
    EXPECT_EQ(say("Как тебя зовут?"), "Вася.");
    // Known as a pattern now: the fallback list may take it again, the base nothing more.
    state.PrevReply = cp("Как тебя зовут?");
    surroundings.transcript.clearView();
    say("Вася");
    EXPECT_EQ(read(programfiles::W1), (Lines{"Не знаю.", "Вася.", "Вася."}));
    EXPECT_EQ(read(programfiles::Words),
              (Lines{"Заголовок", "ДРУГОЕ^Другое.;", "ВАСЯ.^", "КАК ТЕБЯ ЗОВУТ?^Вася.;"}));
}

TEST_F(ReplyTurn, TheFirstTurnLearnsOnlyWhatTheFallbackListAlreadyHolds) {
    say("Новое");
    EXPECT_EQ(read(programfiles::Words), Lines{"Заголовок"});
    EXPECT_EQ(read(programfiles::W2), Lines{"Понятно."});
    files({{"Base/W2.Dat", {"Понятно.", "Знакомое."}}});
    state.PrevReply.clear();
    say("Знакомое");
    EXPECT_EQ(read(programfiles::Words), (Lines{"Заголовок", "ЗНАКОМОЕ.^"}));
    EXPECT_EQ(read(programfiles::W2), (Lines{"Понятно.", "Знакомое."}));
}

TEST_F(ReplyTurn, RepeatingThePreviousReplyAttachesItToItsOwnNewPattern) {
    state.PrevReply = cp("Эхо.");
    say("Эхо");
    EXPECT_EQ(read(programfiles::Words), (Lines{"Заголовок", "ЭХО.^Эхо.;"}));
    EXPECT_EQ(read(programfiles::W2), (Lines{"Понятно.", "Эхо."}));
}

TEST_F(ReplyTurn, AttachingMovesTheLineToTheEndAndLeavesItsBranchesInPlace) {
    words({"ХОРОШО.^Отлично.;@", "_ПОЧЕМУ^Так.;", "ДРУГОЕ^Другое.;"});
    state.PrevReply = cp("Хорошо.");
    say("Погуляем");
    EXPECT_EQ(read(programfiles::Words), (Lines{"Заголовок", "_ПОЧЕМУ^Так.;", "ДРУГОЕ^Другое.;",
                                                "ПОГУЛЯЕМ.^", "ХОРОШО.^Отлично.;@Погуляем.;"}));
}

TEST_F(ReplyTurn, PhrasesHoldingMarkupAreAnsweredButNeverLearned) {
    state.PrevReply = cp("Что?");
    for (const char* phrase : {"а^б;в", "раз;два", "_ветка", "x^"}) {
        SCOPED_TRACE(phrase);
        EXPECT_EQ(say(phrase), "Понятно.");
    }
    EXPECT_EQ(read(programfiles::Words), Lines{"Заголовок"});
    EXPECT_EQ(read(programfiles::W1), Lines{"Не знаю."});
}

TEST_F(ReplyTurn, AFileThatFailsStopsTheTurnAndKeepsWhatWasDone) {
    std::filesystem::remove(folder.path() / "Base/W2.Dat");
    state.PrevReply = cp("Раньше.");
    state.IdleTicks = 7;
    surroundings.Input = cp("неизвестное");
    try {
        engine.SpeakClick(surroundings);
        ADD_FAILURE() << "the turn should have failed";
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "Cannot open file Base\\W2.Dat");
    }
    EXPECT_EQ(utf(surroundings.transcript.log().text()), "USER:     Неизвестное.\r\n");
    EXPECT_TRUE(surroundings.busy);
    EXPECT_EQ(utf(surroundings.Input), "неизвестное");
    EXPECT_EQ(utf(state.PrevReply), "Раньше.");
    EXPECT_EQ(state.IdleTicks, 7);
}

TEST_F(ReplyTurn, EmptyReplyFilesGiveEmptyReplies) {
    files({{"Base/W2.Dat", {}}, {"Base/Povtor.Dat", {"", ""}}});
    EXPECT_EQ(say("что-то"), "");
    EXPECT_EQ(surroundings.transcript.log().line(1), "CPU:     ");
}

TEST_F(ReplyTurn, FollowUpRemarkIsOfferedOnOneDrawInThree) {
    words({"ПРИВЕТ^Привет!;"});
    say("Привет", {0, 0, 1});
    EXPECT_FALSE(surroundings.T9);
    say("Привет тебе", {0, 0, 0});
    EXPECT_TRUE(surroundings.T9);
    EXPECT_EQ(utf(engine.workList().lines().line(1)), "Кстати.");
}

TEST_F(ReplyTurn, CpuCpuModeTakesThePartnersLineAndWritesTheReply) {
    words({"ПРИВЕТ^Привет!;"});
    surroundings.CpuUser = false;
    surroundings.CpuCpu = true;
    surroundings.exchangeLine = cp("привет, друг");
    say("не отсюда");
    EXPECT_EQ(utf(surroundings.transcript.log().line(0)), "USER:     Привет, друг.");
    EXPECT_EQ(surroundings.exchangeWrites, Lines{cp("Привет!")});
    EXPECT_EQ(surroundings.calls.back(), "clear input");
}

} // namespace
