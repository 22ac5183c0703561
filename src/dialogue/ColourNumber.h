#pragma once

#include <cstdint>

// The indexes of the platform's system colours, as a colour number with the top bit set names
// them (hexadecimal 80000000 + index). The window maps them onto QPalette roles; a sensible map:
//   ScrollBar -> Button, Background/AppWorkspace -> Dark, ActiveCaption/Highlight/HotLight/
//   MenuHighlight -> Highlight, InactiveCaption/InactiveBorder/ActiveBorder -> Mid, Menu/MenuBar/
//   ButtonFace -> Button, Window -> Base, WindowFrame/DarkShadow3D -> Shadow, MenuText/WindowText
//   -> WindowText (or Text), CaptionText/HighlightText -> HighlightedText, ButtonShadow -> Mid,
//   GrayText/InactiveCaptionText -> PlaceholderText (or Text of the Disabled group), ButtonText ->
//   ButtonText, ButtonHighlight -> Light, Light3D -> Midlight, InfoText -> ToolTipText,
//   InfoBackground -> ToolTipBase. Indexes 25 and above 30 have no colour: use Window.
enum class SystemColour : int {
    ScrollBar = 0,
    Background = 1, // the desktop
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBackground = 24,
    // 25 is unused by the platform
    HotLight = 26,
    GradientActiveCaption = 27,
    GradientInactiveCaption = 28,
    MenuHighlight = 29,
    MenuBar = 30,
};

// A colour number of "Config.ini" decoded: a signed 32-bit number that is either a direct colour,
// laid out as hexadecimal 00BBGGRR with red in the lowest byte, or, with the top bit set, a system
// colour whose index is the lowest byte (80000008 hex, -2147483640, is the window-text colour).
// The bits 24 to 30 of a direct colour carry nothing and are ignored.
class ColourNumber {
public:
    // Black.
    ColourNumber() = default;
    static ColourNumber fromNumber(std::int32_t number);
    static ColourNumber fromRgb(int red, int green, int blue);

    bool isSystem() const { return system_; }
    // Direct colour only (0 for a system colour): each 0..255.
    int red() const { return system_ ? 0 : static_cast<int>(bits_ & 0xFF); }
    int green() const { return system_ ? 0 : static_cast<int>((bits_ >> 8) & 0xFF); }
    int blue() const { return system_ ? 0 : static_cast<int>((bits_ >> 16) & 0xFF); }
    // Direct colour as 0xRRGGBB, the layout of LineStyle::rgb (0 for a system colour).
    std::uint32_t rgb() const;
    // System colour only (0 for a direct colour): the index 0..255; see SystemColour.
    int systemIndex() const { return system_ ? static_cast<int>(bits_ & 0xFF) : 0; }
    SystemColour systemColour() const { return static_cast<SystemColour>(systemIndex()); }
    // The number again, normalised: 00BBGGRR, or 80000000 + index.
    std::int32_t number() const;

    bool operator==(const ColourNumber&) const = default;

private:
    bool system_ = false;
    std::uint32_t bits_ = 0; // 00BBGGRR, or the index
};
