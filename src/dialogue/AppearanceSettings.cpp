#include "dialogue/AppearanceSettings.h"

#include <array>
#include <stdexcept>

namespace {

using Store = AppearanceSettings::Store;
using ColourTarget = AppearanceSettings::ColourTarget;
using FontTarget = AppearanceSettings::FontTarget;
using RestoreStep = AppearanceSettings::RestoreStep;

const ColourNumber kSilver = ColourNumber::fromRgb(192, 192, 192);
const ColourNumber kBlack;
const std::string kInitialFace = "MS Sans Serif";
constexpr int kInitialSize = 8;

std::optional<ColourNumber>& storeColour(Appearance& a, Store store) {
    switch (store) {
    case Store::ColorDialog2:
        return a.colorDialog2;
    case Store::ColorDialog3:
        return a.colorDialog3;
    default:
        return a.colorDialog1;
    }
}

FontSetting& storeFont(Appearance& a, Store store) {
    switch (store) {
    case Store::FontDialog2:
        return a.fontDialog2;
    case Store::FontDialog3:
        return a.fontDialog3;
    default:
        return a.fontDialog1;
    }
}

std::optional<ColourNumber>& targetColour(Appearance& a, ColourTarget target) {
    switch (target) {
    case ColourTarget::Form:
        return a.formColour;
    case ColourTarget::RE1:
        return a.RE1Colour;
    case ColourTarget::Input:
        return a.inputColour;
    case ColourTarget::Speak:
        return a.speakFontColour;
    case ColourTarget::Cancel:
        return a.cancelFontColour;
    case ColourTarget::EnRus:
        return a.enRusFontColour;
    case ColourTarget::InputText:
        return a.inputFontColour;
    case ColourTarget::Selection:
        break;
    }
    return a.selectionColour;
}

} // namespace

const std::vector<AppearanceSettings::ColourCommand>& AppearanceSettings::colourCommands() {
    static const std::vector<ColourCommand> commands = {
        {"N6Click", Store::ColorDialog1, {ColourTarget::Form}, kSilver},
        {"N21Click", Store::ColorDialog1, {ColourTarget::RE1}, kSilver},
        {"N16Click", Store::ColorDialog1, {ColourTarget::Input}, kSilver},
        {"N9Click",
         Store::ColorDialog1,
         {ColourTarget::Speak, ColourTarget::Cancel, ColourTarget::EnRus},
         kBlack},
        {"User1Click", Store::ColorDialog2, {ColourTarget::Selection}, kBlack},
        {"Cpu1Click", Store::ColorDialog3, {ColourTarget::Selection}, kBlack},
        {"Mystring2Click", Store::ColorDialog1, {ColourTarget::InputText}, kBlack},
    };
    return commands;
}

const std::vector<AppearanceSettings::FontCommand>& AppearanceSettings::fontCommands() {
    static const std::vector<FontCommand> commands = {
        {"User2Click", Store::FontDialog1, FontTarget::Selection, 0},
        {"Cpu2Click", Store::FontDialog2, FontTarget::Selection, 0},
        {"Mystring1Click", Store::FontDialog3, FontTarget::Input, kInitialSize},
    };
    return commands;
}

const AppearanceSettings::ColourCommand&
AppearanceSettings::colourCommand(const std::string& handler) {
    for (const ColourCommand& command : colourCommands()) {
        if (handler == command.handler) {
            return command;
        }
    }
    throw std::logic_error("no colour command " + handler);
}

const AppearanceSettings::FontCommand& AppearanceSettings::fontCommand(const std::string& handler) {
    for (const FontCommand& command : fontCommands()) {
        if (handler == command.handler) {
            return command;
        }
    }
    throw std::logic_error("no font command " + handler);
}

Appearance AppearanceSettings::colourConfirmed(Store store, ColourTarget target,
                                               const ColourNumber& colour) {
    Appearance change;
    storeColour(change, store) = colour;
    targetColour(change, target) = colour;
    return change;
}

Appearance AppearanceSettings::fontClosed(const FontCommand& command, const FontSetting& held,
                                          const std::optional<FontSetting>& confirmed) {
    Appearance change;
    FontSetting now = held;
    if (confirmed) {
        FontSetting chosen = *confirmed;
        if (command.fixedSize > 0) {
            chosen.size = command.fixedSize;
        }
        storeFont(change, command.store) = chosen;
        now.take(chosen);
    }
    FontSetting& target =
        command.target == FontTarget::Input ? change.inputFont : change.selectionFont;
    if (confirmed) {
        target.name = now.name;
    }
    target.style = now.style;
    if (command.target == FontTarget::Selection) {
        target.size = now.size;
    }
    return change;
}

std::span<const AppearanceSettings::RestoreStep> AppearanceSettings::restoreSteps() {
    static constexpr std::array kSteps = {
        RestoreStep::ShowMark,       RestoreStep::Backgrounds,  RestoreStep::InputText,
        RestoreStep::ButtonCaptions, RestoreStep::ColourStores, RestoreStep::LineFonts,
        RestoreStep::MyStringFont,   RestoreStep::EditorFields, RestoreStep::AboutHeight,
    };
    return kSteps;
}

Appearance AppearanceSettings::restoreStep(RestoreStep step) {
    Appearance change;
    switch (step) {
    case RestoreStep::Backgrounds:
        change.formColour = kSilver;
        change.RE1Colour = kSilver;
        change.inputColour = kSilver;
        break;
    case RestoreStep::InputText:
        change.inputFontColour = kBlack;
        change.inputFont.style = FontStyle{true, false};
        break;
    case RestoreStep::ButtonCaptions:
        change.speakFontColour = kBlack;
        change.cancelFontColour = kBlack;
        change.enRusFontColour = kBlack;
        break;
    case RestoreStep::ColourStores:
        change.colorDialog1 = kBlack;
        change.colorDialog2 = kBlack;
        change.colorDialog3 = kBlack;
        break;
    case RestoreStep::LineFonts:
        change.fontDialog1 = FontSetting{kInitialFace, kInitialSize, FontStyle{}};
        change.fontDialog2 = FontSetting{kInitialFace, kInitialSize, FontStyle{}};
        break;
    case RestoreStep::MyStringFont:
        change.fontDialog3 = FontSetting{kInitialFace, kInitialSize, std::nullopt};
        break;
    case RestoreStep::ShowMark:
    case RestoreStep::EditorFields:
    case RestoreStep::AboutHeight:
        break;
    }
    return change;
}

Appearance AppearanceSettings::initialSettings() {
    Appearance all;
    for (RestoreStep step : restoreSteps()) {
        all.take(restoreStep(step));
    }
    return all;
}
