// Two copies of the program converse through one exchange file, each in a program folder of its
// own, as two running windows (or a window and the console partner) do on the timer trigger.

#include "engine/LineFiles.h"
#include "engine/MtRandom.h"
#include "support/Cp.h"
#include "support/TempFolder.h"
#include "tools/ConsoleExchange.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

void writeLines(const TempFolder& folder, const std::string& file,
                const std::vector<std::string>& utf8) {
    std::string bytes;
    for (const std::string& line : utf8) {
        bytes += cp(line) + "\r\n";
    }
    folder.write(file, bytes);
}

// One copy: its own small base, its engine and its console surroundings on the shared file.
struct Copy {
    Copy(const std::filesystem::path& shared, std::uint32_t seed) : random(seed) {
        writeLines(folder, "Base/Words.Dat",
                   {"Заголовок", "ПРИВЕТ^Привет! Как дела?;Здравствуй!;",
                    "КАК ДЕЛА^Хорошо. А у тебя?;Отлично.;", "ХОРОШО^Вот и славно.;Рад за тебя.;",
                    "ОТЛИЧНО^Здорово!;", "ЗДОРОВО^Привет!;"});
        for (const char* file : {"Povtor", "X", "Collection", "BigString"}) {
            writeLines(folder, std::string("Base/") + file + ".Dat", {"Ты повторяешься."});
        }
        writeLines(folder, "Base/W1.Dat", {"Как дела?"});
        writeLines(folder, "Base/W2.Dat", {"Привет!", "Хорошо."});
        writeLines(folder, "Base/AI.dat", {"Заголовок", "Кстати."});
        exchange = std::make_unique<ConsoleExchange>(
            engine, console, LineFiles(PathResolver(shared)), "D:\\Txt.Dat", 1, errors);
    }

    std::string lastLog() const {
        const LineList& log = console.transcript().log();
        return log.line(log.count() - 1);
    }

    TempFolder folder;
    MtRandom random;
    ReplyEngine engine{LineFiles(PathResolver(folder.path())), random};
    std::ostringstream out;
    std::ostringstream errors;
    ConsoleSurroundings console{out};
    std::unique_ptr<ConsoleExchange> exchange;
};

TEST(ExchangeConversation, EachTurnAnswersThePartnersLastReplyAndTheFileHoldsOneRtfLine) {
    TempFolder shared;
    writeLines(shared, "Txt.Dat", {"Привет", "вторая строка не читается"});
    Copy a(shared.path(), 1);
    Copy b(shared.path(), 2);
    std::string lastReply = cp("Привет");
    for (int turn = 0; turn < 40; ++turn) {
        Copy& speaker = turn % 2 == 0 ? a : b;
        SCOPED_TRACE(turn);
        ASSERT_TRUE(speaker.exchange->tick());
        const LineList& log = speaker.console.transcript().log();
        const std::string heard = log.line(log.count() - 2);
        const std::string said = log.line(log.count() - 1);
        ASSERT_EQ(heard.rfind("USER:     ", 0), 0u);
        ASSERT_EQ(said.rfind("CPU:     ", 0), 0u);
        // The phrase heard is the partner's reply as the turn prepares it (capital, full stop).
        const std::string phrase = heard.substr(10);
        EXPECT_TRUE(phrase == lastReply || phrase == lastReply + ".")
            << utf(phrase) << " / " << utf(lastReply);
        lastReply = said.substr(9);

        const std::string bytes = shared.read("Txt.Dat");
        EXPECT_EQ(bytes.rfind("{\\rtf", 0), 0u);
        EXPECT_EQ(LineFiles::parse(bytes), LineList({lastReply}));
    }
    EXPECT_EQ(a.errors.str(), "");
    EXPECT_EQ(b.errors.str(), "");
}

TEST(ConsoleExchange, AMissingFileIsReportedOnceUntilATickSucceeds) {
    TempFolder shared;
    Copy a(shared.path(), 1);
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(a.exchange->tick());
    }
    EXPECT_EQ(a.errors.str(), "Cannot open file D:\\Txt.Dat\n");
    writeLines(shared, "Txt.Dat", {"Привет"});
    EXPECT_TRUE(a.exchange->tick());
    std::filesystem::remove(shared.path() / "Txt.Dat");
    EXPECT_FALSE(a.exchange->tick());
    EXPECT_EQ(a.errors.str(), "Cannot open file D:\\Txt.Dat\nCannot open file D:\\Txt.Dat\n");
}

TEST(ConsoleExchange, AnEmptyPhraseIsNoTurnAndLeavesThePartnersFileAsItIs) {
    for (const std::string& content : {std::string(), std::string("\r\nПривет\r\n")}) {
        SCOPED_TRACE(content.size());
        TempFolder shared;
        shared.write("Txt.Dat", cp(content));
        Copy a(shared.path(), 1);
        EXPECT_FALSE(a.exchange->tick());
        EXPECT_EQ(a.console.transcript().log().count(), 0);
        EXPECT_EQ(a.out.str(), "");
        EXPECT_EQ(shared.read("Txt.Dat"), cp(content));
    }
}

TEST(ConsoleExchange, RunEndsAfterItsTurnsOrWhenAskedToStop) {
    TempFolder shared;
    writeLines(shared, "Txt.Dat", {"Привет"});
    Copy a(shared.path(), 1);
    EXPECT_EQ(a.exchange->run(3, [] { return false; }), 3);
    // A stop asked for during a turn is seen once that turn is written.
    const auto stopAfterNextTurn = [&] { return a.console.transcript().log().count() >= 8; };
    EXPECT_EQ(a.exchange->run(0, stopAfterNextTurn), 1);
    EXPECT_EQ(a.console.transcript().log().count(), 8);
}

} // namespace
