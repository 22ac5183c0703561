#include "input/LayoutConverter.h"

#include "engine/Cp1251.h"

#include <array>

namespace {

// Each Latin character and, at the same place, what the same key types in the Russian layout:
// the letter rows with and without Shift, then the shifted digit row and the signs the Russian
// layout moves. Written as UTF-8 here for reading; the program works in Windows-1251.
constexpr std::string_view kLatinKeys = "`~qQwWeErRtTyYuUiIoOpP[{]}aAsSdDfFgGhHjJkKlL;:\""
                                        "zZxXcCvVbBnNmM<>/@#$^&\\|";
constexpr std::string_view kRussianKeysUtf8 = "ёЁйЙцЦуУкКеЕнНгГшШщЩзЗхХъЪфФыЫвВаАпПрРоОлЛдДжЖЭ"
                                              "яЯчЧсСмМиИтТьЬбю.\"№;:?\\/";

struct Table {
    std::array<char, 256> to{};

    Table() {
        const std::string russian = cp1251::fromUtf8(kRussianKeysUtf8);
        for (int c = 0; c < 256; ++c) {
            to[static_cast<std::size_t>(c)] = static_cast<char>(c);
        }
        for (std::size_t i = 0; i < kLatinKeys.size(); ++i) {
            to[static_cast<unsigned char>(kLatinKeys[i])] = russian[i];
        }
    }
};

const Table& table() {
    static const Table t;
    return t;
}

} // namespace

std::string LayoutConverter::convert(std::string_view text) {
    const auto& to = table().to;
    std::string result(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        result[i] = to[static_cast<unsigned char>(text[i])];
    }
    return result;
}
