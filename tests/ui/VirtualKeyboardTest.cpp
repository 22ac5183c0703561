// The on-screen keyboard: its window and keys, typing with the mouse into the main window's input
// line, Caps Lock, Bcksp, F5, [Enter], and handing the main window back.

#include "FormFixture.h"
#include "ui/DialogView.h"
#include "ui/StatusBar.h"
#include "ui/Unit4.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

namespace {

class VirtualKeyboard : public FormTest {
protected:
    TForm4& keyboard() {
        if (!keyboard_) {
            keyboard_ = std::make_unique<TForm4>(form());
            form().setOtherForms(nullptr, nullptr, keyboard_.get());
        }
        return *keyboard_;
    }
    // Opens the keyboard from the main window's menu.
    TForm4& opened() {
        TForm4& kb = keyboard();
        form().show();
        form().N22->trigger();
        return kb;
    }
    void click(const char* key) { QTest::mouseClick(keyboard().key(key), Qt::LeftButton); }
    std::string line() { return form().Input->text().toStdString(); }

    std::unique_ptr<TForm4> keyboard_;
};

TEST_F(VirtualKeyboard, WindowWithTwoGroupsOfKeys) {
    TForm4& kb = keyboard();
    kb.show();
    EXPECT_EQ(kb.windowTitle().toStdString(), "Виртуальная клавиатура");
    EXPECT_EQ(kb.findChild<QWidget*>(QStringLiteral("client"))->size(), QSize(353, 145));
    EXPECT_EQ(kb.minimumSize(), kb.maximumSize());
    EXPECT_TRUE(kb.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(kb.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(kb.palette().color(QPalette::Window), QColor(192, 192, 192));
    for (QGroupBox* group : {kb.GroupBox1, kb.GroupBox2}) {
        EXPECT_EQ(group->palette().color(QPalette::Text), QColor(Qt::white));
    }
    EXPECT_EQ(kb.GroupBox1->title().toStdString(), "Знаки:");
    EXPECT_EQ(kb.GroupBox1->geometry(), QRect(3, 3, 305, 57));
    EXPECT_EQ(kb.GroupBox2->title().toStdString(), "Буквы:");
    EXPECT_EQ(kb.GroupBox2->geometry(), QRect(3, 60, 305, 57));

    const struct {
        const char* name;
        QWidget* parent;
        QRect geometry;
        const char* caption;
    } keys[] = {
        {"SB4", kb.GroupBox1, {25, 16, 16, 17}, "#"},
        {"SB7", kb.GroupBox1, {73, 16, 16, 17}, "&&"}, // shown as one ampersand
        {"SB65", kb.GroupBox1, {265, 16, 16, 17}, "`"},
        {"SB28", kb.GroupBox1, {65, 33, 16, 17}, ","},
        {"SB26", kb.GroupBox1, {225, 33, 16, 17}, ">"},
        {"SB29", kb.GroupBox2, {8, 16, 17, 17}, "А"},
        {"SB45", kb.GroupBox2, {280, 16, 17, 17}, "П"},
        {"SB46", kb.GroupBox2, {16, 33, 17, 17}, "Р"},
        {"SB61", kb.GroupBox2, {271, 33, 17, 17}, "Я"},
        {"SB62", kb.GroupBox1->parentWidget(), {310, 9, 41, 50}, "Bcksp"},
        {"SB66", kb.GroupBox1->parentWidget(), {310, 65, 41, 51}, "[Enter]"},
        {"SB23", kb.GroupBox1->parentWidget(), {26, 119, 134, 22}, "Пробел"},
        {"SB63", kb.GroupBox1->parentWidget(), {161, 119, 123, 22}, "Caps Lock [не нажат]"},
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(k.name);
        QToolButton* key = kb.key(k.name);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->parentWidget(), k.parent);
        EXPECT_EQ(key->geometry(), k.geometry);
        EXPECT_EQ(key->text().toStdString(), k.caption);
    }
    const QList<QToolButton*> all =
        kb.findChild<QWidget*>(QStringLiteral("client"))->findChildren<QToolButton*>();
    EXPECT_EQ(all.size(), 64);
    for (QToolButton* key : all) {
        EXPECT_EQ(key->focusPolicy(), Qt::NoFocus) << key->objectName().toStdString();
        EXPECT_TRUE(key->autoRaise());
    }
    EXPECT_EQ(kb.key("SB29")->palette().color(QPalette::ButtonText), QColor(Qt::black));

    EXPECT_EQ(kb.N1->title().toStdString(), "&Система");
    EXPECT_EQ(kb.N2->text().toStdString(), "С&крыть виртуальную клавиатуру");
    EXPECT_TRUE(kb.N3->isSeparator());
    EXPECT_EQ(kb.N3->shortcut(), QKeySequence(Qt::Key_F5));
}

TEST_F(VirtualKeyboard, OpeningTakesTheMainWindowOutOfService) {
    TForm1& w = form();
    w.completion.SpeedSuggestion = cp("ет");
    TForm4& kb = opened();
    EXPECT_EQ(w.Talk->text().toStdString(), "ет");
    EXPECT_FALSE(w.T1.isActive());
    EXPECT_FALSE(w.isEnabled());
    EXPECT_TRUE(kb.isVisible());
    EXPECT_TRUE(kb.isEnabled());
    EXPECT_TRUE(kb.T1.isActive());

    kb.N2->trigger();
    EXPECT_FALSE(kb.T1.isActive());
    EXPECT_TRUE(w.T1.isActive());
    EXPECT_TRUE(w.isEnabled());
    EXPECT_FALSE(kb.isVisible());
}

// The proposal is kept as text: an ampersand in it does not make Alt and a letter click the hidden
// Enter button.
TEST_F(VirtualKeyboard, AnAmpersandInTheProposalStaysText) {
    TForm1& w = form();
    w.completion.SpeedSuggestion = cp("&Ок");
    TForm4& kb = opened();
    EXPECT_EQ(w.Talk->text().toStdString(), "&&Ок");
    kb.N3Click();
    EXPECT_EQ(line(), "&ок");
}

TEST_F(VirtualKeyboard, ClicksTypeAPhraseWithCapsLock) {
    opened();
    for (const char* key : {"SB63", "SB43", "SB63", "SB49", "SB28", "SB23", "SB31", "SB46", "SB34",
                            "SB42", "SB61", "SB2", "SB7"}) {
        click(key);
    }
    EXPECT_EQ(line(), "Ну, время!&");
    EXPECT_EQ(keyboard().SB63->text().toStdString(), "Caps Lock [не нажат]");
    EXPECT_EQ(cues.count("KeyBoard.wav"), 11); // one key cue for every change of the line
}

TEST_F(VirtualKeyboard, CapsLockCaptionFollowsItsState) {
    TForm4& kb = opened();
    click("SB29");
    click("SB63");
    EXPECT_EQ(kb.SB63->text().toStdString(), "Caps Lock [нажат]");
    EXPECT_EQ(kb.key("SB29")->text().toStdString(), "А"); // letter captions stay capitals
    click("SB29");
    click("SB63");
    EXPECT_EQ(kb.SB63->text().toStdString(), "Caps Lock [не нажат]");
    click("SB29");
    EXPECT_EQ(line(), "аАа");
    kb.N2Click();
    opened();
    EXPECT_EQ(kb.keyboard.CapsState, 0); // kept while hidden
}

TEST_F(VirtualKeyboard, BackspaceDownToEmptyThenItsKeysAreDisabled) {
    TForm4& kb = opened();
    form().Input->setText(QStringLiteral("да"));
    kb.T1Timer();
    EXPECT_TRUE(kb.SB62->isEnabled());
    EXPECT_TRUE(kb.SB66->isEnabled());
    click("SB62");
    EXPECT_EQ(line(), "д");
    click("SB62");
    EXPECT_EQ(line(), "");
    EXPECT_TRUE(kb.SB62->isEnabled()); // until the next tick
    kb.T1Timer();
    EXPECT_FALSE(kb.SB62->isEnabled());
    EXPECT_FALSE(kb.SB66->isEnabled());
}

TEST_F(VirtualKeyboard, ALongPhraseIsNotCutAtTheTypingLimit) {
    TForm4& kb = opened();
    for (int i = 0; i < 300; ++i) {
        kb.key("SB29")->click();
    }
    EXPECT_EQ(form().Input->text().size(), 300);
}

TEST_F(VirtualKeyboard, F5AppendsTheProposalTakenAtOpening) {
    TForm1& w = form();
    w.completion.SpeedSuggestion = cp("ЕТ");
    TForm4& kb = opened();
    w.completion.SpeedSuggestion = cp("ишка"); // what the completion offers since
    w.SB1->setPanelText(0, QStringLiteral("[NONE]"));
    click("SB47");
    QApplication::setActiveWindow(&kb);
    for (int press = 0; press < 3; ++press) {
        w.T11.stop();
        QTest::keyClick(&kb, Qt::Key_F5);
        EXPECT_TRUE(w.T11.isActive()); // a lookup, although completion is off
    }
    EXPECT_EQ(line(), "сететет");
}

TEST_F(VirtualKeyboard, EnterSpeaksAndHidingHandsTheLineBack) {
    TForm1& w = form();
    w.Input->setText(QStringLiteral("П"));
    w.T1Timer();
    TForm4& kb = opened();
    for (const char* key : {"SB46", "SB38", "SB31", "SB34", "SB48"}) {
        click(key);
    }
    kb.T1Timer();
    click("SB66");
    EXPECT_EQ(viewLines(), (std::vector<std::string>{"Привет.", "Привет!"}));
    EXPECT_EQ(line(), "");
    EXPECT_FALSE(w.isEnabled());           // still the keyboard's turn
    EXPECT_TRUE(w.Speak->isEnabledTo(&w)); // as it was at opening

    kb.N2Click();
    w.T1Timer(); // the first tick after hiding catches up with the empty line
    EXPECT_FALSE(w.Speak->isEnabled());
    EXPECT_FALSE(w.Talk->isEnabled());
    EXPECT_TRUE(w.Cancel->isEnabled());
}

TEST_F(VirtualKeyboard, ACloseRequestHidesItLikeTheMenuCommand) {
    TForm1& w = form();
    TForm4& kb = opened();
    kb.close();
    EXPECT_FALSE(kb.isVisible());
    EXPECT_TRUE(w.isEnabled());
    EXPECT_TRUE(w.T1.isActive());
    EXPECT_FALSE(kb.T1.isActive());
}

} // namespace
