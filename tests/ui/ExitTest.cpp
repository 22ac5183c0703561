// The end of a run: the exit command with its log block, the farewell, the close box.

#include "FormFixture.h"
#include "engine/LineFiles.h"
#include "ui/RegionalClock.h"
#include "ui/Unit4.h"
#include "ui/WindowPlacement.h"

#include <QCloseEvent>
#include <QScreen>

namespace {

using Exit = FormTest;

std::vector<std::string> logFileLines(FormFolder& rig) {
    std::vector<std::string> lines;
    const LineList file = LineFiles(PathResolver(rig.folder.path())).load("Base\\Log.Mirtel");
    for (const std::string& line : file.lines()) {
        lines.push_back(utf(line));
    }
    return lines;
}

TEST_F(Exit, ExitAppendsTheDatedBlockAndClosesTheWindow) {
    TForm1& w = form();
    w.show();
    say("Привет");
    ASSERT_TRUE(w.N4Click());

    const std::string date = RegionalClock::shortDate(now.date()).toStdString();
    const std::string time = RegionalClock::longTime(now.time()).toStdString();
    const std::vector<std::string> expected = {
        "",
        std::string(80, '-'),
        std::string(22, ' ') + std::string(30, '_'),
        std::string(22, ' ') + "Дата - " + date + "   |   Время - " + time,
        std::string(22, ' ') + std::string(30, '~'),
        "//Загружено фраз выученных программой: 4",
        "USER:     Привет.",
        "CPU:     Привет!",
        std::string(53, '='),
    };
    EXPECT_EQ(logFileLines(*this), expected);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(Exit, LongTimeHasSecondsAndNoTimeZone) {
    const QString time = RegionalClock::longTime(QTime(7, 5, 3));
    EXPECT_TRUE(time.contains(QStringLiteral("03"))) << time.toStdString();
    EXPECT_FALSE(RegionalClock::longTimeFormat(QLocale::system()).contains(u't'));
    EXPECT_FALSE(RegionalClock::longTimeFormat(QLocale(QLocale::English, QLocale::UnitedStates))
                     .contains(u't'));
}

TEST_F(Exit, ExitWithoutItsLogFileReportsAndStaysOpen) {
    std::filesystem::remove(folder.path() / "Base/Log.Mirtel");
    TForm1& w = form();
    w.show();
    EXPECT_FALSE(w.N4Click());
    EXPECT_EQ(errors.messages, std::vector<std::string>{"Cannot open file Base\\Log.Mirtel"});
    EXPECT_TRUE(w.isVisible());
}

TEST_F(Exit, CloseBoxWritesNothing) {
    TForm1& w = form();
    w.show();
    say("Привет");
    w.close();
    EXPECT_EQ(folder.read("Base/Log.Mirtel"), "");
}

TEST_F(Exit, FarewellShrinksForEightyTicksWithItsCueThenExits) {
    TForm1& w = form();
    TForm4 keyboard(w);
    w.setOtherForms(nullptr, nullptr, &keyboard);
    keyboard.show();
    w.show();
    w.move(400, 300);
    const QSize start = w.size();
    w.T4.start();

    w.T4Timer();
    EXPECT_FALSE(keyboard.isVisible());
    EXPECT_EQ(w.pos(), QPoint(397, 298));
    EXPECT_EQ(w.size(), start - QSize(10, 8));

    for (int tick = 2; tick < 80; ++tick) {
        w.T4Timer();
    }
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(cues.count("Close.wav"), 70);                               // ticks 10 to 79
    EXPECT_EQ(w.frameGeometry().size(), WindowPlacement::kSmallestOuter); // the floor

    w.T4Timer();
    EXPECT_EQ(cues.count("Close.wav"), 71);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.T4.isActive());
    EXPECT_EQ(logFileLines(*this).size(), 7u);
}

TEST_F(Exit, SoundingCloseCueIsNotStartedOver) {
    TForm1& w = form();
    w.FarewellTicks = 20;
    cues.sounding["Close.wav"] = true;
    w.T4Timer();
    EXPECT_EQ(cues.count("Close.wav"), 0);
    cues.sounding["Close.wav"] = false;
    w.T4Timer();
    EXPECT_EQ(cues.count("Close.wav"), 1);
}

TEST_F(Exit, FarewellWhoseExitFailsStopsAndGivesTheWindowBack) {
    std::filesystem::remove(folder.path() / "Base/Log.Mirtel");
    TForm1& w = form();
    w.show();
    const QSize normal = w.size();
    w.T4.start();
    for (int tick = 1; tick <= 80; ++tick) {
        w.T4Timer();
    }
    EXPECT_EQ(errors.messages, std::vector<std::string>{"Cannot open file Base\\Log.Mirtel"});
    EXPECT_FALSE(w.T4.isActive());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.size(), normal);

    // A later farewell tries the exit at once, and again only once.
    w.T4.start();
    w.T4Timer();
    EXPECT_EQ(errors.messages.size(), 2u);
    EXPECT_FALSE(w.T4.isActive());
}

TEST_F(Exit, InterruptedFarewellKeepsItsCount) {
    TForm1& w = form();
    w.T4.start();
    for (int tick = 1; tick <= 30; ++tick) {
        w.T4Timer();
    }
    say("Привет"); // a reply from a line without the farewell mark stops it
    EXPECT_FALSE(w.T4.isActive());
    EXPECT_EQ(w.FarewellTicks, 30);
    say("Пока");
    EXPECT_TRUE(w.T4.isActive());
}

} // namespace
