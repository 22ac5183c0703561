#include "dialogue/ConfigApplier.h"

#include "dialogue/IntegerValue.h"
#include "engine/Cp1251.h"

#include <array>
#include <string>
#include <utility>

namespace {

ColourNumber colourAt(const ConfigFile& config, int line) {
    return ColourNumber::fromNumber(IntegerValue::parse(config.value(line)));
}

// Lines `first` to `first + 2`: name, style word, size (the my-string font has no size line).
void readFont(const ConfigFile& config, int first, bool withSize, FontSetting& font) {
    if (std::string name = config.value(first); !name.empty()) {
        font.name = std::move(name);
    }
    font.style = ConfigApplier::styleWord(config.value(first + 1));
    if (withSize) {
        font.size = IntegerValue::parse(config.value(first + 2));
    }
}

} // namespace

void ConfigApplier::formCreate(const PathResolver& folder, ConfigFile& config, Appearance& read) {
    config.load(folder);
    apply(config, read);
}

void ConfigApplier::apply(const ConfigFile& config, Appearance& read) {
    // The three backgrounds.
    read.formColour = colourAt(config, 6);
    read.RE1Colour = colourAt(config, 7);
    read.inputColour = colourAt(config, 8);
    // The button captions.
    read.speakFontColour = colourAt(config, 11);
    read.cancelFontColour = colourAt(config, 12);
    read.enRusFontColour = colourAt(config, 13);
    // The line colours kept by the chooser dialogs.
    read.colorDialog2 = colourAt(config, 14);
    read.colorDialog3 = colourAt(config, 15);
    // The input text.
    read.inputFontColour = colourAt(config, 16);
    // The user-line, CPU-line and my-string fonts.
    readFont(config, 18, true, read.fontDialog1);
    readFont(config, 22, true, read.fontDialog2);
    readFont(config, 26, false, read.fontDialog3);
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
