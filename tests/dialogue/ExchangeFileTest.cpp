#include "dialogue/ExchangeFile.h"

#include "dialogue/ExchangePeriod.h"
#include "engine/FileError.h"
#include "support/Cp.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ExchangePeriod, TheFieldIsAWholeNumberHeldToItsRange) {
    const struct {
        const char* text;
        int value;
    } cases[] = {{"5", 5}, {"36000", 36000}, {"99999", 36000}, {"0", 1}, {"-7", 1},
                 {"", 1},  {"пять", 1},      {"5 ", 1},        {"1", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ExchangePeriod::valueOf(cp(c.text)), c.value);
    }
}

TEST(ExchangePeriod, ConfirmedSecondsBecomeMillisecondsHeldToTheRange) {
    const struct {
        int entered;
        int period;
    } cases[] = {{1, 1000}, {5, 5000}, {35, 35000}, {36, 36000}, {40, 36000}, {36000, 36000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entered);
        EXPECT_EQ(ExchangePeriod::confirmedFromSeconds(c.entered), c.period);
    }
}

class RecordingSink : public ExchangeFile::Sink {
public:
    std::vector<std::string> calls;
    void setTalkEnabled(bool enabled) override {
        calls.push_back(enabled ? "Talk on" : "Talk off");
    }
    void setPeriod(int ms) override { calls.push_back("period " + std::to_string(ms)); }
    void speak() override { calls.push_back("speak"); }
};

struct ExchangeRig {
    TempFolder temp;
    LineFiles files{PathResolver(temp.path())};
    LineList LoadtxtCpuCpu;
    RecordingSink sink;
};

TEST(ExchangeFile, TheTickReadsTheFileAndActsByTheTrigger) {
    const struct {
        ExchangeFile::Trigger trigger;
        std::vector<std::string> calls;
    } cases[] = {
        {ExchangeFile::Trigger::Enter, {"Talk on"}},
        {ExchangeFile::Trigger::Timer, {"period 5000", "Talk off", "speak"}},
        {ExchangeFile::Trigger::None, {"Talk on"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.trigger));
        ExchangeRig rig;
        rig.temp.write("Txt.Dat", cp("Как дела?\r\nвторая строка\r\n"));
        ExchangeFile::T6Tick(rig.files, {"D:\\Txt.Dat", c.trigger, 5000}, rig.LoadtxtCpuCpu,
                             rig.sink);
        EXPECT_EQ(rig.sink.calls, c.calls);
        EXPECT_EQ(utf(rig.LoadtxtCpuCpu.line(0)), "Как дела?");
    }
}

TEST(ExchangeFile, AFileThatCannotBeReadEndsTheTickAndKeepsTheListAsItWas) {
    ExchangeRig rig;
    rig.LoadtxtCpuCpu.append("before");
    for (auto trigger : {ExchangeFile::Trigger::Enter, ExchangeFile::Trigger::Timer}) {
        try {
            ExchangeFile::T6Tick(rig.files, {"D:\\Txt.Dat", trigger, 1}, rig.LoadtxtCpuCpu,
                                 rig.sink);
            ADD_FAILURE() << "no error";
        } catch (const FileError& error) {
            EXPECT_STREQ(error.what(), "Cannot open file D:\\Txt.Dat");
        }
    }
    EXPECT_TRUE(rig.sink.calls.empty());
    EXPECT_EQ(rig.LoadtxtCpuCpu.line(0), "before");
}

TEST(ExchangeFile, TheReplyReplacesTheWholeFileWithOneRtfLineAndNothingIsLeftBeside) {
    ExchangeRig rig;
    rig.temp.write("Txt.Dat", "one\r\ntwo\r\nthree\r\n");
    ExchangeFile::write(rig.files, "D:\\Txt.Dat", cp("Всё хорошо."), rig.LoadtxtCpuCpu);
    const std::string bytes = rig.temp.read("Txt.Dat");
    EXPECT_EQ(bytes.rfind("{\\rtf", 0), 0u);
    const LineList stored = LineFiles::parse(bytes);
    ASSERT_EQ(stored.count(), 1);
    EXPECT_EQ(utf(stored.line(0)), "Всё хорошо.");
    EXPECT_EQ(rig.LoadtxtCpuCpu, stored);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(rig.temp.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(ExchangeFile, AFileThatCannotBeWrittenIsAFileErrorAndStaysAsItWas) {
    ExchangeRig rig;
    std::filesystem::create_directory(rig.temp.path() / "Txt.Dat"); // a folder in the way
    EXPECT_THROW(ExchangeFile::write(rig.files, "D:\\Txt.Dat", "x", rig.LoadtxtCpuCpu), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(rig.temp.path() / "Txt.Dat"));
}

} // namespace
