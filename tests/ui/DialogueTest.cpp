// The program speaking on its own and conversing through the exchange file, in the window: the
// remarks on their timers, the two dialogue modes and the exchange timer under both triggers.

#include "FormFixture.h"
#include "engine/LineFiles.h"
#include "ui/StatusBar.h"
#include "ui/TimerArming.h"
#include "ui/Unit2.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace {

// A window with its editor dialog, shown and past its first load.
class Dialogue : public FormTest {
protected:
    TForm1& window() {
        TForm1& w = form();
        if (!wired_) {
            w.setOtherForms(&form2, nullptr, nullptr);
            w.show();
            QApplication::setActiveWindow(&w);
            w.T3Timer();
            w.T1Timer();
            errors.messages.clear();
            wired_ = true;
        }
        return w;
    }

    // What the exchange file holds, or nothing when it is not one line of RTF.
    std::optional<std::string> exchangeLine() {
        const std::string bytes = folder.read("Txt.Dat");
        const LineList lines = LineFiles::parse(bytes);
        if (bytes.rfind("{\\rtf", 0) != 0 || lines.count() != 1) {
            return std::nullopt;
        }
        return utf(lines.line(0));
    }

    TForm2 form2;

private:
    bool wired_ = false;
};

TEST_F(Dialogue, IdleRemarkIsShownInTheGeneralColourAndAMissingFileIsReportedOnce) {
    TForm1& w = window();
    w.ColorDialog1.setColor(QColor(0x12, 0x34, 0x56));
    w.engine().state().IdleTicks = 89;
    w.T2Timer();
    EXPECT_EQ(viewLines(), std::vector<std::string>{"Ты это уже говорил."});
    EXPECT_EQ(logLines(), std::vector<std::string>{"CPU:     Ты это уже говорил."});
    EXPECT_EQ(w.transcript.viewStyle(0).rgb, 0x123456u);
    EXPECT_EQ(cues.count("CpuSound.wav"), 1);

    std::filesystem::remove(folder.path() / "Base/Pause.Dat");
    w.engine().state().IdleTicks = 90;
    for (int tick = 0; tick < 30; ++tick) {
        w.T2Timer(); // past 90, every tick meets the missing file
    }
    EXPECT_EQ(errors.messages, std::vector<std::string>{"Cannot open file Base\\Pause.Dat"});
    EXPECT_EQ(viewLines().size(), 1u);

    writeLines("Base/Pause.Dat", {"Ау!"});
    w.T2Timer();
    EXPECT_EQ(viewLines().back(), "Ау!");
    std::filesystem::remove(folder.path() / "Base/Pause.Dat");
    w.engine().state().IdleTicks = 90;
    w.T2Timer();
    EXPECT_EQ(errors.messages.size(), 2u); // reported again once a tick had succeeded
}

TEST_F(Dialogue, NewDialogGivesOneChanceOfAGreeting) {
    TForm1& w = window();
    w.N2Click();
    ASSERT_TRUE(w.T10.isActive());
    w.T10Timer(); // the script runs dry: every draw is 0, the greeting comes
    EXPECT_EQ(viewLines(), std::vector<std::string>{"Здравствуй!"});
    EXPECT_FALSE(w.T10.isActive());
    EXPECT_EQ(w.transcript.viewStyle(0), w.cpuLineStyle());

    std::filesystem::remove(folder.path() / "Base/Begin.dat");
    w.N2Click();
    w.T10Timer();
    w.T10Timer();
    EXPECT_TRUE(w.T10.isActive()); // a greeting that could not be read stays armed
    EXPECT_EQ(errors.messages, std::vector<std::string>{"Cannot open file Base\\Begin.dat"});
}

TEST_F(Dialogue, FollowUpRemarkComesOnTheSecondTickAfterAReply) {
    TForm1& w = window();
    say("Привет"); // every draw 0: this reply arms the follow-up and loads its file
    ASSERT_TRUE(w.T9.isActive());
    w.T9Timer();
    EXPECT_EQ(viewLines().size(), 2u);
    w.T9Timer();
    EXPECT_EQ(viewLines(), (std::vector<std::string>{"Привет.", "Привет!", "А знаешь что?"}));
    EXPECT_EQ(logLines().back(), "CPU:     А знаешь что?");
    EXPECT_FALSE(w.T9.isActive());
    EXPECT_EQ(w.remarks().FollowUpWait, 0);
    EXPECT_FALSE(w.busyCursor().isOn());
}

TEST_F(Dialogue, TheModesSwitchTheirMarksStatusTimersAndServiceLines) {
    TForm1& w = window();
    w.Input->setText(QStringLiteral("набрано"));
    w.Cpu31->trigger(); // as the menu does
    EXPECT_FALSE(w.CpuUser1->isChecked());
    EXPECT_TRUE(w.Cpu31->isChecked());
    EXPECT_EQ(w.SB1->panelText(2), QStringLiteral("Режим Cpu\\Cpu"));
    EXPECT_FALSE(w.T1.isActive());
    EXPECT_TRUE(w.T6.isActive());
    EXPECT_EQ(w.Input->text(), QStringLiteral("набрано"));

    w.CpuUser1->trigger();
    EXPECT_TRUE(w.CpuUser1->isChecked());
    EXPECT_FALSE(w.Cpu31->isChecked());
    EXPECT_EQ(w.SB1->panelText(2), QStringLiteral("Режим Cpu\\User"));
    EXPECT_TRUE(w.T1.isActive());
    EXPECT_FALSE(w.T6.isActive());
    EXPECT_EQ(w.Input->text(), QString());
    EXPECT_EQ(viewLines(), (std::vector<std::string>{"Сервис:   // Режим диалога Cpu\\Cpu.",
                                                     "Сервис:   // Режим диалога Cpu\\User.", ""}));
    EXPECT_TRUE(logLines().empty());
    EXPECT_EQ(w.transcript.viewStyle(0).rgb, 0x008080u);
}

TEST_F(Dialogue, UnderTheEnterTriggerTheFileIsReadEveryTickAndEnterAnswersItsFirstLine) {
    TForm1& w = window();
    writeLines("Txt.Dat", {"как дела", "вторая строка"});
    w.Cpu31Click();
    typeText(w.Input, QStringLiteral("привет")); // typed, never answered
    w.T6Timer();
    EXPECT_TRUE(w.Talk->isEnabled());
    EXPECT_EQ(w.T6.interval(), kShortestTick);
    EXPECT_TRUE(viewLines().size() == 1u); // only the service line: no turn yet

    QTest::keyClick(w.Input, Qt::Key_Return);
    EXPECT_EQ(logLines(), (std::vector<std::string>{"USER:     Как дела.", "CPU:     Хорошо."}));
    EXPECT_EQ(exchangeLine(), "Хорошо.");
    EXPECT_EQ(w.Input->text(), QString());
    EXPECT_EQ(utf(w.LoadtxtCpuCpu.line(0)), "Хорошо.");
}

TEST_F(Dialogue, UnderTheTimerTriggerEachTickTakesUpThePeriodAndStartsATurn) {
    TForm1& w = window();
    writeLines("Txt.Dat", {"привет"});
    w.Cpu31Click();
    form2.RB2->click();
    form2.SpinEdit1->setValue(5000);
    w.T6Timer();
    EXPECT_EQ(w.T6.interval(), 5000);
    EXPECT_FALSE(w.Talk->isEnabled());
    EXPECT_EQ(logLines(), (std::vector<std::string>{"USER:     Привет.", "CPU:     Привет!"}));
    EXPECT_EQ(exchangeLine(), "Привет!");

    w.T6Timer(); // no partner wrote in between: the copy answers its own reply
    EXPECT_EQ(logLines().at(2), "USER:     Привет!");
    EXPECT_EQ(exchangeLine(), logLines().at(3).substr(9));

    // Back on the Enter trigger the file is read at the period last used, and Enter starts turns.
    form2.RB1->click();
    w.T6Timer();
    EXPECT_EQ(w.T6.interval(), 5000);
    EXPECT_TRUE(w.Talk->isEnabled());
    EXPECT_EQ(logLines().size(), 4u);

    // A period shorter than the timers keep is as often as they allow.
    form2.RB2->click();
    form2.SpinEdit1->setValue(5);
    w.T6Timer();
    EXPECT_EQ(w.T6.interval(), kShortestTick);
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(Dialogue, AnIdleRemarkIsNeverWrittenToTheExchangeFile) {
    TForm1& w = window();
    writeLines("Txt.Dat", {"привет"});
    const std::string before = folder.read("Txt.Dat");
    w.Cpu31Click();
    w.engine().state().IdleTicks = 90;
    w.T2Timer();
    w.N2Click();
    w.T10Timer();
    EXPECT_EQ(folder.read("Txt.Dat"), before);
}

TEST_F(Dialogue, AMissingExchangeFileIsReportedOnceAndTheWindowStaysUsable) {
    TForm1& w = window();
    w.Cpu31Click();
    w.Talk->setEnabled(false);
    for (int tick = 0; tick < 60; ++tick) {
        w.T6Timer(); // a second's worth of ticks under the Enter trigger
    }
    EXPECT_EQ(errors.messages, std::vector<std::string>{"Cannot open file D:\\Txt.Dat"});
    EXPECT_FALSE(w.Talk->isEnabled()); // the failed tick leaves Enter as it was
    EXPECT_TRUE(w.T6.isActive());

    writeLines("Txt.Dat", {"привет"});
    w.T6Timer();
    EXPECT_TRUE(w.Talk->isEnabled());
    std::filesystem::remove(folder.path() / "Txt.Dat");
    w.T6Timer();
    w.T6Timer();
    EXPECT_EQ(errors.messages.size(), 2u);

    w.CpuUser1Click(); // back to typing: the file is no longer read
    say("Привет");
    EXPECT_EQ(logLines().back(), "CPU:     Привет!");
}

TEST_F(Dialogue, AnEmptyFirstLineIsNoTurnAndLeavesThePartnersFileAsItIs) {
    TForm1& w = window();
    w.Cpu31Click();
    form2.RB2->click();
    for (const std::string& content : {std::string(), std::string("\r\nпривет\r\n")}) {
        SCOPED_TRACE(content.size());
        folder.write("Txt.Dat", cp(content));
        w.T6Timer();
        EXPECT_TRUE(logLines().empty());
        EXPECT_EQ(viewLines().size(), 1u);
        EXPECT_EQ(folder.read("Txt.Dat"), cp(content));
    }
    EXPECT_TRUE(errors.messages.empty());
    EXPECT_FALSE(w.busyCursor().isOn());
}

} // namespace
