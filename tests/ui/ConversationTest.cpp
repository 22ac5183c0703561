// Talking in the window: a turn from the input line, the dialog view in the speakers' styles,
// undo and new dialog.

#include "FormFixture.h"
#include "ui/DialogView.h"
#include "ui/StatusBar.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

namespace {

using Conversation = FormTest;

// The window shown and active, its input rules applied once, as after the first ticks.
TForm1& readyWindow(FormFolder& rig) {
    TForm1& w = rig.form();
    w.show();
    QApplication::setActiveWindow(&w);
    w.T3Timer();
    w.T1Timer();
    return w;
}

std::vector<std::string> paragraphs(const DialogView& view) {
    std::vector<std::string> texts;
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next()) {
        texts.push_back(block.text().toStdString());
    }
    return texts;
}

TEST_F(Conversation, EnterInTheInputLineRunsATurn) {
    TForm1& w = readyWindow(*this);
    typeText(w.Input, QStringLiteral("привет"));
    w.T1Timer();
    QTest::keyClick(w.Input, Qt::Key_Return);

    EXPECT_EQ(viewLines(), (std::vector<std::string>{"Привет.", "Привет!"}));
    EXPECT_EQ(logLines(), (std::vector<std::string>{"USER:     Привет.", "CPU:     Привет!"}));
    EXPECT_EQ(w.Input->text(), QString());
    EXPECT_EQ(paragraphs(*w.RE1), (std::vector<std::string>{"Привет.", "Привет!"}));
    const auto cue = [this](const char* f) {
        return std::find(cues.started.begin(), cues.started.end(), f) - cues.started.begin();
    };
    EXPECT_LT(cue("Button3.wav"), cue("CpuSound.wav"));
    EXPECT_TRUE(w.T9.isActive()); // this turn drew the follow-up remark
}

TEST_F(Conversation, EnterAndSpeakDoNothingOnAnEmptyLine) {
    TForm1& w = readyWindow(*this);
    QTest::keyClick(w.Input, Qt::Key_Return);
    QTest::mouseClick(w.Speak, Qt::LeftButton);
    EXPECT_TRUE(viewLines().empty());
    EXPECT_FALSE(w.Talk->isEnabled());
}

TEST_F(Conversation, SpeakButtonRunsATurn) {
    TForm1& w = readyWindow(*this);
    w.Input->setText(QStringLiteral("как дела"));
    w.T1Timer();
    w.Speak->click();
    EXPECT_EQ(viewLines(), (std::vector<std::string>{"Как дела.", "Хорошо."}));
}

TEST_F(Conversation, LinesAreCentredInTheirSpeakersStyles) {
    std::vector<std::string> config = defaultConfig();
    config[13] = "User=255";     // red
    config[14] = "Cpu=16711680"; // blue
    config[18] = "Style=[fsBold]";
    config[23] = "Size=14";
    writeConfig(config);
    TForm1& w = form();
    say("Привет");

    const QTextBlock user = w.RE1->document()->begin();
    const QTextBlock cpu = user.next();
    EXPECT_EQ(user.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(cpu.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat userChars = user.begin().fragment().charFormat();
    const QTextCharFormat cpuChars = cpu.begin().fragment().charFormat();
    EXPECT_EQ(userChars.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(userChars.fontWeight(), QFont::Bold);
    EXPECT_EQ(cpuChars.foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(cpuChars.fontPointSize(), 14);
    EXPECT_NE(cpuChars.fontWeight(), QFont::Bold);
}

TEST_F(Conversation, FailedTurnIsReportedAndKeepsTheEcho) {
    std::filesystem::remove(folder.path() / "Base/W2.Dat");
    TForm1& w = form();
    say("Ничего такого");
    EXPECT_EQ(errors.messages, std::vector<std::string>{"Cannot open file Base\\W2.Dat"});
    EXPECT_EQ(viewLines(), std::vector<std::string>{"Ничего такого."});
    EXPECT_EQ(w.Input->text(), QStringLiteral("Ничего такого")); // the line keeps its text
    EXPECT_TRUE(w.busyCursor().isOn());
    say("Привет");
    EXPECT_FALSE(w.busyCursor().isOn());
}

TEST_F(Conversation, UndoRemovesOneLineFromEachListAndArmsTheShake) {
    TForm1& w = form();
    say("Привет");
    say("Как дела, это очень длинная реплика, которая точно не поместится в одну строку окна и "
        "будет перенесена, но останется одной строкой");
    w.T7.stop();
    w.CancelClick();
    EXPECT_EQ(viewLines().size(), 3u);
    EXPECT_EQ(paragraphs(*w.RE1).size(), 3u);
    EXPECT_EQ(logLines().size(), 3u);
    EXPECT_TRUE(w.T7.isActive());
    w.CancelClick();
    w.CancelClick();
    w.CancelClick();
    w.CancelClick(); // both lists empty: nothing changes
    EXPECT_TRUE(viewLines().empty());
    EXPECT_TRUE(logLines().empty());
    EXPECT_EQ(paragraphs(*w.RE1), std::vector<std::string>{""});
}

TEST_F(Conversation, NewDialogEmptiesViewLogAndLineButKeepsTheBranch) {
    TForm1& w = form();
    say("Как дела");
    ASSERT_EQ(w.engine().state().BranchDepth, 1);
    w.Input->setText(QStringLiteral("что-то"));
    w.T7.stop();
    w.N2Click();
    EXPECT_TRUE(viewLines().empty());
    EXPECT_TRUE(logLines().empty());
    EXPECT_EQ(w.Input->text(), QString());
    EXPECT_TRUE(w.T7.isActive());
    EXPECT_TRUE(w.T10.isActive());
    say("Хорошо");
    EXPECT_EQ(viewLines(), (std::vector<std::string>{"Хорошо.", "Вот и славно."}));
}

TEST_F(Conversation, CtrlZUndoesEvenWithTheFocusInTheInputLine) {
    TForm1& w = readyWindow(*this);
    say("Привет");
    w.T1Timer();
    ASSERT_TRUE(w.Input->hasFocus());
    QTest::keyClick(w.Input, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(viewLines().size(), 1u);
}

TEST_F(Conversation, CtrlZDoesNothingWhileTheViewIsEmpty) {
    TForm1& w = readyWindow(*this);
    w.T7.stop();
    QTest::keyClick(w.Input, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(w.Cancel->isEnabled());
    EXPECT_FALSE(w.T7.isActive()); // the undo did not run
}

TEST_F(Conversation, F5ReachesItsCommandThoughItsItemIsASeparator) {
    TForm1& w = readyWindow(*this);
    int triggered = 0;
    QObject::connect(w.N23, &QAction::triggered, [&triggered] { ++triggered; });
    w.SB1->setPanelText(0, QStringLiteral("привет"));
    w.T1Timer();
    QTest::keyClick(w.Input, Qt::Key_F5);
    EXPECT_EQ(triggered, 1);
    w.SB1->setPanelText(0, QStringLiteral("[NONE]"));
    w.T1Timer();
    QTest::keyClick(w.Input, Qt::Key_F5);
    EXPECT_EQ(triggered, 1);
}

} // namespace
