#include "dialogue/DialogueMode.h"

#include "support/Cp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RecordingSink : public DialogueMode::Sink {
public:
    std::vector<std::string> calls;
    void clearInput() override { calls.push_back("clear input"); }
    void setInputRules(bool running) override { calls.push_back(running ? "T1 on" : "T1 off"); }
    void setExchangeTimer(bool armed) override { calls.push_back(armed ? "T6 on" : "T6 off"); }
    void showModeText(const std::string& text) override { calls.push_back(utf(text)); }
    void showMode(DialogueMode::Mode mode) override {
        calls.push_back(mode == DialogueMode::Mode::CpuUser ? "marks User" : "marks Cpu");
    }
};

struct ModeRig {
    ModeRig() {
        transcript.addUserLine(cp("Привет."), kUserStyle);
        transcript.addCpuLine(cp("Здравствуй."), {});
    }
    std::vector<std::string> viewFrom(int first) const {
        std::vector<std::string> out;
        for (int i = first; i < transcript.view().count(); ++i) {
            out.push_back(utf(transcript.view().line(i)));
        }
        return out;
    }

    static inline const LineStyle kUserStyle{0x00FF00, "Arial", 14, false, true};
    Transcript transcript;
    DialogueMode mode{transcript};
    RecordingSink sink;
};

using DialogueModeTest = ::testing::Test;

TEST_F(DialogueModeTest, CpuCpuReadsTheFileAndAnnouncesItWithOneTealLine) {
    ModeRig rig;
    rig.mode.Cpu31Click(rig.sink);
    EXPECT_TRUE(rig.mode.cpuCpu());
    EXPECT_FALSE(rig.mode.cpuUser());
    EXPECT_EQ(rig.viewFrom(2), std::vector<std::string>{"Сервис:   // Режим диалога Cpu\\Cpu."});
    EXPECT_EQ(rig.transcript.log().count(), 2); // service lines are never logged
    LineStyle teal{}; // the colour changes, the font stays that of the last line
    teal.rgb = DialogueMode::kServiceColour;
    EXPECT_EQ(rig.transcript.viewStyle(2), teal);
    EXPECT_EQ(rig.sink.calls,
              (std::vector<std::string>{"T1 off", "Режим Cpu\\Cpu", "marks Cpu", "T6 on"}));
}

TEST_F(DialogueModeTest, CpuUserClearsTheInputAndAddsItsLineAndAnEmptyOne) {
    ModeRig rig;
    rig.mode.Cpu31Click(rig.sink);
    rig.sink.calls.clear();
    rig.mode.CpuUser1Click(rig.sink);
    EXPECT_TRUE(rig.mode.cpuUser());
    EXPECT_EQ(rig.viewFrom(3),
              (std::vector<std::string>{"Сервис:   // Режим диалога Cpu\\User.", ""}));
    EXPECT_EQ(rig.transcript.viewStyle(3).rgb, DialogueMode::kServiceColour);
    EXPECT_EQ(rig.transcript.viewStyle(4).rgb, DialogueMode::kServiceColour);
    EXPECT_EQ(rig.transcript.log().count(), 2);
    EXPECT_EQ(rig.sink.calls, (std::vector<std::string>{"clear input", "T1 on", "Режим Cpu\\User",
                                                        "marks User", "T6 off"}));
}

TEST_F(DialogueModeTest, EachSwitchRunsInFullAlsoWhenItsModeIsOn) {
    ModeRig rig;
    rig.mode.CpuUser1Click(rig.sink);
    rig.mode.Cpu31Click(rig.sink);
    rig.mode.Cpu31Click(rig.sink);
    EXPECT_EQ(rig.viewFrom(2), (std::vector<std::string>{"Сервис:   // Режим диалога Cpu\\User.",
                                                         "", "Сервис:   // Режим диалога Cpu\\Cpu.",
                                                         "Сервис:   // Режим диалога Cpu\\Cpu."}));
    EXPECT_EQ(std::count(rig.sink.calls.begin(), rig.sink.calls.end(), "T6 on"), 2);
}

} // namespace
