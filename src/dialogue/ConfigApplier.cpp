#include "ConfigApplier.h"

#include "Cp1251.h"
#include "IntegerValue.h"

#include <array>
#include <string>
#include <utility>

namespace {

using ColourSetter = void (AppearanceTarget::*)(const ColourNumber&);
using NameSetter = void (AppearanceTarget::*)(const std::string&);
using StyleSetter = void (AppearanceTarget::*)(FontStyle);
using SizeSetter = void (AppearanceTarget::*)(int);

void applyColour(const ConfigFile& config, int line, AppearanceTarget& target, ColourSetter set) {
    (target.*set)(ColourNumber::fromNumber(IntegerValue::parse(config.value(line))));
}

void applyName(const ConfigFile& config, int line, AppearanceTarget& target, NameSetter set) {
    const std::string name = config.value(line);
    if (!name.empty()) {
        (target.*set)(name);
    }
}

void applyStyle(const ConfigFile& config, int line, AppearanceTarget& target, StyleSetter set) {
    if (const std::optional<FontStyle> style = ConfigApplier::styleWord(config.value(line))) {
        (target.*set)(*style);
    }
}

void applySize(const ConfigFile& config, int line, AppearanceTarget& target, SizeSetter set) {
    (target.*set)(IntegerValue::parse(config.value(line)));
}

} // namespace

void ConfigApplier::formCreate(const PathResolver& folder, ConfigFile& config,
                               AppearanceTarget& target) {
    config.load(folder); // step 2
    apply(config, target);
}

void ConfigApplier::apply(const ConfigFile& config, AppearanceTarget& target) {
    // Step 3: the three backgrounds.
    applyColour(config, 6, target, &AppearanceTarget::setFormColour);
    applyColour(config, 7, target, &AppearanceTarget::setRE1Colour);
    applyColour(config, 8, target, &AppearanceTarget::setInputColour);
    // Step 4: the button captions.
    applyColour(config, 11, target, &AppearanceTarget::setSpeakFontColour);
    applyColour(config, 12, target, &AppearanceTarget::setCancelFontColour);
    applyColour(config, 13, target, &AppearanceTarget::setEnRusFontColour);
    // Step 5: the line colours kept by the chooser dialogs.
    applyColour(config, 14, target, &AppearanceTarget::setColorDialog2Colour);
    applyColour(config, 15, target, &AppearanceTarget::setColorDialog3Colour);
    // Step 6: the input text.
    applyColour(config, 16, target, &AppearanceTarget::setInputFontColour);
    // Step 7: the user-line font.
    applyName(config, 18, target, &AppearanceTarget::setFontDialog1Name);
    applyStyle(config, 19, target, &AppearanceTarget::setFontDialog1Style);
    applySize(config, 20, target, &AppearanceTarget::setFontDialog1Size);
    // Step 8: the CPU-line font.
    applyName(config, 22, target, &AppearanceTarget::setFontDialog2Name);
    applyStyle(config, 23, target, &AppearanceTarget::setFontDialog2Style);
    applySize(config, 24, target, &AppearanceTarget::setFontDialog2Size);
    // Step 9: the my-string font, which has no size line.
    applyName(config, 26, target, &AppearanceTarget::setFontDialog3Name);
    applyStyle(config, 27, target, &AppearanceTarget::setFontDialog3Style);
}

std::optional<FontStyle> ConfigApplier::styleWord(std::string_view value) {
    static const std::array<std::pair<const char*, FontStyle>, 4> kWords = {{
        {"[]", FontStyle{false, false}},
        {"[fsItalic]", FontStyle{false, true}},
        {"[fsBold]", FontStyle{true, false}},
        {"[fsBold,fsItalic]", FontStyle{true, true}},
    }};
    const std::string upper = cp1251::upper(value);
    for (const auto& [word, style] : kWords) {
        if (upper == cp1251::upper(word)) {
            return style;
        }
    }
    return std::nullopt;
}
