#include "engine/RtfWriter.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

// The form a rich-edit control saves plain Russian text in, which every RTF reader knows. The
// generator group matters: word processors take a document without one for a word processor's
// and turn runs of spaces into other space characters, while the lines must come back as written.
constexpr std::string_view kHeader = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049"
                                     "{\\fonttbl{\\f0\\fnil\\fcharset204 Tahoma;}}\r\n"
                                     "{\\*\\generator Lorintal;}\\viewkind4\\uc1\\pard\\f0\\fs18 ";
// Raw CR LF is not text in RTF, and a space after it is: the line after it keeps its leading
// spaces.
constexpr std::string_view kLineEnd = "\\par\r\n";
constexpr std::string_view kFooter = "}\r\n";
constexpr std::string_view kTab = "\\tab ";
constexpr char kHexDigits[] = "0123456789abcdef";

// Every byte of a line in its RTF form: plain, "\\x" for \\ { }, "\\tab " for a tab and \\'hh
// for control bytes and everything from 0x7F on. Padded to eight bytes so that writing one is a
// single fixed-size copy.
struct Escape {
    char text[8];
    std::size_t size;
};

struct EscapeTable {
    Escape bytes[256];
    EscapeTable() {
        for (int i = 0; i < 256; ++i) {
            Escape& e = bytes[i];
            const auto byte = static_cast<char>(i);
            if (i == '\t') {
                std::copy(kTab.begin(), kTab.end(), e.text);
                e.size = kTab.size();
            } else if (i < 0x20 || i >= 0x7F) {
                const char hex[] = {'\\', '\'', kHexDigits[i >> 4], kHexDigits[i & 0xF]};
                std::copy(hex, hex + 4, e.text);
                e.size = 4;
            } else if (i == '\\' || i == '{' || i == '}') {
                e.text[0] = '\\';
                e.text[1] = byte;
                e.size = 2;
            } else {
                e.text[0] = byte;
                e.size = 1;
            }
        }
    }
};

const EscapeTable& escapes() {
    static const EscapeTable table;
    return table;
}

char* put(char* out, std::string_view text) {
    return std::copy(text.begin(), text.end(), out);
}

} // namespace

// Sized first and then filled through a pointer: a base of a hundred thousand lines is written
// on every turn that learns, so this stays a single pass with no reallocation.
std::string RtfWriter::write(const std::vector<std::string>& lines) {
    std::string buffer;
    return std::string(write(lines, buffer));
}

std::string_view RtfWriter::write(const std::vector<std::string>& lines, std::string& rtf) {
    const EscapeTable& table = escapes();
    // Room for the longest form of every byte, so the text is written in one pass and the buffer
    // cut to size at the end; a buffer kept from the last save is usually large enough already.
    std::size_t room = kHeader.size() + kFooter.size() + sizeof(Escape::text);
    for (const std::string& line : lines) {
        room += line.size() * kTab.size() + kLineEnd.size();
    }
    if (rtf.size() < room) {
        rtf.resize(room);
    }
    char* out = put(rtf.data(), kHeader);
    for (const std::string& line : lines) {
        for (char c : line) {
            const Escape& escape = table.bytes[static_cast<unsigned char>(c)];
            std::memcpy(out, escape.text, sizeof escape.text);
            out += escape.size;
        }
        out = put(out, kLineEnd);
    }
    out = put(out, kFooter);
    return {rtf.data(), static_cast<std::size_t>(out - rtf.data())};
}

bool RtfWriter::writePieces(const std::vector<std::string>& lines, std::size_t piece,
                            const std::function<bool(std::string_view)>& take) {
    const EscapeTable& table = escapes();
    std::string buffer;
    std::size_t used = 0;
    // Hands on every whole piece made so far and keeps what is left of the last one.
    auto handOn = [&](bool last) {
        std::size_t start = 0;
        while (used - start >= piece || (last && start < used)) {
            const std::size_t size = std::min(piece, used - start);
            if (!take({buffer.data() + start, size})) {
                return false;
            }
            start += size;
        }
        std::memmove(buffer.data(), buffer.data() + start, used - start);
        used -= start;
        return true;
    };
    auto room = [&](std::size_t more) {
        if (buffer.size() < used + more) {
            buffer.resize(std::max(used + more, 2 * piece));
        }
    };
    room(kHeader.size());
    used = static_cast<std::size_t>(put(buffer.data(), kHeader) - buffer.data());
    for (const std::string& line : lines) {
        room(line.size() * kTab.size() + kLineEnd.size() + sizeof(Escape::text));
        char* out = buffer.data() + used;
        for (char c : line) {
            const Escape& escape = table.bytes[static_cast<unsigned char>(c)];
            std::memcpy(out, escape.text, sizeof escape.text);
            out += escape.size;
        }
        out = put(out, kLineEnd);
        used = static_cast<std::size_t>(out - buffer.data());
        if (used >= piece && !handOn(false)) {
            return false;
        }
    }
    room(kFooter.size());
    used = static_cast<std::size_t>(put(buffer.data() + used, kFooter) - buffer.data());
    return handOn(true);
}
