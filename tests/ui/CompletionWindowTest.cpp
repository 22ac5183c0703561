// Word completion and the layout converter in the main window: the menu switch, the lookup timer,
// F5, the arrow keys through the application's key hook, "E/R" and Ctrl+S.

#include "FormFixture.h"
#include "ui/StatusBar.h"
#include "ui/Unit4.h"

#include <QAction>
#include <QToolButton>

namespace {

class CompletionWindow : public FormTest {
protected:
    TForm1& shown() {
        TForm1& w = form();
        // Delivering a key runs the event loop, where the start-up timers would tick on a busy
        // machine and write panel 0 themselves.
        w.T3.stop();
        w.T7.stop();
        w.T8.stop();
        w.show();
        QApplication::setActiveWindow(&w);
        w.Input->setFocus();
        return w;
    }
    std::string panel0() { return form().SB1->panelText(0).toStdString(); }
    std::string line() { return form().Input->text().toStdString(); }
};

TEST_F(CompletionWindow, TheLookupRunsOnceAtStart) {
    TForm1& w = form();
    EXPECT_TRUE(w.T11.isActive());
    w.T11Timer();
    EXPECT_EQ(panel0(), "[NONE]");
    EXPECT_FALSE(w.T11.isActive());
}

TEST_F(CompletionWindow, TheMenuItemLoadsTheDictionaryAtEverySwitch) {
    TForm1& w = form();
    w.T11.stop();
    completionOn({"привет"});
    EXPECT_TRUE(w.N24->isChecked());
    EXPECT_EQ(panel0(), "[NONE]");
    EXPECT_TRUE(w.T11.isActive());

    writeLines("Base/dictionary.dat", {"прямо"});
    w.N24->trigger(); // as the menu gives it
    EXPECT_FALSE(w.N24->isChecked());
    EXPECT_EQ(panel0(), "Загрузка окончена");
    EXPECT_FALSE(w.T11.isActive());
    EXPECT_EQ(utf(w.completion.SpeedWord.line(0)), "прямо");
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(CompletionWindow, AMissingDictionaryIsReportedAndChangesNothing) {
    TForm1& w = form();
    w.T11.stop();
    w.SB1->setPanelText(0, QStringLiteral("Загрузка окончена"));
    w.N24->trigger();
    EXPECT_EQ(errors.messages, std::vector<std::string>{"Cannot open file Base\\dictionary.dat"});
    EXPECT_FALSE(w.N24->isChecked());
    EXPECT_EQ(panel0(), "Загрузка окончена");
    EXPECT_FALSE(w.T11.isActive());
}

TEST_F(CompletionWindow, TypingShowsTheEntryAndF5AppendsIt) {
    TForm1& w = shown();
    completionOn({"привет", "Привычка", "прямо"});
    typeText(w.Input, QStringLiteral("Я прив"));
    EXPECT_TRUE(w.T11.isActive());
    w.T11Timer();
    EXPECT_EQ(panel0(), "привет");
    EXPECT_FALSE(w.T11.isActive());
    w.T1Timer();
    EXPECT_TRUE(w.N23->isEnabled());

    QTest::keyClick(w.Input, Qt::Key_F5);
    EXPECT_EQ(line(), "Я привет");
    EXPECT_TRUE(w.T11.isActive());
    w.T11Timer();
    EXPECT_EQ(panel0(), "привет"); // found again, with nothing left to add
    QTest::keyClick(w.Input, Qt::Key_F5);
    EXPECT_EQ(line(), "Я привет");
    w.T11Timer();
    EXPECT_EQ(panel0(), "[NONE]");
    w.T1Timer();
    EXPECT_FALSE(w.N23->isEnabled());
}

// Each key goes down once, whichever widget it travels through; the panel shows where the key
// moved the search, and the lookup that follows shows what it found.
TEST_F(CompletionWindow, UpAndDownWalkTheDictionary) {
    TForm1& w = shown();
    completionOn({"дом", "привет", "дорога", "прямо", "домик"});
    typeText(w.Input, QStringLiteral("до"));
    w.T11Timer();
    ASSERT_EQ(panel0(), "дом");
    const struct {
        Qt::Key key;
        const char* shown;
        const char* found;
    } steps[] = {
        {Qt::Key_Down, "привет", "дорога"}, // Down skips one entry
        {Qt::Key_Up, "дом", "дорога"},      // no match between: Up keeps the match
        {Qt::Key_Left, "дорога", "домик"},  // a key that leaves the line goes to the next match
        {Qt::Key_Down, "домик", "[NONE]"},  // the last entry: nothing after it
        {Qt::Key_Up, "дом", "дорога"},      // no current entry: from entry 1 on
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.shown);
        QTest::keyClick(w.windowHandle(), step.key);
        EXPECT_EQ(panel0(), step.shown);
        EXPECT_TRUE(w.T11.isActive());
        w.T11Timer();
        EXPECT_EQ(panel0(), step.found);
    }
    EXPECT_EQ(line(), "до"); // every key still did its own work: Left only moved the caret
    EXPECT_EQ(w.Input->cursorPosition(), 1);
}

TEST_F(CompletionWindow, KeysOfTheKeyboardWindowReachTheHookToo) {
    TForm1& w = shown();
    TForm4 keyboard(w);
    w.setOtherForms(nullptr, nullptr, &keyboard);
    completionOn({"дом", "дорога"});
    w.N22Click();
    keyboard.key("SB33")->click();
    keyboard.key("SB44")->click();
    w.T11Timer();
    ASSERT_EQ(panel0(), "дом");
    QTest::keyClick(keyboard.windowHandle(), Qt::Key_Down);
    EXPECT_EQ(panel0(), "дорога");
    EXPECT_EQ(w.completion.SpeedIndex, 1);
}

TEST_F(CompletionWindow, KeysChangeNothingWhileCompletionIsOff) {
    TForm1& w = shown();
    completionOn({"дом", "дорога"});
    w.N24Click();
    w.T11.stop();
    QTest::keyClick(w.windowHandle(), Qt::Key_Down);
    EXPECT_EQ(panel0(), "Загрузка окончена");
    EXPECT_EQ(w.completion.SpeedIndex, -1);
    EXPECT_FALSE(w.T11.isActive());
}

TEST_F(CompletionWindow, NoHookWhenTheCreationHandlerFailed) {
    std::filesystem::remove(folder.path() / "Base/Words.Dat");
    TForm1& w = shown();
    ASSERT_FALSE(w.AppMessageInstalled);
    completionOn({"дом", "дорога"});
    w.T11Timer();
    QTest::keyClick(w.windowHandle(), Qt::Key_Down);
    EXPECT_EQ(w.completion.SpeedIndex, -1);
    EXPECT_EQ(panel0(), "[NONE]");
}

TEST_F(CompletionWindow, ConverterWritesTheLineBackOnce) {
    TForm1& w = form();
    w.Input->setText(QStringLiteral("ghbdtn"));
    cues.started.clear();
    w.EnRus->setEnabled(true);
    QTest::mouseClick(w.EnRus, Qt::LeftButton);
    EXPECT_EQ(line(), "привет");
    EXPECT_EQ(cues.started, (std::vector<std::string>{"Button2.wav", "KeyBoard.wav"}));

    cues.started.clear();
    w.EnRusClick(); // nothing left to convert: no change, only the converter's cue
    EXPECT_EQ(line(), "привет");
    EXPECT_EQ(cues.started, std::vector<std::string>{"Button2.wav"});
}

TEST_F(CompletionWindow, CtrlSConvertsWhileTheButtonIsEnabled) {
    TForm1& w = shown();
    typeText(w.Input, QStringLiteral("Ghbdtn"));
    QTest::keyClick(w.Input, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(line(), "Ghbdtn"); // "E/R" is still disabled: the enable timer has not ticked
    w.T1Timer();
    QTest::keyClick(w.Input, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(line(), "Привет");
}

TEST_F(CompletionWindow, AConvertedReservedCharacterIsWipedByTheScanner) {
    TForm1& w = form();
    w.Input->setText(QStringLiteral("z$"));
    w.EnRusClick();
    EXPECT_EQ(line(), "я;");
    w.T5Timer();
    w.T5Timer();
    EXPECT_EQ(line(), "");
}

} // namespace
