#include "engine/Cp1251.h"

#include <array>

namespace cp1251 {
namespace {

// Code points of the bytes 0x80..0xBF; from 0xC0 on the code page runs А..я in order.
constexpr std::array<char16_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
};

// The letters that have a case in the program: Latin a-z, Cyrillic а-я and ё. The other Cyrillic
// letters of the code page (і, ї, є, ґ, ў and the rest) are left as they are, so a phrase matches
// a pattern holding them only as written.
struct CaseTables {
    std::array<unsigned char, 256> upper{};
    std::array<unsigned char, 256> lower{};
    CaseTables() {
        for (int i = 0; i < 256; ++i) {
            upper[i] = lower[i] = static_cast<unsigned char>(i);
        }
        auto pair = [this](int small, int capital) {
            upper[small] = static_cast<unsigned char>(capital);
            lower[capital] = static_cast<unsigned char>(small);
        };
        for (int c = 'a'; c <= 'z'; ++c) {
            pair(c, c - 'a' + 'A');
        }
        for (int c = 0xE0; c <= 0xFF; ++c) {
            pair(c, c - 0x20);
        }
        pair(0xB8, 0xA8); // ё, Ё
    }
};

const CaseTables& caseTables() {
    static const CaseTables tables;
    return tables;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

char toUpper(char c) {
    return static_cast<char>(caseTables().upper[static_cast<unsigned char>(c)]);
}

char toLower(char c) {
    return static_cast<char>(caseTables().lower[static_cast<unsigned char>(c)]);
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = toUpper(c);
    }
    return out;
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = toLower(c);
    }
    return out;
}

char russianCapital(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0xE0) {
        return static_cast<char>(byte - 0x20);
    }
    if (byte == 0xB8) { // ё
        return static_cast<char>(0xA8);
    }
    return c;
}

char32_t toUnicode(unsigned char byte) {
    if (byte < 0x80) {
        return byte;
    }
    if (byte < 0xC0) {
        return kUpperHalf[byte - 0x80];
    }
    return 0x0410 + (byte - 0xC0);
}

char fromUnicode(char32_t cp) {
    if (cp < 0x80) {
        return static_cast<char>(cp);
    }
    if (cp >= 0x0410 && cp <= 0x044F) {
        return static_cast<char>(0xC0 + (cp - 0x0410));
    }
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
        if (kUpperHalf[i] == cp) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

std::string toUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) {
        appendUtf8(out, toUnicode(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int extra = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            cp = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            cp = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            cp = lead & 0x07;
        } else {
            out += '?';
            ++i;
            continue;
        }
        bool valid = true;
        std::size_t j = 1;
        for (; valid && j <= static_cast<std::size_t>(extra); ++j) {
            if (i + j >= utf8.size()) {
                valid = false;
                break;
            }
            const auto next = static_cast<unsigned char>(utf8[i + j]);
            if ((next & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            cp = (cp << 6) | (next & 0x3F);
        }
        if (!valid) {
            out += '?';
            i += j; // skip the lead and the continuation bytes seen so far
            continue;
        }
        out += fromUnicode(cp);
        i += 1 + extra;
    }
    return out;
}

} // namespace cp1251
