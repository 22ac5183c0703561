#pragma once

#include "dialogue/Appearance.h"
#include "dialogue/FontStyle.h"

#include <deque>
#include <optional>
#include <string>

class QWidget;

// A font chooser of the main window: it keeps the font last confirmed in it (or set from
// "Config.ini" or by the restore): face name (Windows-1251, as written; a face the system lacks is
// drawn in its stand-in), size in points and the bold and italic flags.
class FontChooser {
public:
    // A chooser whose size is fixed keeps that size whatever it is given, and offers no other.
    explicit FontChooser(int fixedSize = 0) : fixedSize_(fixedSize) {
        if (fixedSize_ > 0) {
            size_ = fixedSize_;
        }
    }

    const std::string& name() const { return name_; }
    int size() const { return size_; }
    FontStyle style() const { return style_; }
    int fixedSize() const { return fixedSize_; }
    FontSetting setting() const { return FontSetting{name_, size_, style_}; }

    // An empty name changes nothing.
    void setName(const std::string& name);
    // A size below one point cannot be drawn: the chooser keeps the size it had.
    void setSize(int points);
    void setStyle(FontStyle style) { style_ = style; }
    // Takes what the setting holds.
    void take(const FontSetting& setting);

    // Offers the kept font: face, size, bold and italic, no effects and no colour. Returns the font
    // confirmed, or nothing when the user cancelled; what is kept changes only when the window
    // applies the choice.
    std::optional<FontSetting> execute(QWidget* parent);
    // What the next execute() answers without showing anything (see ColourChooser).
    void answerNext(std::optional<FontSetting> answer) { answers_.push_back(std::move(answer)); }
    int opened() const { return opened_; }

private:
    std::string name_ = "MS Sans Serif";
    int size_ = 8;
    FontStyle style_;
    int fixedSize_ = 0;
    std::deque<std::optional<FontSetting>> answers_;
    int opened_ = 0;
};
