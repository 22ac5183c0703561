// The creation handler: the work list loaded, "Config.ini" applied to the window, the key hook
// installed, and each failure shown with the settings before it kept.

#include "FormFixture.h"
#include "ui/DialogView.h"
#include "ui/StatusBar.h"

#include <QMenuBar>
#include <QToolButton>

namespace {

using FormCreate = FormTest;

QColor colourOf(QWidget* widget, QPalette::ColorRole role) {
    return widget->palette().color(QPalette::Active, role);
}

TEST_F(FormCreate, AppliesEveryLineOfTheConfiguration) {
    std::vector<std::string> config = defaultConfig();
    config[5] = "Window=255";         // red
    config[6] = "View=$00FF00";       // green
    config[7] = "Input=0xFF0000";     // blue
    config[10] = "Speak=x0000FF";     // red
    config[11] = "Cancel=65280";      // green
    config[12] = "EnRus=16711680";    // blue
    config[13] = "User=  128";        // dark red
    config[14] = "Cpu=-2147483640";   // the desktop's window-text colour
    config[15] = "InputText=8421504"; // grey
    config[17] = "Font=DejaVu Serif";
    config[18] = "Style=[FSBOLD]";
    config[19] = "Size=12";
    config[21] = "Font=";                    // an empty face name keeps the one there
    config[22] = "Style=[fsBold, fsItalic]"; // not a style word: the style stays
    config[23] = "Size=10";
    config[25] = "Font=Courier";
    config[26] = "Style=[fsItalic]";
    writeConfig(config);
    TForm1& w = form();

    EXPECT_TRUE(errors.messages.empty());
    EXPECT_EQ(colourOf(w.centralWidget(), QPalette::Window), QColor(255, 0, 0));
    for (QWidget* desktopPart :
         {static_cast<QWidget*>(w.menuBar()), static_cast<QWidget*>(w.SB1)}) {
        EXPECT_EQ(colourOf(desktopPart, QPalette::Window),
                  QApplication::palette().color(QPalette::Window));
    }
    EXPECT_EQ(colourOf(w.RE1, QPalette::Base), QColor(0, 255, 0));
    EXPECT_EQ(colourOf(w.Input, QPalette::Base), QColor(0, 0, 255));
    EXPECT_EQ(colourOf(w.Speak, QPalette::ButtonText), QColor(255, 0, 0));
    EXPECT_EQ(colourOf(w.Cancel, QPalette::ButtonText), QColor(0, 255, 0));
    EXPECT_EQ(colourOf(w.EnRus, QPalette::ButtonText), QColor(0, 0, 255));
    EXPECT_EQ(colourOf(w.Input, QPalette::Text), QColor(128, 128, 128));
    EXPECT_EQ(w.ColorDialog2.color(), QColor(128, 0, 0));
    EXPECT_EQ(w.ColorDialog3.color(), QGuiApplication::palette().color(QPalette::WindowText));

    const LineStyle user = w.userLineStyle();
    EXPECT_EQ(user, (LineStyle{0x800000, "DejaVu Serif", 12, true, false}));
    EXPECT_EQ(w.cpuLineStyle(),
              (LineStyle{w.ColorDialog3.rgb(), "MS Sans Serif", 10, false, false}));
    EXPECT_EQ(w.FontDialog3.name(), "Courier");
    EXPECT_TRUE(w.FontDialog3.style().italic);
    EXPECT_EQ(w.FontDialog3.size(), 8);
    EXPECT_TRUE(w.AppMessageInstalled);
    EXPECT_EQ(w.RE2().lines().count(), 5); // the main file is in the work list
}

TEST_F(FormCreate, DisabledButtonsKeepTheirGreyedCaptions) {
    std::vector<std::string> config = defaultConfig();
    config[10] = "Speak=255";
    writeConfig(config);
    TForm1& w = form();
    EXPECT_NE(w.Speak->palette().color(QPalette::Disabled, QPalette::ButtonText),
              QColor(255, 0, 0));
}

TEST_F(FormCreate, FailingStepEndsTheHandlerWithEarlierSettingsKept) {
    std::vector<std::string> config = defaultConfig();
    config[6] = "View=255";
    config[12] = "EnRus=12 "; // a blank after the digits is not a number
    config[13] = "User=255";
    writeConfig(config);
    TForm1& w = form();

    EXPECT_EQ(errors.messages, std::vector<std::string>{"'12 ' is not a valid integer value"});
    EXPECT_EQ(colourOf(w.RE1, QPalette::Base), QColor(255, 0, 0)); // before the failure
    EXPECT_EQ(w.ColorDialog2.color(), QColor(Qt::black));          // after it: untouched
    EXPECT_FALSE(w.AppMessageInstalled);
}

TEST_F(FormCreate, MissingFilesAndLinesAreReportedWithTheirMessages) {
    const struct {
        const char* name;
        std::function<void(FormFolder&)> damage;
        const char* message;
    } cases[] = {
        {"no main file",
         [](FormFolder& t) { std::filesystem::remove(t.folder.path() / "Base/Words.Dat"); },
         "Cannot open file Base\\Words.dat"},
        {"no Config.ini",
         [](FormFolder& t) { std::filesystem::remove(t.folder.path() / "Config.ini"); },
         "Cannot open file Config.ini"},
        {"five lines",
         [](FormFolder& t) {
             t.writeConfig({"a", "b", "c", "d", "e"});
         },
         "List index out of bounds (5)"},
        {"empty file", [](FormFolder& t) { t.writeConfig({}); }, "'' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FormFolder fixture;
        c.damage(fixture);
        TForm1& w = fixture.form();
        EXPECT_EQ(fixture.errors.messages, std::vector<std::string>{c.message});
        EXPECT_FALSE(w.AppMessageInstalled);
        EXPECT_EQ(colourOf(w.RE1, QPalette::Base), QColor(192, 192, 192));
    }
}

} // namespace
