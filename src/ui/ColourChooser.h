#pragma once

#include <QColor>

#include <cstdint>

// A colour chooser of the main window. It keeps the colour last confirmed in it (or set from
// "Config.ini"), which is both what it offers next and the colour of the role it stands for.
class ColourChooser {
public:
    QColor color() const { return color_; }
    void setColor(const QColor& color) { color_ = color; }
    // 0xRRGGBB, the colour of a dialog-view line.
    std::uint32_t rgb() const { return color_.rgb() & 0xFFFFFFu; }

private:
    QColor color_ = Qt::black;
};
