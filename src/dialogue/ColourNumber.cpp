#include "dialogue/ColourNumber.h"

#include <algorithm>

ColourNumber ColourNumber::fromNumber(std::int32_t number) {
    ColourNumber colour;
    const auto bits = static_cast<std::uint32_t>(number);
    colour.system_ = (bits & 0x80000000u) != 0;
    // A system colour is named by its lowest byte, as the platform reads it.
    colour.bits_ = colour.system_ ? (bits & 0xFFu) : (bits & 0x00FFFFFFu);
    return colour;
}

ColourNumber ColourNumber::fromRgb(int red, int green, int blue) {
    const auto byte = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
    ColourNumber colour;
    colour.bits_ = byte(red) | (byte(green) << 8) | (byte(blue) << 16);
    return colour;
}

std::uint32_t ColourNumber::rgb() const {
    if (system_) {
        return 0;
    }
    return (static_cast<std::uint32_t>(red()) << 16) | (static_cast<std::uint32_t>(green()) << 8) |
           static_cast<std::uint32_t>(blue());
}

std::int32_t ColourNumber::number() const {
    const std::uint32_t bits = system_ ? (0x80000000u | bits_) : bits_;
    return static_cast<std::int32_t>(bits);
}
