#include "dialogue/Appearance.h"

namespace {

template <typename T> void takeField(std::optional<T>& field, const std::optional<T>& later) {
    if (later) {
        field = later;
    }
}

} // namespace

void FontSetting::take(const FontSetting& later) {
    takeField(name, later.name);
    takeField(size, later.size);
    takeField(style, later.style);
}

void Appearance::take(const Appearance& later) {
    for (auto colour :
         {&Appearance::formColour, &Appearance::RE1Colour, &Appearance::inputColour,
          &Appearance::speakFontColour, &Appearance::cancelFontColour, &Appearance::enRusFontColour,
          &Appearance::inputFontColour, &Appearance::colorDialog1, &Appearance::colorDialog2,
          &Appearance::colorDialog3, &Appearance::selectionColour}) {
        takeField(this->*colour, later.*colour);
    }
    for (auto font : {&Appearance::inputFont, &Appearance::fontDialog1, &Appearance::fontDialog2,
                      &Appearance::fontDialog3, &Appearance::selectionFont}) {
        (this->*font).take(later.*font);
    }
}
