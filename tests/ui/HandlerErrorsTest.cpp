// The error box: every failure of a command shown, a timer's repeated failure shown once.

#include "ui/HandlerErrors.h"

#include "FormFixture.h"
#include "dialogue/ValueError.h"
#include "engine/FileError.h"

namespace {

TEST(HandlerErrors, CommandShowsEveryFailureWithItsMessage) {
    testApplication();
    RecordingReporter reporter;
    HandlerErrors errors(reporter);
    const auto failing = [] { throw FileError::cannotOpen(cp("Base\\Слова.Dat")); };
    EXPECT_FALSE(errors.run(failing));
    EXPECT_FALSE(errors.run(failing));
    EXPECT_TRUE(errors.run([] {}));
    EXPECT_EQ(reporter.messages, (std::vector<std::string>{"Cannot open file Base\\Слова.Dat",
                                                           "Cannot open file Base\\Слова.Dat"}));
}

TEST(HandlerErrors, TimerShowsAFailureOnceUntilATickSucceeds) {
    RecordingReporter reporter;
    HandlerErrors errors(reporter);
    const auto missing = [] { throw FileError::cannotOpen("Base\\Pause.Dat"); };
    const auto badNumber = [] { throw ValueError::notValidInteger("x"); };
    errors.runTick("T2", missing);
    errors.runTick("T2", missing);
    errors.runTick("T6", missing);   // another timer has its own memory
    errors.runTick("T2", badNumber); // another failure is news
    errors.runTick("T2", [] {});
    errors.runTick("T2", missing); // and after a success, so is the old one
    EXPECT_EQ(reporter.messages, (std::vector<std::string>{"Cannot open file Base\\Pause.Dat",
                                                           "Cannot open file Base\\Pause.Dat",
                                                           "'x' is not a valid integer value",
                                                           "Cannot open file Base\\Pause.Dat"}));
}

} // namespace
