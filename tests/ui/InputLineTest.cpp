// The input line in the window: the enable timer, the change handler, the reserved-character
// scanner and the typing limit.

#include "FormFixture.h"
#include "ui/DialogView.h"
#include "ui/StatusBar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QToolButton>

namespace {

using InputLineRules = FormTest;

TEST_F(InputLineRules, EnableTimerFollowsTheLineAndTheView) {
    TForm1& w = form();
    w.Input->setText(QStringLiteral("a"));
    w.T1Timer();
    EXPECT_TRUE(w.Speak->isEnabled());
    EXPECT_TRUE(w.EnRus->isEnabled());
    EXPECT_TRUE(w.Talk->isEnabled());
    EXPECT_FALSE(w.Cancel->isEnabled());
    EXPECT_FALSE(w.N3->isEnabled());

    say("Привет");
    w.T1Timer();
    EXPECT_FALSE(w.Speak->isEnabled());
    EXPECT_FALSE(w.Talk->isEnabled());
    EXPECT_TRUE(w.Cancel->isEnabled());
    EXPECT_TRUE(w.N3->isEnabled());
}

TEST_F(InputLineRules, EnableTimerStartsTheLookupOnAnEmptyLineWhileCompletionIsOn) {
    TForm1& w = form();
    w.T11.stop();
    w.T1Timer();
    EXPECT_FALSE(w.T11.isActive());
    completionOn();
    w.T11.stop();
    w.T1Timer();
    EXPECT_TRUE(w.T11.isActive());
}

TEST_F(InputLineRules, EnableTimerPullsTheFocusBackToTheLine) {
    TForm1& w = form();
    w.show();
    QApplication::setActiveWindow(&w);
    w.RE1->setFocus();
    w.T1Timer();
    EXPECT_TRUE(w.Input->hasFocus());
}

TEST_F(InputLineRules, EveryChangeSoundsTheKeyAndRestartsTheLookupOnlyWhileCompletionIsOn) {
    TForm1& w = form();
    w.completion.SpeedIndex = 4;
    w.Input->setText(QStringLiteral("a"));
    EXPECT_EQ(w.completion.SpeedIndex, -1);
    EXPECT_EQ(cues.count("KeyBoard.wav"), 1);
    EXPECT_FALSE(w.T11.isActive());

    completionOn();
    w.T11.stop();
    w.Input->setText(QStringLiteral("ab"));
    EXPECT_TRUE(w.T11.isActive());
    w.Input->setText(QStringLiteral("ab")); // the same text is no change
    EXPECT_EQ(cues.count("KeyBoard.wav"), 2);
}

TEST_F(InputLineRules, ScannerWipesTheLineAndDisablesTheViewForGood) {
    TForm1& w = form();
    w.Input->setText(QStringLiteral("a^b"));
    const int keys = cues.count("KeyBoard.wav");
    w.T5Timer();
    EXPECT_EQ(w.Input->text(), QStringLiteral("a^b"));
    w.T5Timer();
    EXPECT_EQ(w.Input->text(), QString());
    EXPECT_FALSE(w.RE1->isEnabled());
    EXPECT_EQ(cues.count("KeyBoard.wav"), keys + 1);
    say("Привет"); // lines still reach the disabled view
    EXPECT_EQ(w.RE1->paragraphs(), 2);
    EXPECT_FALSE(w.RE1->isEnabled());
}

TEST_F(InputLineRules, TypingStopsAtTheLimitButTheProgramsTextIsKeptWhole) {
    TForm1& w = form();
    w.show();
    QApplication::setActiveWindow(&w);
    w.Input->setFocus();
    typeText(w.Input, QString(260, u'ж'));
    EXPECT_EQ(w.Input->text().size(), 255);

    w.Input->setText(QString(300, u'a'));
    EXPECT_EQ(w.Input->text().size(), 300);
    w.Input->end(false);
    typeText(w.Input, QStringLiteral("b"));
    EXPECT_EQ(w.Input->text().size(), 300);
    QTest::keyClick(w.Input, Qt::Key_Backspace);
    EXPECT_EQ(w.Input->text().size(), 299);
}

TEST_F(InputLineRules, PasteIsCutToWhatFits) {
    TForm1& w = form();
    w.Input->setText(QString(250, u'a'));
    w.Input->end(false);
    QApplication::clipboard()->setText(QStringLiteral("1234567890"));
    w.Input->paste();
    EXPECT_EQ(w.Input->text(), QString(250, u'a') + QStringLiteral("12345"));
}

// Alt with a letter is a menu key: where no menu takes the letter, it types nothing.
TEST_F(InputLineRules, AltWithALetterTypesNothing) {
    TForm1& w = form();
    w.show();
    QApplication::setActiveWindow(&w);
    w.Input->setFocus();
    const struct {
        Qt::Key key;
        const char* text;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {
        {Qt::Key_Q, "q", Qt::AltModifier},
        {Qt::Key_Q, "Q", Qt::AltModifier | Qt::ShiftModifier},
        {Qt::Key_unknown, "ж", Qt::AltModifier},
        {Qt::Key_1, "1", Qt::AltModifier},
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(k.text);
        QTest::sendKeyEvent(QTest::Click, w.Input, k.key, QString::fromUtf8(k.text), k.modifiers);
        EXPECT_EQ(w.Input->text(), QString());
        EXPECT_EQ(cues.count("KeyBoard.wav"), 0);
    }
    QTest::sendKeyEvent(QTest::Click, w.Input, Qt::Key_Q, QStringLiteral("q"), Qt::NoModifier);
    EXPECT_EQ(w.Input->text(), QStringLiteral("q"));
}

} // namespace
