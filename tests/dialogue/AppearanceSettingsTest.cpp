#include "dialogue/AppearanceSettings.h"

#include "dialogue/AboutHeight.h"
#include "dialogue/FullScreenLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Settings = AppearanceSettings;
using Store = Settings::Store;
using Target = Settings::ColourTarget;

const ColourNumber kSilver = ColourNumber::fromRgb(192, 192, 192);
const ColourNumber kBlack;
const ColourNumber kRed = ColourNumber::fromRgb(255, 0, 0);

TEST(AppearanceSettings, EachColourCommandHasItsStoreTargetsAndInitialValue) {
    struct Row {
        const char* handler;
        Store store;
        std::vector<Target> choices;
        ColourNumber initial;
    };
    const Row rows[] = {
        {"N6Click", Store::ColorDialog1, {Target::Form}, kSilver},
        {"N21Click", Store::ColorDialog1, {Target::RE1}, kSilver},
        {"N16Click", Store::ColorDialog1, {Target::Input}, kSilver},
        {"N9Click", Store::ColorDialog1, {Target::Speak, Target::Cancel, Target::EnRus}, kBlack},
        {"User1Click", Store::ColorDialog2, {Target::Selection}, kBlack},
        {"Cpu1Click", Store::ColorDialog3, {Target::Selection}, kBlack},
        {"Mystring2Click", Store::ColorDialog1, {Target::InputText}, kBlack},
    };
    ASSERT_EQ(Settings::colourCommands().size(), std::size(rows));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.handler);
        const Settings::ColourCommand& command = Settings::colourCommand(row.handler);
        EXPECT_EQ(command.store, row.store);
        EXPECT_EQ(command.choices, row.choices);
        EXPECT_EQ(command.initial, row.initial);
    }
}

TEST(AppearanceSettings, AConfirmedColourGoesToItsStoreAndItsTargetOnly) {
    Appearance expected;
    expected.colorDialog1 = kRed;
    expected.cancelFontColour = kRed;
    EXPECT_EQ(Settings::colourConfirmed(Store::ColorDialog1, Target::Cancel, kRed), expected);

    Appearance line;
    line.colorDialog3 = kRed;
    line.selectionColour = kRed;
    EXPECT_EQ(Settings::colourConfirmed(Store::ColorDialog3, Target::Selection, kRed), line);
}

TEST(AppearanceSettings, AClosedFontChooserRestylesItsTarget) {
    const FontSetting held{"MS Sans Serif", 10, FontStyle{false, true}};
    const FontSetting chosen{"DejaVu Serif", 14, FontStyle{true, false}};
    struct Case {
        const char* handler;
        bool confirmed;
        FontSetting store;     // what the store is given (nothing: untouched)
        FontSetting selection; // the dialog view's current attributes
        FontSetting input;     // the input line
    };
    const Case cases[] = {
        // Confirmed: the store takes the font, the target its name, size and style.
        {"User2Click", true, chosen, chosen, {}},
        // Cancelled: the name stays, the size and style the store holds are applied all the same.
        {"User2Click", false, {}, {std::nullopt, 10, FontStyle{false, true}}, {}},
        {"Cpu2Click", true, chosen, chosen, {}},
        // The my-string font keeps 8 points whatever comes back, and the input line takes the
        // name and the style but never a size.
        {"Mystring1Click",
         true,
         {"DejaVu Serif", 8, FontStyle{true, false}},
         {},
         {"DejaVu Serif", std::nullopt, FontStyle{true, false}}},
        {"Mystring1Click", false, {}, {}, {std::nullopt, std::nullopt, FontStyle{false, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.handler) + (c.confirmed ? " confirmed" : " cancelled"));
        const Settings::FontCommand& command = Settings::fontCommand(c.handler);
        const Appearance change = Settings::fontClosed(
            command, held, c.confirmed ? std::optional<FontSetting>(chosen) : std::nullopt);
        const FontSetting& store = command.store == Store::FontDialog1   ? change.fontDialog1
                                   : command.store == Store::FontDialog2 ? change.fontDialog2
                                                                         : change.fontDialog3;
        EXPECT_EQ(store, c.store);
        EXPECT_EQ(change.selectionFont, c.selection);
        EXPECT_EQ(change.inputFont, c.input);
    }
}

TEST(AppearanceSettings, TheRestorePutsBackTheInitialSettingsStepByStep) {
    using Step = Settings::RestoreStep;
    const std::vector<Step> order(Settings::restoreSteps().begin(), Settings::restoreSteps().end());
    EXPECT_EQ(order,
              (std::vector<Step>{Step::ShowMark, Step::Backgrounds, Step::InputText,
                                 Step::ButtonCaptions, Step::ColourStores, Step::LineFonts,
                                 Step::MyStringFont, Step::EditorFields, Step::AboutHeight}));

    Appearance expected;
    expected.formColour = expected.RE1Colour = expected.inputColour = kSilver;
    expected.inputFontColour = kBlack;
    expected.inputFont.style = FontStyle{true, false}; // bold; the face is left alone
    expected.speakFontColour = expected.cancelFontColour = expected.enRusFontColour = kBlack;
    expected.colorDialog1 = expected.colorDialog2 = expected.colorDialog3 = kBlack;
    expected.fontDialog1 = expected.fontDialog2 = FontSetting{"MS Sans Serif", 8, FontStyle{}};
    expected.fontDialog3 = FontSetting{"MS Sans Serif", 8, std::nullopt}; // style kept
    EXPECT_EQ(Settings::initialSettings(), expected);
    // Every colour command's initial value is what the restore gives its window parts.
    for (const Settings::ColourCommand& command : Settings::colourCommands()) {
        for (Target target : command.choices) {
            if (target == Target::Selection) {
                continue; // the lines keep the colours they were written in
            }
            Appearance targetOnly =
                Settings::colourConfirmed(command.store, target, command.initial);
            targetOnly.colorDialog1 = targetOnly.colorDialog2 = targetOnly.colorDialog3 = {};
            Appearance restored = Settings::initialSettings();
            restored.take(targetOnly);
            EXPECT_EQ(restored, Settings::initialSettings()) << command.handler;
        }
    }
}

TEST(AppearanceSettings, MarksAndTheFullScreenCaption) {
    Settings settings;
    EXPECT_TRUE(settings.initialSettingsMark());
    EXPECT_FALSE(settings.fullScreen());
    settings.removeMark();
    EXPECT_FALSE(settings.initialSettingsMark());
    settings.setFullScreen(true);
    EXPECT_EQ(settings.fullScreenCaption(), "Normal");
    settings.setFullScreen(false);
    EXPECT_EQ(settings.fullScreenCaption(), "Full Screen");
    settings.showMark();
    EXPECT_TRUE(settings.initialSettingsMark());
}

TEST(FullScreenLayout, LaysTheControlsOutFromTheOuterSizeAndBack) {
    EXPECT_EQ(FullScreenLayout::forOuterSize(1032, 776),
              (FullScreenLayout{1028, 684, 1021, 675, 1027, 683, 939, 896, 869, 865}));
    EXPECT_EQ(FullScreenLayout::forOuterSize(800, 600),
              (FullScreenLayout{796, 508, 789, 499, 795, 507, 707, 664, 637, 633}));
    // Back to the sizes the window is built with, but the dialog view one pixel taller.
    EXPECT_EQ(FullScreenLayout::normal(),
              (FullScreenLayout{588, 313, 581, 305, 585, 312, 496, 453, 426, 422}));
}

TEST(AboutHeight, EachToggleFoldsOutOrInAndFoldAlwaysFolds) {
    AboutHeight height;
    EXPECT_EQ(height.height(), 179);
    const int expected[] = {327, 179, 327, 179};
    for (int h : expected) {
        height.toggle();
        EXPECT_EQ(height.height(), h);
    }
    height.toggle();
    height.fold();
    EXPECT_EQ(height.height(), 179);
}

} // namespace
