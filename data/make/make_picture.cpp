// lorintal-make-picture OUT.bmp: draws the picture of the about window, 179 by 141 pixels, as a
// 24-bit Windows bitmap. A night sky over a hill, with two speech bubbles talking to each other:
// a person and the program. Everything is computed here, with four samples a pixel for smooth
// edges, so every build draws the same picture.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 179;
constexpr int kHeight = 141;

struct Colour {
    double r, g, b;
};

Colour mix(Colour a, Colour b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

bool inEllipse(double x, double y, double cx, double cy, double rx, double ry) {
    const double dx = (x - cx) / rx;
    const double dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

bool inTriangle(double x, double y, double ax, double ay, double bx, double by, double cx,
                double cy) {
    const auto side = [](double px, double py, double qx, double qy, double rx, double ry) {
        return (px - rx) * (qy - ry) - (qx - rx) * (py - ry);
    };
    const double d1 = side(x, y, ax, ay, bx, by);
    const double d2 = side(x, y, bx, by, cx, cy);
    const double d3 = side(x, y, cx, cy, ax, ay);
    const bool negative = d1 < 0 || d2 < 0 || d3 < 0;
    const bool positive = d1 > 0 || d2 > 0 || d3 > 0;
    return !(negative && positive);
}

struct Bubble {
    double cx, cy, rx, ry;
    double tailX, tailY; // the tip of its tail
    double tailBaseX;    // where the tail leaves the bubble
    Colour fill, dots;
};

bool inBubble(const Bubble& b, double x, double y) {
    return inEllipse(x, y, b.cx, b.cy, b.rx, b.ry) ||
           inTriangle(x, y, b.tailBaseX - 7, b.cy + b.ry * 0.6, b.tailBaseX + 7, b.cy + b.ry * 0.6,
                      b.tailX, b.tailY);
}

bool inBubbleOutline(const Bubble& b, double x, double y) {
    Bubble outer = b;
    outer.rx += 1.6;
    outer.ry += 1.6;
    return inBubble(outer, x, y) && !inBubble(b, x, y);
}

// What the picture shows at one point.
Colour scene(double x, double y) {
    const Colour skyTop{18, 24, 72}, skyLow{46, 96, 150}, hill{32, 70, 52}, hillLit{58, 110, 72};
    Colour c = mix(skyTop, skyLow, y / kHeight);

    // A few fixed stars.
    const double stars[][2] = {{12, 10},  {40, 22}, {70, 8},  {101, 18}, {131, 6},
                               {158, 26}, {168, 9}, {24, 40}, {150, 46}, {88, 34}};
    for (const auto& star : stars) {
        if (inEllipse(x, y, star[0], star[1], 0.9, 0.9)) {
            c = mix(c, {255, 250, 220}, 0.9);
        }
    }
    // The moon, with a bite taken out of it.
    if (inEllipse(x, y, 150, 22, 11, 11) && !inEllipse(x, y, 155, 18, 10, 10)) {
        c = {250, 236, 170};
    }
    // A hill along the bottom.
    const double hillTop = 112 + 10 * std::sin(x / 30.0) - 6 * std::cos(x / 13.0);
    if (y >= hillTop) {
        c = mix(hillLit, hill, (y - hillTop) / 20.0);
    }

    const Bubble person{56, 54, 40, 22, 30, 96, 42, {236, 236, 236}, {40, 40, 40}};
    const Bubble program{122, 80, 40, 20, 150, 118, 134, {196, 232, 226}, {0, 128, 128}};
    for (const Bubble& b : {person, program}) {
        if (inBubbleOutline(b, x, y)) {
            c = {20, 20, 30};
        } else if (inBubble(b, x, y)) {
            c = b.fill;
            for (int i = -1; i <= 1; ++i) {
                if (inEllipse(x, y, b.cx + i * 13.0, b.cy, 3.6, 3.6)) {
                    c = b.dots;
                }
            }
        }
    }
    return c;
}

void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

std::string bitmap() {
    const int rowBytes = (kWidth * 3 + 3) / 4 * 4;
    std::string pixels;
    for (int row = kHeight - 1; row >= 0; --row) { // bottom row first
        for (int column = 0; column < kWidth; ++column) {
            Colour sum{0, 0, 0};
            for (const double dy : {0.25, 0.75}) {
                for (const double dx : {0.25, 0.75}) {
                    const Colour c = scene(column + dx, row + dy);
                    sum = {sum.r + c.r / 4, sum.g + c.g / 4, sum.b + c.b / 4};
                }
            }
            for (const double channel : {sum.b, sum.g, sum.r}) {
                pixels.push_back(static_cast<char>(std::lround(std::clamp(channel, 0.0, 255.0))));
            }
        }
        pixels.append(static_cast<std::size_t>(rowBytes - kWidth * 3), '\0');
    }
    std::string out = "BM";
    putLittleEndian(out, static_cast<std::uint32_t>(54 + pixels.size()), 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, 54, 4);
    putLittleEndian(out, 40, 4); // BITMAPINFOHEADER
    putLittleEndian(out, kWidth, 4);
    putLittleEndian(out, kHeight, 4);
    putLittleEndian(out, 1, 2);  // planes
    putLittleEndian(out, 24, 2); // bits a pixel
    putLittleEndian(out, 0, 4);  // no compression
    putLittleEndian(out, static_cast<std::uint32_t>(pixels.size()), 4);
    putLittleEndian(out, 3780, 4); // 96 dots per inch
    putLittleEndian(out, 3780, 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, 0, 4);
    return out + pixels;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: lorintal-make-picture OUT.bmp\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    const std::string bytes = bitmap();
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::cerr << "lorintal-make-picture: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
