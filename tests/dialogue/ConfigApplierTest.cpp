#include "dialogue/ConfigApplier.h"

#include "dialogue/ValueError.h"
#include "engine/FileError.h"
#include "engine/PathResolver.h"
#include "support/Cp.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string describe(const ColourNumber& c) {
    if (c.isSystem()) {
        return "system " + std::to_string(c.systemIndex());
    }
    return std::to_string(c.red()) + "," + std::to_string(c.green()) + "," +
           std::to_string(c.blue());
}

std::string describe(FontStyle s) {
    return std::string(s.bold ? "bold" : "") + (s.bold && s.italic ? "+" : "") +
           (s.italic ? "italic" : "") + (!s.bold && !s.italic ? "regular" : "");
}

// Every setting a value holds as "what=value", in the order of the lines that set them.
std::vector<std::string> settingsOf(const Appearance& a) {
    std::vector<std::string> calls;
    const auto colour = [&](const char* what, const std::optional<ColourNumber>& c) {
        if (c) {
            calls.push_back(std::string(what) + "=" + describe(*c));
        }
    };
    const auto font = [&](const std::string& what, const FontSetting& f) {
        if (f.name) {
            calls.push_back(what + " name=" + utf(*f.name));
        }
        if (f.style) {
            calls.push_back(what + " style=" + describe(*f.style));
        }
        if (f.size) {
            calls.push_back(what + " size=" + std::to_string(*f.size));
        }
    };
    colour("Form", a.formColour);
    colour("RE1", a.RE1Colour);
    colour("Input", a.inputColour);
    colour("Speak", a.speakFontColour);
    colour("Cancel", a.cancelFontColour);
    colour("EnRus", a.enRusFontColour);
    colour("CD2", a.colorDialog2);
    colour("CD3", a.colorDialog3);
    colour("InputFont", a.inputFontColour);
    font("FD1", a.fontDialog1);
    font("FD2", a.fontDialog2);
    font("FD3", a.fontDialog3);
    // Nothing else is read from the file.
    EXPECT_FALSE(a.colorDialog1 || a.selectionColour || a.inputFont.name || a.inputFont.style ||
                 a.selectionFont.name || a.selectionFont.size || a.selectionFont.style);
    return calls;
}

// A full file as the table lays it out, with distinct values so the order shows.
std::vector<std::string> fullLines() {
    return {
        "[Лоринтал]",              // 1
        "Встряска=YES",            // 2
        ";",                       // 3
        ";",                       // 4
        "[Цвета]",                 // 5
        "Окно=255",                // 6: red
        "Вывод=65280",             // 7: green
        "Ввод=16711680",           // 8: blue
        ";",                       // 9
        "[Надписи]",               // 10
        "Сказать=1",               // 11
        "Отмена=2",                // 12
        "EnRus=3",                 // 13
        "User=4",                  // 14
        "Cpu=5",                   // 15
        "Текст=$80000008",         // 16
        "[User]",                  // 17
        "Шрифт=Arial",             // 18
        "Стиль=[fsBold]",          // 19
        "Размер=10",               // 20
        "[Cpu]",                   // 21
        "Шрифт=Times New Roman",   // 22
        "Стиль=[fsItalic]",        // 23
        "Размер=  12",             // 24
        "[Ввод]",                  // 25
        "Шрифт=Courier New",       // 26
        "Стиль=[fsBold,fsItalic]", // 27
    };
}

const std::vector<std::string> kFullCalls = {
    "Form=255,0,0",
    "RE1=0,255,0",
    "Input=0,0,255",
    "Speak=1,0,0",
    "Cancel=2,0,0",
    "EnRus=3,0,0",
    "CD2=4,0,0",
    "CD3=5,0,0",
    "InputFont=system 8",
    "FD1 name=Arial",
    "FD1 style=bold",
    "FD1 size=10",
    "FD2 name=Times New Roman",
    "FD2 style=italic",
    "FD2 size=12",
    "FD3 name=Courier New",
    "FD3 style=bold+italic",
};

ConfigFile fileOf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += cp(line) + "\r\n";
    }
    return ConfigFile::parse(text);
}

// Applies and returns the calls made and the message of the error that stopped it, if any.
std::pair<std::vector<std::string>, std::string> applyLines(const std::vector<std::string>& lines) {
    Appearance read;
    std::string error;
    try {
        ConfigApplier::apply(fileOf(lines), read);
    } catch (const std::exception& e) {
        error = utf(e.what());
    }
    return {settingsOf(read), error};
}

std::vector<std::string> firstCalls(std::size_t n) {
    return {kFullCalls.begin(), kFullCalls.begin() + static_cast<std::ptrdiff_t>(n)};
}

} // namespace

TEST(ConfigApplier, AppliesEverySettingInTheOrderOfFormCreate) {
    const auto [calls, error] = applyLines(fullLines());
    EXPECT_EQ(error, "");
    EXPECT_EQ(calls, kFullCalls);
}

TEST(ConfigApplier, LinesAfterTwentySevenAreIgnored) {
    std::vector<std::string> lines = fullLines();
    lines.push_back("Лишнее=не число");
    lines.push_back("");
    const auto [calls, error] = applyLines(lines);
    EXPECT_EQ(error, "");
    EXPECT_EQ(calls, kFullCalls);
}

TEST(ConfigApplier, AnEmptyFileFailsAtTheWindowColour) {
    const auto [calls, error] = applyLines({});
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(error, "'' is not a valid integer value");
}

TEST(ConfigApplier, AFiveLineFileFailsAtLineSixWithNothingApplied) {
    std::vector<std::string> lines = fullLines();
    lines.resize(5);
    const auto [calls, error] = applyLines(lines);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(error, "List index out of bounds (5)");
}

TEST(ConfigApplier, AShortFileAppliesWhatItHoldsAndStopsAtTheFirstMissingLine) {
    struct Case {
        std::size_t lines;
        std::size_t applied;
        int missingIndex;
    };
    const Case cases[] = {
        {7, 2, 7},    {12, 5, 12},  {16, 9, 17},  {18, 10, 18}, {19, 11, 19},
        {20, 12, 21}, {21, 12, 21}, {25, 15, 25}, {26, 16, 26},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        std::vector<std::string> lines = fullLines();
        lines.resize(c.lines);
        const auto [calls, error] = applyLines(lines);
        EXPECT_EQ(calls, firstCalls(c.applied));
        EXPECT_EQ(error, "List index out of bounds (" + std::to_string(c.missingIndex) + ")");
    }
}

TEST(ConfigApplier, ABadNumberStopsAtItsSettingNamingTheValue) {
    struct Case {
        int line;
        const char* text;
        std::size_t applied;
        const char* error;
    };
    const Case cases[] = {
        {6, "Окно=серый", 0, "'серый' is not a valid integer value"},
        {8, "a=1=2", 2, "'1=2' is not a valid integer value"},
        {13, "EnRus=3 ", 5, "'3 ' is not a valid integer value"},
        {16, "Текст=", 8, "'' is not a valid integer value"},
        {20, "Размер=8pt", 11, "'8pt' is not a valid integer value"},
        {24, "Размер=2147483648", 14, "'2147483648' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        std::vector<std::string> lines = fullLines();
        lines[static_cast<std::size_t>(c.line - 1)] = c.text;
        const auto [calls, error] = applyLines(lines);
        EXPECT_EQ(calls, firstCalls(c.applied));
        EXPECT_EQ(error, c.error);
    }
}

TEST(ConfigApplier, ALineWithoutANameIsAValueInFull) {
    std::vector<std::string> lines = fullLines();
    lines[5] = "12632256";
    lines[19] = "  9";
    const auto [calls, error] = applyLines(lines);
    EXPECT_EQ(error, "");
    EXPECT_EQ(calls[0], "Form=192,192,192");
    EXPECT_EQ(calls[11], "FD1 size=9");
}

TEST(ConfigApplier, SwappingTwoLinesSwapsTheSettings) {
    std::vector<std::string> lines = fullLines();
    std::swap(lines[5], lines[6]);
    const auto [calls, error] = applyLines(lines);
    EXPECT_EQ(calls[0], "Form=0,255,0");
    EXPECT_EQ(calls[1], "RE1=255,0,0");
}

TEST(ConfigApplier, StyleWordsMatchIgnoringCaseButNotBlanksOrOrder) {
    struct Case {
        const char* word;
        const char* style; // "" when it changes nothing
    };
    const Case cases[] = {
        {"[]", "regular"},
        {"[fsItalic]", "italic"},
        {"[FSITALIC]", "italic"},
        {"[fsBold]", "bold"},
        {"[FSBOLD]", "bold"},
        {"[fsbold]", "bold"},
        {"[fsBold,fsItalic]", "bold+italic"},
        {"[FSBOLD,FSITALIC]", "bold+italic"},
        {"[fsBold, fsItalic]", ""},
        {"[fsItalic,fsBold]", ""},
        {" []", ""},
        {"[] ", ""},
        {"", ""},
        {"fsBold", ""},
        {"[fsUnderline]", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        const std::optional<FontStyle> style = ConfigApplier::styleWord(c.word);
        EXPECT_EQ(style ? describe(*style) : "", c.style);

        std::vector<std::string> lines = fullLines();
        lines[18] = std::string("Стиль=") + c.word;
        const auto [calls, error] = applyLines(lines);
        EXPECT_EQ(error, "");
        std::vector<std::string> expected = kFullCalls;
        if (*c.style) {
            expected[10] = std::string("FD1 style=") + c.style;
        } else {
            expected.erase(expected.begin() + 10);
        }
        EXPECT_EQ(calls, expected);
    }
}

TEST(ConfigApplier, AnEmptyFaceNameLeavesTheNameAlone) {
    std::vector<std::string> lines = fullLines();
    lines[17] = "Шрифт=";
    lines[25] = "";
    const auto [calls, error] = applyLines(lines);
    EXPECT_EQ(error, "");
    std::vector<std::string> expected = kFullCalls;
    expected.erase(expected.begin() + 15); // FD3 name
    expected.erase(expected.begin() + 9);  // FD1 name
    EXPECT_EQ(calls, expected);
}

TEST(ConfigApplier, AFaceNameIsTakenUnchanged) {
    std::vector<std::string> lines = fullLines();
    lines[17] = "Шрифт= MS Sans Serif =x";
    const auto [calls, error] = applyLines(lines);
    EXPECT_EQ(calls[9], "FD1 name= MS Sans Serif =x");
}

TEST(ConfigApplier, FormCreateLoadsTheFileIntoTheWindowsConfigFile) {
    TempFolder folder;
    std::string text;
    for (const std::string& line : fullLines()) {
        text += cp(line) + "\r\n";
    }
    folder.write("config.ini", text);
    ConfigFile config;
    Appearance read;
    ConfigApplier::formCreate(PathResolver(folder.path()), config, read);
    EXPECT_EQ(settingsOf(read), kFullCalls);
    EXPECT_EQ(utf(config.value(2)), "YES");
}

TEST(ConfigApplier, FormCreateWithoutTheFileAppliesNothing) {
    TempFolder folder;
    ConfigFile config;
    Appearance read;
    try {
        ConfigApplier::formCreate(PathResolver(folder.path()), config, read);
        ADD_FAILURE() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file Config.ini");
    }
    EXPECT_EQ(read, Appearance{});
    EXPECT_FALSE(config.readShakeSwitch().off);
}

TEST(ConfigApplier, TheInitialSettingsFileAppliesTheInitialSettings) {
    // The settings of the restore, written the way the shipped file writes them.
    const std::vector<std::string> lines = {
        "[Лоринтал]",
        "Встряска=YES",
        ";",
        ";",
        ";",
        "Окно=12632256",
        "Вывод=12632256",
        "Ввод=12632256",
        ";",
        ";",
        "a=0",
        "b=0",
        "c=0",
        "d=0",
        "e=0",
        "f=0",
        ";",
        "Шрифт=MS Sans Serif",
        "Стиль=[]",
        "Размер=8",
        ";",
        "Шрифт=MS Sans Serif",
        "Стиль=[]",
        "Размер=8",
        ";",
        "Шрифт=MS Sans Serif",
        "Стиль=[]",
    };
    const auto [calls, error] = applyLines(lines);
    EXPECT_EQ(error, "");
    const std::vector<std::string> expected = {
        "Form=192,192,192",
        "RE1=192,192,192",
        "Input=192,192,192",
        "Speak=0,0,0",
        "Cancel=0,0,0",
        "EnRus=0,0,0",
        "CD2=0,0,0",
        "CD3=0,0,0",
        "InputFont=0,0,0",
        "FD1 name=MS Sans Serif",
        "FD1 style=regular",
        "FD1 size=8",
        "FD2 name=MS Sans Serif",
        "FD2 style=regular",
        "FD2 size=8",
        "FD3 name=MS Sans Serif",
        "FD3 style=regular",
    };
    EXPECT_EQ(calls, expected);
}
