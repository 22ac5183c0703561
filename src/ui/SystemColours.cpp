#include "ui/SystemColours.h"

#include <QGuiApplication>

QPalette::ColorRole SystemColours::role(SystemColour colour) {
    using R = QPalette::ColorRole;
    switch (colour) {
    case SystemColour::ScrollBar:
    case SystemColour::Menu:
    case SystemColour::MenuBar:
    case SystemColour::ButtonFace:
        return R::Button;
    case SystemColour::Background:
    case SystemColour::AppWorkspace:
        return R::Dark;
    case SystemColour::ActiveCaption:
    case SystemColour::Highlight:
    case SystemColour::HotLight:
    case SystemColour::MenuHighlight:
    case SystemColour::GradientActiveCaption:
        return R::Highlight;
    case SystemColour::InactiveCaption:
    case SystemColour::InactiveBorder:
    case SystemColour::ActiveBorder:
    case SystemColour::ButtonShadow:
    case SystemColour::GradientInactiveCaption:
        return R::Mid;
    case SystemColour::Window:
        return R::Base;
    case SystemColour::WindowFrame:
    case SystemColour::DarkShadow3D:
        return R::Shadow;
    case SystemColour::MenuText:
    case SystemColour::WindowText:
        return R::WindowText;
    case SystemColour::CaptionText:
    case SystemColour::HighlightText:
        return R::HighlightedText;
    case SystemColour::GrayText:
    case SystemColour::InactiveCaptionText:
        return R::PlaceholderText;
    case SystemColour::ButtonText:
        return R::ButtonText;
    case SystemColour::ButtonHighlight:
        return R::Light;
    case SystemColour::Light3D:
        return R::Midlight;
    case SystemColour::InfoText:
        return R::ToolTipText;
    case SystemColour::InfoBackground:
        return R::ToolTipBase;
    }
    return R::Window; // indexes the desktop gives no colour
}

QColor SystemColours::colour(const ColourNumber& number, const QPalette& desktop) {
    if (!number.isSystem()) {
        return QColor(number.red(), number.green(), number.blue());
    }
    return desktop.color(QPalette::Active, role(number.systemColour()));
}

QColor SystemColours::colour(const ColourNumber& number) {
    return colour(number, QGuiApplication::palette());
}
