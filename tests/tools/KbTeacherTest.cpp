#include "tools/KbTeacher.h"

#include "engine/FileError.h"
#include "engine/LineFiles.h"
#include "engine/ProgramFiles.h"
#include "support/Cp.h"
#include "support/TempFolder.h"
#include "support/Words.h"
#include "tools/DialogueFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

namespace {

LineList base(std::initializer_list<const char*> lines) {
    return wordsWithHeader(lines);
}

std::vector<DialogueFile::Pair>
pairs(std::initializer_list<std::pair<const char*, const char*>> said) {
    std::vector<DialogueFile::Pair> result;
    for (const auto& [phrase, reply] : said) {
        result.push_back({cp(phrase), cp(reply)});
    }
    return result;
}

const LineList kBase = base({"ПРИВЕТ^Привет!;", "КАК ТЕБЯ ЗОВУТ?^", "ПОГОДА^Хорошая.;"});

TEST(KbTeacher, EachPairIsTaughtOrSkippedForItsReason) {
    struct Case {
        const char* phrase;
        const char* reply;
        KbTeacher::Summary expected;
        const char* lastLine; // the last line of the base after teaching
    } cases[] = {
        // A phrase with a line that answers is left alone.
        {"привет", "Здравствуй", {.pairs = 1, .known = 1}, "ПОГОДА^Хорошая.;"},
        // A new phrase becomes a pattern line, both sides prepared as typed phrases are.
        {"как дела", "хорошо", {.pairs = 1, .taught = 1}, "КАК ДЕЛА.^Хорошо.;"},
        // A waiting line gets the reply and moves to the end, as learning attaches one.
        {"Как тебя зовут?",
         "Лорин!",
         {.pairs = 1, .taught = 1, .answered = 1},
         "КАК ТЕБЯ ЗОВУТ?^Лорин!;"},
        {"", "Ответ.", {.pairs = 1, .empty = 1}, "ПОГОДА^Хорошая.;"},
        {"Вопрос?", "   ", {.pairs = 1, .empty = 1}, "ПОГОДА^Хорошая.;"},
        {"Один^два", "Ответ.", {.pairs = 1, .markup = 1}, "ПОГОДА^Хорошая.;"},
        {"Вопрос?", "Да;нет", {.pairs = 1, .markup = 1}, "ПОГОДА^Хорошая.;"},
        {"Вопрос?", "Пока@", {.pairs = 1, .markup = 1}, "ПОГОДА^Хорошая.;"},
        {"_ветка", "Ответ.", {.pairs = 1, .markup = 1}, "ПОГОДА^Хорошая.;"},
        {"Ты урод", "Ответ.", {.pairs = 1, .abuse = 1}, "ПОГОДА^Хорошая.;"},
        {"Вопрос?", "Меня зовут Вася.", {.pairs = 1, .noLearn = 1}, "ПОГОДА^Хорошая.;"},
        {"Я хочу спать", "Спокойной ночи.", {.pairs = 1, .noLearn = 1}, "ПОГОДА^Хорошая.;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.phrase + std::string(" -> ") + c.reply);
        KbTeacher teacher(kBase);
        EXPECT_EQ(teacher.teach(pairs({{c.phrase, c.reply}})), c.expected);
        EXPECT_EQ(utf(teacher.words().line(teacher.words().count() - 1)), c.lastLine);
        EXPECT_EQ(teacher.words().count(),
                  kBase.count() + (c.expected.taught - c.expected.answered));
    }
}

TEST(KbTeacher, TheFirstReplyTaughtAnswersAndLaterOnesFindThePhraseKnown) {
    KbTeacher teacher(kBase);
    const auto summary = teacher.teach(pairs({{"Как дела?", "Хорошо."},
                                              {"как дела?", "Плохо."},
                                              {"Как тебя зовут?", "Лорин."},
                                              {"Как тебя зовут?", "Вася."}}));
    EXPECT_EQ(summary.taught, 2);
    EXPECT_EQ(summary.known, 2);
    const LineList& words = teacher.words();
    ASSERT_EQ(words.count(), 5);
    EXPECT_EQ(utf(words.line(3)), "КАК ДЕЛА?^Хорошо.;");
    EXPECT_EQ(utf(words.line(4)), "КАК ТЕБЯ ЗОВУТ?^Лорин.;");
}

TEST(KbTeacher, AnEmptyMainFileGetsItsHeaderFirst) {
    KbTeacher teacher{LineList()};
    teacher.teach(pairs({{"Как дела?", "Хорошо."}}));
    ASSERT_EQ(teacher.words().count(), 2);
    EXPECT_EQ(teacher.words().line(0), programfiles::wordsHeader());
}

TEST(DialogueFile, PlainTextPairsEveryLineWithTheNextInEitherEncoding) {
    const std::string utf8 = "Привет!\r\n  Как дела?  \r\n\r\nХорошо.\n";
    for (const std::string& bytes : {utf8, "\xef\xbb\xbf" + utf8, cp(utf8)}) {
        const DialogueFile dialogue = DialogueFile::parse(bytes);
        ASSERT_EQ(dialogue.pairs().size(), 3u);
        EXPECT_FALSE(dialogue.isLog());
        EXPECT_EQ(utf(dialogue.pairs()[0].phrase), "Привет!");
        EXPECT_EQ(utf(dialogue.pairs()[0].reply), "Как дела?");
        EXPECT_EQ(dialogue.pairs()[1].reply, "");
        EXPECT_EQ(utf(dialogue.pairs()[2].reply), "Хорошо.");
    }
}

TEST(DialogueFile, TheLogPairsTheSpeakersTurnsWithinEachRun) {
    LineList log;
    for (const char* line :
         {"", "-----", "      Дата - 01.02.2026   |   Время - 10:00:00",
          "//Загружено фраз выученных программой: 5", "USER:     Привет.", "CPU:     Здравствуй!",
          "CPU:     Как дела?", "USER:     Хорошо.", "=====", "", "-----", "USER:     Снова я.",
          "CPU:     Рад тебя видеть."}) {
        log.append(cp(line));
    }
    TempFolder folder;
    const LineFiles files{PathResolver(folder.path())};
    files.save("Log.Mirtel", log); // as the program writes it: RTF
    const DialogueFile dialogue = DialogueFile::load((folder.path() / "Log.Mirtel").string());
    EXPECT_TRUE(dialogue.isLog());
    std::vector<std::pair<std::string, std::string>> said;
    for (const auto& pair : dialogue.pairs()) {
        said.emplace_back(utf(pair.phrase), utf(pair.reply));
    }
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Привет.", "Здравствуй!"}, {"Как дела?", "Хорошо."}, {"Снова я.", "Рад тебя видеть."}};
    EXPECT_EQ(said, expected);
}

struct TaughtFolder {
    TempFolder folder;
    LineFiles files{PathResolver(folder.path())};
    TaughtFolder() {
        folder.write("Base/Words.Dat", "");
        files.save(programfiles::Words, kBase);
    }
    std::string dialogue(const std::string& text) const {
        folder.write("dialogue.txt", text);
        return (folder.path() / "dialogue.txt").string();
    }
};

TEST(KbTeacherCommand, TeachesAHundredThousandLinesAtOnceWithAProgressBar) {
    TaughtFolder taught;
    std::string text;
    for (int i = 0; i < 100000; ++i) {
        text += "Фраза номер " + std::to_string(i) + ".\n";
    }
    const std::string path = taught.dialogue(text);
    std::ostringstream out, bar;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(KbTeacher::command(taught.files, path, false, out, &bar), 0);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_NE(out.str().find("Taught: 99999 (new lines 99999,"), std::string::npos) << out.str();
    EXPECT_NE(bar.str().find("] 100%"), std::string::npos);
    const LineList words = taught.files.load(programfiles::Words);
    ASSERT_EQ(words.count(), kBase.count() + 99999);
    EXPECT_EQ(utf(words.line(words.count() - 1)), "ФРАЗА НОМЕР 99998.^Фраза номер 99999.;");
    // Not a speed target, only a guard against teaching one pair at the cost of a whole save.
    EXPECT_LT(took, std::chrono::seconds(30));
}

TEST(KbTeacherCommand, ADryRunAndAShortDialogueShowNoBarAndADryRunChangesNothing) {
    TaughtFolder taught;
    const std::string before = taught.folder.read("Base/Words.Dat");
    std::ostringstream out, bar;
    KbTeacher::command(taught.files, taught.dialogue("Как дела?\nХорошо.\n"), true, out, &bar);
    EXPECT_NE(out.str().find("Would teach: 1"), std::string::npos) << out.str();
    EXPECT_EQ(bar.str(), "");
    EXPECT_EQ(taught.folder.read("Base/Words.Dat"), before);
}

TEST(KbTeacherCommand, WaitsForACopyThatIsLearningAndChangesNothingWhenItDoesNotLetGo) {
    TaughtFolder taught;
    const std::string before = taught.folder.read("Base/Words.Dat");
    taught.files.setLockPatience(std::chrono::milliseconds(20));
    const BaseLock learning(PathResolver(taught.folder.path()), programfiles::Words);
    std::ostringstream out;
    EXPECT_THROW(KbTeacher::command(taught.files, taught.dialogue("Как дела?\nХорошо.\n"), false,
                                    out, nullptr),
                 FileError);
    EXPECT_EQ(taught.folder.read("Base/Words.Dat"), before);
}

TEST(KbTeacherCommand, AMissingDialogueIsAFileError) {
    TaughtFolder taught;
    std::ostringstream out;
    EXPECT_THROW(KbTeacher::command(taught.files, "/nonexistent/dialogue.txt", false, out, nullptr),
                 FileError);
}

} // namespace
