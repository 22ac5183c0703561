// The editor dialog "Редактор": its layout, opening and leaving it, the period it confirms, and
// the settings the exchange timer reads from it while it is open.

#include "FormFixture.h"
#include "ui/TimerArming.h"
#include "ui/Unit2.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

namespace {

class Editor : public FormTest {
protected:
    TForm1& window() {
        TForm1& w = form();
        w.setOtherForms(&form2, nullptr, nullptr);
        return w;
    }

    // "Сервис" → "Редактор", a number typed into the period field, one of the two buttons.
    void enterPeriod(const QString& text, QPushButton* button) {
        window().N38Click();
        form2.RB2->click();
        form2.SpinEdit1->selectAll();
        QTest::keyClick(form2.SpinEdit1, Qt::Key_Backspace);
        QTest::keyClicks(form2.SpinEdit1, text);
        button->click();
    }

    TForm2 form2;
};

TEST_F(Editor, EveryControlStandsWhereTheLayoutPutsItWithItsCaptionAndState) {
    const struct {
        QWidget* control;
        QWidget* container;
        QRect geometry;
        QString caption;
        bool enabled;
    } layout[] = {
        {form2.Bevel1, &form2, {0, 1, 305, 184}, {}, true},
        {form2.GroupBox1, &form2, {8, 8, 289, 57}, "Путь файла для внешнего ввода-вывода:", true},
        {form2.Edit1, form2.GroupBox1, {8, 24, 273, 21}, "D:\\Txt.Dat", true},
        {form2.GroupBox2, &form2, {8, 72, 289, 73}, "Считывание фразы из файла:", true},
        {form2.RB1, form2.GroupBox2, {16, 16, 177, 17}, "По нажатию клавиши [ENTER]", true},
        {form2.RB2, form2.GroupBox2, {16, 37, 129, 17}, "По таймеру  каждые:", true},
        {form2.SpinEdit1, form2.GroupBox2, {145, 34, 44, 22}, "1", false},
        {form2.Label1, form2.GroupBox2, {193, 37, 21, 13}, "сек.", true},
        {form2.Button1, &form2, {77, 152, 75, 25}, "Хорошо", true},
        {form2.Button2, &form2, {154, 152, 75, 25}, "Отмена", true},
    };
    for (const auto& c : layout) {
        SCOPED_TRACE(c.control->objectName().toStdString());
        EXPECT_EQ(c.control->parentWidget(), c.container);
        EXPECT_EQ(c.control->geometry(), c.geometry);
        EXPECT_EQ(c.control->isEnabled(), c.enabled);
        QString caption;
        if (auto* box = qobject_cast<QGroupBox*>(c.control)) {
            caption = box->title();
        } else if (auto* button = qobject_cast<QAbstractButton*>(c.control)) {
            caption = button->text();
        } else if (auto* edit = qobject_cast<QLineEdit*>(c.control)) {
            caption = edit->text();
        } else if (auto* spin = qobject_cast<QSpinBox*>(c.control)) {
            caption = spin->text();
        } else if (auto* label = qobject_cast<QLabel*>(c.control)) {
            caption = label->text();
        }
        EXPECT_EQ(caption, c.caption);
    }
    EXPECT_EQ(form2.windowTitle(), QStringLiteral("Редактор"));
    EXPECT_EQ(form2.size(), QSize(305, 185));
    EXPECT_TRUE(form2.RB1->isChecked());
    EXPECT_FALSE(form2.RB2->isChecked());
    EXPECT_EQ(form2.SpinEdit1->minimum(), 1);
    EXPECT_EQ(form2.SpinEdit1->maximum(), 36000);
    const QColor field = form2.palette().color(QPalette::HighlightedText);
    EXPECT_EQ(form2.Edit1->palette().color(QPalette::Base), field);
    EXPECT_EQ(form2.SpinEdit1->palette().color(QPalette::Base), field);
    EXPECT_FALSE(form2.windowFlags() & Qt::WindowCloseButtonHint);
    for (QPushButton* button : {form2.Button1, form2.Button2}) {
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
    }
}

TEST_F(Editor, TabGoesThroughThePathThePeriodTheTriggersAndTheButtons) {
    std::vector<QWidget*> chain;
    QWidget* next = form2.Edit1;
    for (int i = 0; i < 6; ++i) {
        chain.push_back(next);
        do {
            next = next->nextInFocusChain();
        } while (next->focusPolicy() == Qt::NoFocus || next->parentWidget() == form2.SpinEdit1);
    }
    EXPECT_EQ(chain, (std::vector<QWidget*>{form2.Edit1, form2.SpinEdit1, form2.RB2, form2.RB1,
                                            form2.Button1, form2.Button2}));
}

TEST_F(Editor, OpeningSetsThePeriodToOneAndTakesTheMainWindowOutOfService) {
    TForm1& w = window();
    w.Cpu31Click();
    form2.SpinEdit1->setValue(5000);
    w.N38Click();
    EXPECT_EQ(form2.SpinEdit1->value(), 1);
    EXPECT_FALSE(w.T1.isActive());
    EXPECT_FALSE(w.isEnabled());
    EXPECT_TRUE(form2.isVisible());
    EXPECT_TRUE(form2.isEnabled());
    EXPECT_TRUE(w.T6.isActive()); // the main window's timers keep running
}

TEST_F(Editor, BothButtonsGiveTheMainWindowBackWhateverTheMode) {
    TForm1& w = window();
    w.Cpu31Click();
    for (QPushButton* button : {form2.Button1, form2.Button2}) {
        SCOPED_TRACE(button->text().toStdString());
        w.N38Click();
        button->click();
        EXPECT_TRUE(w.T1.isActive());
        EXPECT_TRUE(w.isEnabled());
        EXPECT_FALSE(form2.isVisible());
    }
}

TEST_F(Editor, TheNumberEnteredIsSecondsWhenConfirmedAndMillisecondsWhenNot) {
    TForm1& w = window();
    writeLines("Txt.Dat", {"привет"});
    w.Cpu31Click();
    const struct {
        const char* entered;
        bool confirmed;
        int period;
        int interval;
    } cases[] = {
        {"5", true, 5000, 5000},        {"40", true, 36000, 36000},    {"35", true, 35000, 35000},
        {"5", false, 5, kShortestTick}, {"", false, 1, kShortestTick},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.entered) + (c.confirmed ? " Хорошо" : " Отмена"));
        enterPeriod(QString::fromUtf8(c.entered), c.confirmed ? form2.Button1 : form2.Button2);
        EXPECT_EQ(form2.settings().period, c.period);
        w.T6Timer();
        EXPECT_EQ(w.T6.interval(), c.interval);
    }
}

TEST_F(Editor, AnyChangeOfPathOrPeriodTakesTheRestoreMarkOffButTheRestoreItself) {
    TForm1& w = window();
    ASSERT_TRUE(w.N13->isChecked());
    form2.restoreDefaults();
    EXPECT_TRUE(w.N13->isChecked());
    EXPECT_EQ(form2.SpinEdit1->value(), 1000);
    EXPECT_EQ(form2.Edit1->text(), QStringLiteral("D:\\Txt.Dat"));

    form2.Edit1->setText(QStringLiteral("E:\\Другой.Dat"));
    EXPECT_FALSE(w.N13->isChecked());
    w.N13->setChecked(true);
    form2.SpinEdit1->setValue(7);
    EXPECT_FALSE(w.N13->isChecked());
}

TEST_F(Editor, TheTriggerButtonsSwitchThePeriodField) {
    form2.RB2->click();
    EXPECT_TRUE(form2.SpinEdit1->isEnabled());
    EXPECT_EQ(form2.settings().trigger, ExchangeFile::Trigger::Timer);
    form2.RB1->click();
    EXPECT_FALSE(form2.SpinEdit1->isEnabled());
    EXPECT_EQ(form2.settings().trigger, ExchangeFile::Trigger::Enter);
}

TEST_F(Editor, SettingsTakeEffectWhileTheDialogIsOpen) {
    TForm1& w = window();
    writeLines("Other.Dat", {"привет"});
    w.Cpu31Click();
    w.N38Click();
    form2.Edit1->setText(QStringLiteral("Other.Dat"));
    form2.RB2->click();
    w.T6Timer();
    EXPECT_EQ(logLines().size(), 2u);
    EXPECT_EQ(w.T6.interval(), kShortestTick); // the period opening set: as fast as timers allow
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(Editor, NeitherEscapeNorEnterLeavesItAndACloseRequestIsACancel) {
    TForm1& w = window();
    w.N38Click();
    QTest::keyClick(&form2, Qt::Key_Escape);
    QTest::keyClick(form2.Edit1, Qt::Key_Return);
    EXPECT_TRUE(form2.isVisible());
    EXPECT_FALSE(w.isEnabled());

    form2.RB2->click();
    form2.SpinEdit1->selectAll();
    QTest::keyClicks(form2.SpinEdit1, "15");
    EXPECT_FALSE(form2.close()); // the window manager's close: taken as "Отмена"
    EXPECT_FALSE(form2.isVisible());
    EXPECT_TRUE(w.isEnabled());
    EXPECT_TRUE(w.T1.isActive());
    EXPECT_EQ(form2.SpinEdit1->value(), 15); // nothing taken back, nothing confirmed
}

} // namespace
