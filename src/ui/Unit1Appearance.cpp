// The appearance of the main window: where its colours and fonts reach the widgets and the
// chooser stores, and the styles of the speakers' lines.

#include "engine/Cp1251.h"
#include "ui/CpText.h"
#include "ui/DialogView.h"
#include "ui/InputLine.h"
#include "ui/SystemColours.h"
#include "ui/Unit1.h"
#include "ui/WindowLook.h"

#include <QTextCharFormat>
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

QString faceOf(const std::string& name) {
    return fromCp(name);
}

void setFontStyle(QFont& font, FontStyle style) {
    font.setBold(style.bold);
    font.setItalic(style.italic);
}

} // namespace

void TForm1::applyAppearance(const Appearance& change) {
    if (change.formColour) {
        setSurface(*centralWidget(), QPalette::Window, *change.formColour);
        setSurface(*centralWidget(), QPalette::Button, *change.formColour);
    }
    if (change.RE1Colour) {
        setSurface(*RE1, QPalette::Base, *change.RE1Colour);
    }
    if (change.inputColour) {
        setSurface(*Input, QPalette::Base, *change.inputColour);
    }
    // A flat button draws its caption in the button-text colour, or in the window-text colour
    // where the style draws it on the window's surface: both follow the setting.
    const std::pair<QToolButton*, const std::optional<ColourNumber>*> captions[] = {
        {Speak, &change.speakFontColour},
        {Cancel, &change.cancelFontColour},
        {EnRus, &change.enRusFontColour},
    };
    for (const auto& [button, colour] : captions) {
        if (*colour) {
            setText(*button, {QPalette::ButtonText, QPalette::WindowText}, **colour);
        }
    }
    if (change.inputFontColour) {
        setText(*Input, {QPalette::Text}, *change.inputFontColour);
    }
    if (change.inputFont.name || change.inputFont.style) {
        QFont font = Input->font();
        if (change.inputFont.name) {
            font.setFamily(faceOf(*change.inputFont.name));
        }
        if (change.inputFont.style) {
            setFontStyle(font, *change.inputFont.style);
        }
        Input->setFont(font);
    }

    const std::pair<ColourChooser*, const std::optional<ColourNumber>*> colourStores[] = {
        {&ColorDialog1, &change.colorDialog1},
        {&ColorDialog2, &change.colorDialog2},
        {&ColorDialog3, &change.colorDialog3},
    };
    for (const auto& [store, colour] : colourStores) {
        if (*colour) {
            store->setColor(SystemColours::colour(**colour));
        }
    }
    FontDialog1.take(change.fontDialog1);
    FontDialog2.take(change.fontDialog2);
    FontDialog3.take(change.fontDialog3);

    // The dialog view's current character attributes: the selected text changes at once, the
    // lines already written keep their own colours and fonts, and a line written without a style
    // of its own (the idle remark changes only the colour) takes them.
    QTextCharFormat selection;
    LineStyle& current = transcript.currentStyle();
    if (change.selectionColour) {
        const QColor colour = SystemColours::colour(*change.selectionColour);
        selection.setForeground(colour);
        current.rgb = colour.rgb() & 0xFFFFFFu;
    }
    if (change.selectionFont.name) {
        selection.setFontFamilies(QStringList{faceOf(*change.selectionFont.name)});
        current.fontName = *change.selectionFont.name;
    }
    if (change.selectionFont.size && *change.selectionFont.size >= 1) {
        selection.setFontPointSize(*change.selectionFont.size);
        current.fontSize = *change.selectionFont.size;
    }
    if (change.selectionFont.style) {
        selection.setFontWeight(change.selectionFont.style->bold ? QFont::Bold : QFont::Normal);
        selection.setFontItalic(change.selectionFont.style->italic);
        current.bold = change.selectionFont.style->bold;
        current.italic = change.selectionFont.style->italic;
    }
    if (!selection.properties().isEmpty()) {
        RE1->mergeCurrentCharFormat(selection);
    }
}

LineStyle TForm1::userLineStyle() const {
    return lineStyle(ColorDialog2, FontDialog1);
}

LineStyle TForm1::cpuLineStyle() const {
    return lineStyle(ColorDialog3, FontDialog2);
}
