// The appearance the main window takes from "Config.ini", and the styles of the speakers' lines.

#include "Unit1.h"

#include "DialogView.h"
#include "InputLine.h"
#include "SystemColours.h"

#include <QToolButton>

namespace {

// A surface keeps its colour when its control is disabled.
void setSurface(QWidget& widget, QPalette::ColorRole role, const ColourNumber& colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, SystemColours::colour(colour));
    widget.setPalette(palette);
}

// Text takes the colour while its control is enabled; a disabled control keeps the greyed text
// that tells the user it cannot be used.
void setText(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles,
             const ColourNumber& colour) {
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : roles) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, role, SystemColours::colour(colour));
        }
    }
    widget.setPalette(palette);
}

LineStyle lineStyle(const ColourChooser& colour, const FontChooser& font) {
    return LineStyle{colour.rgb(), font.name(), font.size(), font.style().bold,
                     font.style().italic};
}

} // namespace

void TForm1::setFormColour(const ColourNumber& colour) {
    setSurface(*this, QPalette::Window, colour);
    setSurface(*this, QPalette::Button, colour);
}

void TForm1::setRE1Colour(const ColourNumber& colour) {
    setSurface(*RE1, QPalette::Base, colour);
}

void TForm1::setInputColour(const ColourNumber& colour) {
    setSurface(*Input, QPalette::Base, colour);
}

// A flat button draws its caption in the button-text colour, or in the window-text colour where
// the style draws it on the window's surface: both follow the setting.
void TForm1::setSpeakFontColour(const ColourNumber& colour) {
    setText(*Speak, {QPalette::ButtonText, QPalette::WindowText}, colour);
}

void TForm1::setCancelFontColour(const ColourNumber& colour) {
    setText(*Cancel, {QPalette::ButtonText, QPalette::WindowText}, colour);
}

void TForm1::setEnRusFontColour(const ColourNumber& colour) {
    setText(*EnRus, {QPalette::ButtonText, QPalette::WindowText}, colour);
}

void TForm1::setColorDialog2Colour(const ColourNumber& colour) {
    ColorDialog2.setColor(SystemColours::colour(colour));
}

void TForm1::setColorDialog3Colour(const ColourNumber& colour) {
    ColorDialog3.setColor(SystemColours::colour(colour));
}

void TForm1::setInputFontColour(const ColourNumber& colour) {
    setText(*Input, {QPalette::Text}, colour);
}

void TForm1::setFontDialog1Name(const std::string& faceName) {
    FontDialog1.setName(faceName);
}

void TForm1::setFontDialog1Style(FontStyle style) {
    FontDialog1.setStyle(style);
}

void TForm1::setFontDialog1Size(int points) {
    FontDialog1.setSize(points);
}

void TForm1::setFontDialog2Name(const std::string& faceName) {
    FontDialog2.setName(faceName);
}

void TForm1::setFontDialog2Style(FontStyle style) {
    FontDialog2.setStyle(style);
}

void TForm1::setFontDialog2Size(int points) {
    FontDialog2.setSize(points);
}

void TForm1::setFontDialog3Name(const std::string& faceName) {
    FontDialog3.setName(faceName);
}

void TForm1::setFontDialog3Style(FontStyle style) {
    FontDialog3.setStyle(style);
}

LineStyle TForm1::userLineStyle() const {
    return lineStyle(ColorDialog2, FontDialog1);
}

LineStyle TForm1::cpuLineStyle() const {
    return lineStyle(ColorDialog3, FontDialog2);
}
