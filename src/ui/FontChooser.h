#pragma once

#include "AppearanceTarget.h"

#include <string>

// A font chooser of the main window: it keeps the font last confirmed in it (or set from
// "Config.ini"): face name (Windows-1251, as written; a face the system lacks is drawn in its
// default sans face), size in points and the bold and italic flags.
class FontChooser {
public:
    // A chooser whose size is fixed keeps that size whatever it is given.
    explicit FontChooser(int fixedSize = 0) : fixedSize_(fixedSize) {
        if (fixedSize_ > 0) {
            size_ = fixedSize_;
        }
    }

    const std::string& name() const { return name_; }
    int size() const { return size_; }
    FontStyle style() const { return style_; }

    // An empty name changes nothing.
    void setName(const std::string& name);
    // A size below one point cannot be drawn: the chooser keeps the size it had.
    void setSize(int points);
    void setStyle(FontStyle style) { style_ = style; }

private:
    std::string name_ = "MS Sans Serif";
    int size_ = 8;
    FontStyle style_;
    int fixedSize_ = 0;
};
