// Start-up: the first load with its status texts, the start-up shake, the statistics of the menu.

#include "FormFixture.h"
#include "ui/InputLine.h"
#include "ui/StatusBar.h"

#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QToolButton>

namespace {

using Startup = FormTest;

QPoint centredPosition(QWidget& window) {
    const QRect desktop = window.screen()->availableGeometry();
    const QSize outer = window.frameGeometry().size();
    return {desktop.x() + (desktop.width() - outer.width()) / 2,
            desktop.y() + (desktop.height() - outer.height()) / 2};
}

TEST_F(Startup, FirstLoadCountsTheBaseAndOpensTheInput) {
    TForm1& w = form();
    w.T3Timer();
    EXPECT_EQ(w.SB1->panelText(0).toStdString(), "Загрузка окончена");
    EXPECT_EQ(w.SB1->panelText(1).toStdString(),
              "Программе известно:   [главные фразы - 3   ветки - 1]");
    EXPECT_FALSE(w.Input->isReadOnly());
    EXPECT_TRUE(w.Speak->isEnabled());
    EXPECT_FALSE(w.T3.isActive());
}

TEST_F(Startup, FailedFirstLoadKeepsTheInputClosedAndIsReportedOnceUntilItSucceeds) {
    const std::string words = folder.read("Base/Words.Dat");
    std::filesystem::remove(folder.path() / "Base/Words.Dat");
    TForm1& w = form();
    errors.messages.clear(); // the creation handler's own report
    w.T3Timer();
    w.T3Timer();
    EXPECT_EQ(errors.messages, std::vector<std::string>{"Cannot open file Base\\Words.Dat"});
    EXPECT_EQ(w.SB1->panelText(0).toStdString(), "Идёт загрузка подождите...");
    EXPECT_TRUE(w.Input->isReadOnly());
    EXPECT_FALSE(w.Speak->isEnabled());
    EXPECT_TRUE(w.T3.isActive()); // tries again, once a second

    folder.write("Base/Words.Dat", words);
    w.T3Timer();
    EXPECT_EQ(w.SB1->panelText(0).toStdString(), "Загрузка окончена");
    EXPECT_FALSE(w.T3.isActive());
    EXPECT_EQ(errors.messages.size(), 1u);
}

TEST_F(Startup, ShakeSwitchedOffDoesNothingAndStaysArmed) {
    for (const char* value : {"no", "No", "NO"}) {
        SCOPED_TRACE(value);
        FormFolder rig;
        std::vector<std::string> config = defaultConfig();
        config[1] = std::string("Shake=") + value;
        rig.writeConfig(config);
        TForm1& w = rig.form();
        rig.say("Привет");
        const QPoint before = w.pos();
        w.T7Timer();
        w.T7Timer();
        EXPECT_EQ(w.pos(), before);
        EXPECT_EQ(w.transcript.view().count(), 2);
        EXPECT_TRUE(w.T7.isActive());
        EXPECT_FALSE(w.T10.isActive());
        EXPECT_EQ(rig.cues.count("Button1.wav"), 0);
    }
}

TEST_F(Startup, ShakeJumpsNearTheCornerThenCentresAndClearsTheView) {
    TForm1& w = form();
    say("Привет");
    random.script({125}); // 250 jumps
    random.ranges.clear();
    const int reseeds = random.reseeds;
    w.T7Timer();

    ASSERT_EQ(random.ranges.size(), 1u + 2 * 250);
    EXPECT_EQ(random.ranges.front(), 126);
    EXPECT_TRUE(
        std::all_of(random.ranges.begin() + 1, random.ranges.end(), [](int n) { return n == 11; }));
    EXPECT_EQ(random.reseeds, reseeds + 1);
    EXPECT_EQ(w.pos(), centredPosition(w));
    EXPECT_EQ(w.transcript.view().count(), 0);
    EXPECT_EQ(w.Log().count(), 2); // the log keeps the conversation
    EXPECT_FALSE(w.T7.isActive());
    EXPECT_TRUE(w.T10.isActive());
    EXPECT_FALSE(w.Input->isReadOnly());
    for (QMenu* menu : {w.N1, w.N5, w.N11, w.N25}) {
        EXPECT_TRUE(menu->menuAction()->isEnabled());
    }
    EXPECT_EQ(cues.count("Button1.wav"), 1);
    EXPECT_FALSE(w.busyCursor().isOn());
}

TEST_F(Startup, ShownCentredByItsFrameAndShakenAtTheFirstTick) {
    TForm1& w = form();
    w.showCentred();
    EXPECT_EQ(w.pos(), centredPosition(w));
    w.T7Timer();
    EXPECT_EQ(cues.count("Button1.wav"), 1);
    EXPECT_EQ(w.pos(), centredPosition(w));
    EXPECT_TRUE(w.T10.isActive());
}

TEST_F(Startup, ShakeWithoutItsLineReportsOnceAndShakesAnyway) {
    writeConfig({"only one line"});
    TForm1& w = form();
    errors.messages.clear();
    w.T7Timer();
    w.T7.start();
    w.T7Timer();
    EXPECT_EQ(errors.messages, std::vector<std::string>{"List index out of bounds (1)"});
    EXPECT_TRUE(w.T10.isActive());
    EXPECT_EQ(cues.count("Button1.wav"), 2);
}

TEST_F(Startup, StatisticsFillTheMenuCaptionsOnce) {
    TForm1& w = form();
    w.T8Timer();
    // 4 pattern lines; six reply files of one line each and five ";" in the patterns.
    EXPECT_EQ(w.N18->text().toStdString(), "&Входящие выражения: [4]");
    EXPECT_EQ(w.N19->text().toStdString(), "&Исходящие выражения: [11]");
    EXPECT_EQ(w.N20->text().toStdString(), "&Итого: [15]");
    EXPECT_FALSE(w.T8.isActive());
}

TEST_F(Startup, StatisticsAfterAFailureFillOnlyWhatIsStillBare) {
    const std::string pause = folder.read("Base/Pause.Dat");
    std::filesystem::remove(folder.path() / "Base/Pause.Dat");
    TForm1& w = form();
    w.T8Timer();
    w.T8Timer();
    EXPECT_EQ(errors.messages, std::vector<std::string>{"Cannot open file Base\\Pause.Dat"});
    EXPECT_EQ(w.N18->text().toStdString(), "&Входящие выражения: [4]");
    EXPECT_EQ(w.N19->text().toStdString(), "&Исходящие выражения:");
    EXPECT_TRUE(w.T8.isActive());

    folder.write("Base/Pause.Dat", pause);
    w.T8Timer();
    EXPECT_EQ(w.N18->text().toStdString(), "&Входящие выражения: [4]");
    EXPECT_EQ(w.N20->text().toStdString(), "&Итого: [15]");
    EXPECT_FALSE(w.T8.isActive());
}

} // namespace
