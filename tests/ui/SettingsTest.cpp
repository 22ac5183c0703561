// The settings menu: every chooser confirmed and cancelled, the restore and full screen, on a real
// window whose choosers answer from a queue instead of showing a dialog.

#include "FormFixture.h"
#include "ui/DialogView.h"
#include "ui/StatusBar.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"

#include <QAction>
#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QSpinBox>
#include <QTextCursor>
#include <QToolButton>

namespace {

using Settings = FormTest;

const QColor kSilver(192, 192, 192);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);

QColor colourOf(QWidget* widget, QPalette::ColorRole role) {
    return widget->palette().color(QPalette::Active, role);
}

// Selects the first line of the dialog view, as the user would with the mouse.
QTextCharFormat selectFirstLine(TForm1& w) {
    QTextCursor cursor(w.RE1->document());
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    w.RE1->setTextCursor(cursor);
    return cursor.charFormat();
}

TEST_F(Settings, EveryColourCommandAppliesAConfirmedChoiceAndRemovesTheMarkEitherWay) {
    struct Case {
        const char* name;
        void (TForm1::*handler)();
        ColourChooser TForm1::*store;
        std::function<QColor(TForm1&)> shown; // what the choice changes on the window
    };
    const Case cases[] = {
        {"N6", &TForm1::N6Click, &TForm1::ColorDialog1,
         [](TForm1& w) { return colourOf(w.centralWidget(), QPalette::Window); }},
        {"N21", &TForm1::N21Click, &TForm1::ColorDialog1,
         [](TForm1& w) { return colourOf(w.RE1, QPalette::Base); }},
        {"N16", &TForm1::N16Click, &TForm1::ColorDialog1,
         [](TForm1& w) { return colourOf(w.Input, QPalette::Base); }},
        {"Mystring2", &TForm1::Mystring2Click, &TForm1::ColorDialog1,
         [](TForm1& w) { return colourOf(w.Input, QPalette::Text); }},
        {"User1", &TForm1::User1Click, &TForm1::ColorDialog2,
         [](TForm1& w) { return selectFirstLine(w).foreground().color(); }},
        {"Cpu1", &TForm1::Cpu1Click, &TForm1::ColorDialog3,
         [](TForm1& w) { return selectFirstLine(w).foreground().color(); }},
    };
    for (const Case& c : cases) {
        for (const bool confirmed : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (confirmed ? " confirmed" : " cancelled"));
            FormFolder fixture;
            TForm1& w = fixture.form();
            fixture.say("привет"); // a line to select
            selectFirstLine(w);
            const QColor before = c.shown(w);
            ColourChooser& store = w.*c.store;
            store.answerNext(confirmed ? std::optional<QColor>(kRed) : std::nullopt);

            (w.*c.handler)();

            EXPECT_EQ(store.opened(), 1);
            EXPECT_FALSE(w.N13->isChecked());
            EXPECT_EQ(c.shown(w), confirmed ? kRed : before);
            EXPECT_EQ(store.color(), confirmed ? kRed : QColor(Qt::black));
            EXPECT_TRUE(fixture.errors.messages.empty());
        }
    }
}

TEST_F(Settings, ButtonCaptionsAreChosenOneByOneAndACancelledChoiceSkipsOnlyItsButton) {
    TForm1& w = form();
    w.ColorDialog1.answerNext(kRed);
    w.ColorDialog1.answerNext(std::nullopt);
    w.ColorDialog1.answerNext(kBlue);
    w.N9Click();
    EXPECT_EQ(w.ColorDialog1.opened(), 3);
    EXPECT_EQ(w.ColorDialog1.offered(), kRed); // the third opened with the colour confirmed last
    EXPECT_EQ(colourOf(w.Speak, QPalette::ButtonText), kRed);
    EXPECT_EQ(colourOf(w.Cancel, QPalette::ButtonText), QColor(Qt::black));
    EXPECT_EQ(colourOf(w.EnRus, QPalette::ButtonText), kBlue);
    EXPECT_EQ(w.ColorDialog1.color(), kBlue);
    EXPECT_FALSE(w.N13->isChecked());
}

TEST_F(Settings, LineFontsRestyleTheSelectionAndAreWrittenWithTheNextLines) {
    const FontSetting serif{"DejaVu Serif", 14, FontStyle{true, false}};
    for (const bool confirmed : {true, false}) {
        SCOPED_TRACE(confirmed ? "confirmed" : "cancelled");
        FormFolder fixture;
        std::vector<std::string> config = defaultConfig();
        config[18] = "Style=[fsItalic]";
        config[19] = "Size=11";
        fixture.writeConfig(config);
        TForm1& w = fixture.form();
        fixture.say("привет");
        selectFirstLine(w);
        w.FontDialog1.answerNext(confirmed ? std::optional<FontSetting>(serif) : std::nullopt);

        w.User2Click();

        EXPECT_FALSE(w.N13->isChecked());
        const QTextCharFormat selected = selectFirstLine(w);
        // Confirmed: the chosen font; cancelled: the face stays, the stored size and style come.
        EXPECT_EQ(selected.fontPointSize(), confirmed ? 14 : 11);
        EXPECT_EQ(selected.fontWeight() == QFont::Bold, confirmed);
        EXPECT_EQ(selected.fontItalic(), !confirmed);
        if (confirmed) {
            EXPECT_EQ(selected.fontFamilies().toStringList(), QStringList{"DejaVu Serif"});
            EXPECT_EQ(w.userLineStyle(), (LineStyle{0, "DejaVu Serif", 14, true, false}));
        } else {
            EXPECT_EQ(w.userLineStyle(), (LineStyle{0, "MS Sans Serif", 11, false, true}));
        }
        // A line written without a style of its own, as the idle remark is, takes them too.
        const LineStyle& current = w.transcript.currentStyle();
        EXPECT_EQ(current.fontSize, confirmed ? 14 : 11);
        EXPECT_EQ(current.bold, confirmed);
        EXPECT_EQ(current.italic, !confirmed);
        if (confirmed) {
            EXPECT_EQ(current.fontName, "DejaVu Serif");
        }
    }
}

TEST_F(Settings, TheInputLineTakesTheMyStringFontsStyleAlwaysAndItsNameWhenConfirmed) {
    for (const bool confirmed : {true, false}) {
        SCOPED_TRACE(confirmed ? "confirmed" : "cancelled");
        FormFolder fixture;
        std::vector<std::string> config = defaultConfig();
        config[25] = "Font=DejaVu Sans Mono";
        config[26] = "Style=[fsBold,fsItalic]"; // reaches the line only through the chooser
        fixture.writeConfig(config);
        TForm1& w = fixture.form();
        const QFont before = w.Input->font();
        EXPECT_FALSE(before.bold());
        w.FontDialog3.answerNext(confirmed ? std::optional<FontSetting>(FontSetting{
                                                 "DejaVu Serif", 20, FontStyle{false, true}})
                                           : std::nullopt);

        w.Mystring1Click();

        const QFont font = w.Input->font();
        EXPECT_FALSE(w.N13->isChecked());
        EXPECT_EQ(font.family(), confirmed ? QStringLiteral("DejaVu Serif") : before.family());
        EXPECT_EQ(font.bold(), !confirmed);
        EXPECT_TRUE(font.italic());
        EXPECT_EQ(font.pointSize(), before.pointSize()); // the size never changes
        EXPECT_EQ(w.FontDialog3.size(), 8);
        EXPECT_EQ(w.FontDialog3.name(), confirmed ? "DejaVu Serif" : "DejaVu Sans Mono");
    }
}

TEST_F(Settings, CancellingTheProgramLineChoosersChangesNoStore) {
    TForm1& w = form();
    const LineStyle before = w.cpuLineStyle();
    w.ColorDialog3.answerNext(std::nullopt);
    w.FontDialog2.answerNext(std::nullopt);
    w.Cpu1Click();
    w.Cpu2Click();
    EXPECT_EQ(w.cpuLineStyle(), before);
    EXPECT_EQ(w.FontDialog2.opened(), 1);
    EXPECT_FALSE(w.N13->isChecked());
}

// The restore with the editor and the about window made, as at start.
class Restore : public FormTest {
protected:
    Restore() {
        std::filesystem::create_directories(folder.path() / "Images");
        QImage picture(10, 10, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        picture.save(QString::fromStdString((folder.path() / "Images").string() + "/Inform.bmp"),
                     "BMP");
    }
    void makeOtherForms() {
        form2 = std::make_unique<TForm2>();
        form3 = std::make_unique<TForm3>(services());
        form().setOtherForms(form2.get(), form3.get(), nullptr);
    }
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm3> form3;
};

TEST_F(Restore, PutsBackTheInitialSettingsAndShowsTheMark) {
    std::vector<std::string> config = defaultConfig();
    config[5] = "Window=255";
    config[13] = "User=255";
    config[17] = "Font=DejaVu Serif";
    config[26] = "Style=[fsItalic]";
    writeConfig(config);
    makeOtherForms();
    TForm1& w = form();
    w.ColorDialog1.answerNext(kGreen);
    w.N16Click();
    w.ColorDialog1.answerNext(kBlue);
    w.Mystring2Click();
    w.N40Click(); // full screen stays as it is
    const QString face = w.Input->font().family();
    EXPECT_EQ(form2->SpinEdit1->value(), 1);
    form2->Edit1->setText(QStringLiteral("C:\\Other.txt"));
    ASSERT_FALSE(w.N13->isChecked());

    w.N13Click();

    EXPECT_TRUE(w.N13->isChecked());
    EXPECT_EQ(colourOf(w.centralWidget(), QPalette::Window), kSilver);
    EXPECT_EQ(colourOf(w.RE1, QPalette::Base), kSilver);
    EXPECT_EQ(colourOf(w.Input, QPalette::Base), kSilver);
    EXPECT_EQ(colourOf(w.Input, QPalette::Text), QColor(Qt::black));
    EXPECT_TRUE(w.Input->font().bold());
    EXPECT_EQ(w.Input->font().family(), face); // the face is left as it was
    for (QToolButton* button : {w.Speak, w.Cancel, w.EnRus}) {
        EXPECT_EQ(colourOf(button, QPalette::ButtonText), QColor(Qt::black));
    }
    for (ColourChooser* store : {&w.ColorDialog1, &w.ColorDialog2, &w.ColorDialog3}) {
        EXPECT_EQ(store->color(), QColor(Qt::black));
    }
    EXPECT_EQ(w.userLineStyle(), (LineStyle{0, "MS Sans Serif", 8, false, false}));
    EXPECT_EQ(w.cpuLineStyle(), (LineStyle{0, "MS Sans Serif", 8, false, false}));
    EXPECT_EQ(w.FontDialog3.name(), "MS Sans Serif");
    EXPECT_TRUE(w.FontDialog3.style().italic); // its style is not reset
    EXPECT_EQ(form2->Edit1->text(), QStringLiteral("D:\\Txt.Dat"));
    EXPECT_EQ(form2->SpinEdit1->value(), 1000);
    EXPECT_EQ(form3->Height(), 179);
    EXPECT_TRUE(w.N40->isChecked());
    EXPECT_EQ(errors.messages, std::vector<std::string>{});
}

TEST_F(Settings, FullScreenLaysTheWindowOutForTheScreenAndBack) {
    TForm1& w = form();
    w.show();
    const QRect normal = w.geometry();

    w.N40Click();
    QCoreApplication::processEvents();

    EXPECT_TRUE(w.N40->isChecked());
    EXPECT_EQ(w.N40->text(), QStringLiteral("Normal"));
    EXPECT_TRUE(w.isMaximized());
    const int W = w.frameGeometry().width();
    const int H = w.frameGeometry().height();
    EXPECT_GT(W, 587);
    EXPECT_EQ(w.TabControl1->geometry(), QRect(0, 0, W - 4, H - 92));
    EXPECT_EQ(w.RE1->geometry(), QRect(3, 5, W - 11, H - 101));
    EXPECT_EQ(w.TabControl2->geometry(), QRect(0, H - 93, W - 5, 30));
    EXPECT_EQ(w.Speak->geometry(), QRect(W - 93, 5, 86, 22));
    EXPECT_EQ(w.EnRus->geometry(), QRect(W - 136, 5, 43, 22));
    EXPECT_EQ(w.Cancel->geometry(), QRect(W - 163, 5, 27, 22));
    EXPECT_EQ(w.Input->geometry(), QRect(3, 5, W - 167, 21));
    EXPECT_EQ(w.SB1->geometry().bottom(), w.centralWidget()->height() - 1);
    EXPECT_EQ(w.SB1->width(), w.centralWidget()->width());
    EXPECT_TRUE(w.N13->isChecked()); // full screen leaves the initial-settings mark alone

    w.N40Click();
    QCoreApplication::processEvents();

    EXPECT_FALSE(w.N40->isChecked());
    EXPECT_EQ(w.N40->text(), QStringLiteral("Full Screen"));
    EXPECT_FALSE(w.isMaximized());
    EXPECT_EQ(w.geometry(), normal);
    EXPECT_EQ(w.minimumSize(), w.maximumSize()); // fixed again
    EXPECT_EQ(w.TabControl1->geometry(), QRect(0, 0, 588, 313));
    EXPECT_EQ(w.RE1->geometry(), QRect(3, 5, 581, 305)); // one pixel taller than at start
    EXPECT_EQ(w.TabControl2->geometry(), QRect(0, 312, 585, 30));
    EXPECT_EQ(w.Speak->x(), 496);
    EXPECT_EQ(w.EnRus->x(), 453);
    EXPECT_EQ(w.Cancel->x(), 426);
    EXPECT_EQ(w.Input->width(), 422);
    EXPECT_EQ(w.SB1->geometry(), QRect(0, 342, 587, 19));
}

TEST_F(Settings, WhileFullScreenTheControlsFollowTheWindowWhateverSizesIt) {
    TForm1& w = form();
    w.show();
    w.N40Click();
    QCoreApplication::processEvents();
    w.setWindowState(Qt::WindowNoState); // as a window manager may do by itself
    w.resize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.RE1->width(), w.frameGeometry().width() - 11);
    EXPECT_EQ(w.TabControl2->y(), w.frameGeometry().height() - 93);
    EXPECT_TRUE(w.N40->isChecked());
}

TEST_F(Settings, MenuItemsRunTheirCommands) {
    TForm1& w = form();
    w.ColorDialog1.answerNext(kGreen);
    w.N21->trigger();
    EXPECT_EQ(colourOf(w.RE1, QPalette::Base), kGreen);
    EXPECT_FALSE(w.N13->isChecked());
    w.N13->trigger();
    EXPECT_TRUE(w.N13->isChecked());
    EXPECT_EQ(colourOf(w.RE1, QPalette::Base), kSilver);
    w.N40->trigger();
    EXPECT_TRUE(w.N40->isChecked());
    w.N40->trigger();
    EXPECT_FALSE(w.N40->isChecked());
}

} // namespace
