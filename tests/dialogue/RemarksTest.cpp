#include "dialogue/Remarks.h"

#include "engine/FileError.h"
#include "engine/LineFiles.h"
#include "engine/MtRandom.h"
#include "support/Cp.h"
#include "support/ScriptedRandom.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kGeneral = 0x112233;
const LineStyle kCpuStyle{0x0000FF, "Arial", 12, true, false};

class RecordingSink : public Remarks::Sink {
public:
    std::vector<std::string> calls;
    LineStyle cpuLineStyle() const override { return kCpuStyle; }
    std::uint32_t generalColour() const override { return kGeneral; }
    void setBusyCursor(bool busy) override { calls.push_back(busy ? "busy" : "normal cursor"); }
    void playReplyCue() override { calls.push_back("cue"); }
    void stopGreetingTimer() override { calls.push_back("T10 off"); }
    void stopFollowUpTimer() override { calls.push_back("T9 off"); }
};

// A program folder with the three remark files, the work list and the state the remarks share
// with the engine. Texts in and out are UTF-8.
struct RemarkRig {
    RemarkRig() {
        lines("Base/Pause.Dat", {"Ты здесь?", "Скучно."});
        lines("Base/Begin.dat", {"Здравствуй!", "Привет!", "Рад тебя видеть."});
        lines("Base/AI.dat", {"Заголовок", "Кстати.", "А знаешь что?"});
    }

    void lines(const std::string& file, const std::vector<std::string>& utf8) {
        std::string bytes;
        for (const std::string& line : utf8) {
            bytes += cp(line) + "\r\n";
        }
        temp.write(file, bytes);
    }

    std::vector<std::string> view() const {
        std::vector<std::string> out;
        for (const std::string& line : transcript.view().lines()) {
            out.push_back(utf(line));
        }
        return out;
    }
    std::vector<std::string> log() const {
        std::vector<std::string> out;
        for (const std::string& line : transcript.log().lines()) {
            out.push_back(utf(line));
        }
        return out;
    }

    TempFolder temp;
    WorkList RE2{LineFiles(PathResolver(temp.path()))};
    ScriptedRandom random;
    EngineState state;
    Transcript transcript;
    Remarks remarks{RE2, random, state, transcript};
    RecordingSink sink;
};

class RemarksTest : public ::testing::Test, public RemarkRig {};

// Ticks the idle timer until it speaks; returns on which tick, or 0 when it did not by 200.
int ticksUntilIdleRemark(Remarks& remarks, Transcript& transcript, RecordingSink& sink) {
    for (int tick = 1; tick <= 200; ++tick) {
        remarks.T2Tick(sink);
        if (transcript.view().count() > 0) {
            return tick;
        }
    }
    return 0;
}

TEST_F(RemarksTest, IdleRemarkComesFromSixtyToNinetyTicksAsTheThresholdsFall) {
    const int ticks = 100;
    struct Case {
        const char* what;
        std::vector<int> thresholds; // draws 0..30 give thresholds 60..90, one per tick
        int remarkAt;
    } cases[] = {
        {"the lowest threshold every tick", std::vector<int>(ticks, 0), 60},
        {"the highest threshold every tick", std::vector<int>(ticks, 30), 90},
        {"the highest until the 70th, then 70",
         [] {
             std::vector<int> draws(69, 30);
             draws.push_back(10);
             return draws;
         }(),
         70},
        {"a low threshold drawn too early is forgotten",
         [] {
             std::vector<int> draws(58, 0);
             draws.insert(draws.end(), 40, 30);
             return draws;
         }(),
         90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RemarkRig fresh;
        // One threshold a tick; the tick that speaks also draws its line of Pause.Dat.
        std::vector<int> script;
        for (int tick = 0; tick < static_cast<int>(c.thresholds.size()); ++tick) {
            script.push_back(c.thresholds[static_cast<std::size_t>(tick)]);
            if (tick + 1 == c.remarkAt) {
                script.push_back(1);
            }
        }
        fresh.random.script(script);
        EXPECT_EQ(ticksUntilIdleRemark(fresh.remarks, fresh.transcript, fresh.sink), c.remarkAt);
        EXPECT_EQ(fresh.view(), std::vector<std::string>{"Скучно."});
        EXPECT_EQ(fresh.state.IdleTicks, 0);
    }
}

TEST_F(RemarksTest, IdleRemarkNeverBeforeSixtyAlwaysByNinetyWithRealChance) {
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        MtRandom chance(seed);
        TempFolder folder;
        folder.write("Base/Pause.Dat", "x\r\n");
        WorkList list{LineFiles(PathResolver(folder.path()))};
        EngineState idle;
        Transcript view;
        Remarks idleRemarks{list, chance, idle, view};
        RecordingSink quiet;
        const int tick = ticksUntilIdleRemark(idleRemarks, view, quiet);
        EXPECT_GE(tick, Remarks::kIdleFrom);
        EXPECT_LE(tick, Remarks::kIdleBy);
    }
}

TEST_F(RemarksTest, IdleRemarkIsLoggedInTheGeneralColourWithTheFontItFindsAndTheCueAfter) {
    transcript.addCpuLine(cp("Ответ."), kCpuStyle);
    state.IdleTicks = 89;
    random.script({0, 1});
    remarks.T2Tick(sink);
    EXPECT_EQ(view(), (std::vector<std::string>{"Ответ.", "Скучно."}));
    EXPECT_EQ(log(), (std::vector<std::string>{"CPU:     Ответ.", "CPU:     Скучно."}));
    LineStyle expected = kCpuStyle;
    expected.rgb = kGeneral;
    EXPECT_EQ(transcript.viewStyle(1), expected);
    EXPECT_EQ(utf(state.CpuReply), "Скучно.");
    EXPECT_EQ(state.IdleTicks, 0);
    EXPECT_EQ(sink.calls, std::vector<std::string>{"cue"});
    EXPECT_EQ(random.reseeds, 1);
}

TEST_F(RemarksTest, RemarkFilesWithoutAnEligibleLineGiveAnEmptyRemark) {
    lines("Base/Pause.Dat", {});
    lines("Base/Begin.dat", {});
    lines("Base/AI.dat", {"Заголовок"});
    state.IdleTicks = 90;
    remarks.T2Tick(sink);
    remarks.T10Tick(sink);
    RE2.load("Base\\AI.dat");
    remarks.FollowUpWait = 500;
    remarks.T9Tick(sink, 1000);
    EXPECT_EQ(view(), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(log(), (std::vector<std::string>{"CPU:     ", "CPU:     ", "CPU:     "}));
}

TEST_F(RemarksTest, AMissingRemarkFileEndsTheTickWithNothingShownAndTheNextTickTriesAgain) {
    std::filesystem::remove(temp.path() / "Base/Pause.Dat");
    std::filesystem::remove(temp.path() / "Base/Begin.dat");
    state.IdleTicks = 90;
    EXPECT_THROW(remarks.T2Tick(sink), FileError);
    EXPECT_THROW(remarks.T2Tick(sink), FileError);
    EXPECT_EQ(state.IdleTicks, 92); // keeps counting: past 90 every tick tries the file
    random.script({0});
    EXPECT_THROW(remarks.T10Tick(sink), FileError);
    EXPECT_EQ(transcript.view().count(), 0);
    EXPECT_TRUE(sink.calls.empty()); // no cue, no busy cursor, and the greeting stays armed

    lines("Base/Pause.Dat", {"Ты здесь?"});
    remarks.T2Tick(sink);
    EXPECT_EQ(view(), std::vector<std::string>{"Ты здесь?"});
    EXPECT_EQ(state.IdleTicks, 0);
}

TEST_F(RemarksTest, GreetingIsOneChanceInThreeAndEveryTickDisarmsTheTimer) {
    for (int draw : {1, 2}) {
        random.script({draw});
        remarks.T10Tick(sink);
    }
    EXPECT_EQ(transcript.view().count(), 0);
    EXPECT_EQ(sink.calls, (std::vector<std::string>{"T10 off", "T10 off"}));

    sink.calls.clear();
    random.script({0, 2});
    remarks.T10Tick(sink);
    EXPECT_EQ(view(), std::vector<std::string>{"Рад тебя видеть."});
    EXPECT_EQ(log(), std::vector<std::string>{"CPU:     Рад тебя видеть."});
    EXPECT_EQ(transcript.viewStyle(0), kCpuStyle);
    EXPECT_EQ(utf(state.CpuReply), "Рад тебя видеть.");
    EXPECT_EQ(sink.calls, (std::vector<std::string>{"busy", "normal cursor", "cue", "T10 off"}));
    EXPECT_EQ(random.ranges, (std::vector<int>{3, 3, 3, 3}));
}

TEST_F(RemarksTest, FollowUpComesOnTheSecondTickAndNeverSaysLineZero) {
    RE2.load("Base\\AI.dat");
    random.script({1});
    remarks.T9Tick(sink, 1000);
    EXPECT_EQ(transcript.view().count(), 0);
    EXPECT_EQ(remarks.FollowUpWait, 500);
    remarks.T9Tick(sink, 1000);
    EXPECT_EQ(view(), std::vector<std::string>{"А знаешь что?"});
    EXPECT_EQ(log(), std::vector<std::string>{"CPU:     А знаешь что?"});
    EXPECT_EQ(transcript.viewStyle(0), kCpuStyle);
    EXPECT_EQ(random.ranges, std::vector<int>{2}); // lines 1 and 2 of three
    EXPECT_EQ(remarks.FollowUpWait, 0);
    EXPECT_EQ(sink.calls, (std::vector<std::string>{"busy", "cue", "normal cursor", "T9 off"}));

    lines("Base/AI.dat", {"Заголовок", "Кстати."});
    RE2.load("Base\\AI.dat");
    random.script({0});
    remarks.T9Tick(sink, 1000);
    remarks.T9Tick(sink, 1000);
    EXPECT_EQ(view().back(), "Кстати.");
}

TEST_F(RemarksTest, AWaitLeftHalfWayByADisarmGivesTheNextRemarkOnItsFirstTick) {
    RE2.load("Base\\AI.dat");
    remarks.T9Tick(sink, 1000); // then a turn disarms T9 and a later one arms it again
    EXPECT_EQ(remarks.FollowUpWait, 500);
    remarks.T9Tick(sink, 1000);
    EXPECT_EQ(transcript.view().count(), 1);
    EXPECT_EQ(remarks.FollowUpWait, 0);
}

TEST_F(RemarksTest, FollowUpTakesTheWorkListAsItFindsIt) {
    RE2.load("Base\\Begin.dat"); // a greeting loaded its file after the reply
    remarks.FollowUpWait = 500;
    random.script({1});
    remarks.T9Tick(sink, 1000);
    EXPECT_EQ(view(), std::vector<std::string>{"Рад тебя видеть."});
}

} // namespace
