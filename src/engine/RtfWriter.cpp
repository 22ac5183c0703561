#include "RtfWriter.h"

#include <string_view>

namespace {

// The form a rich-edit control saves plain Russian text in, which every RTF reader knows.
constexpr std::string_view kHeader = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049"
                                     "{\\fonttbl{\\f0\\fnil\\fcharset204 Tahoma;}}\r\n"
                                     "\\viewkind4\\uc1\\pard\\f0\\fs18 ";
// Raw CR LF is not text in RTF, and a space after it is: the line after it keeps its leading
// spaces.
constexpr std::string_view kLineEnd = "\\par\r\n";
constexpr std::string_view kFooter = "}\r\n";
constexpr std::string_view kTab = "\\tab ";
constexpr char kHexDigits[] = "0123456789abcdef";

// How many bytes a byte of a line takes in RTF.
std::size_t escapedSize(unsigned char byte) {
    if (byte == '\t') {
        return kTab.size();
    }
    if (byte < 0x20 || byte >= 0x7F) {
        return 4; // \'hh
    }
    if (byte == '\\' || byte == '{' || byte == '}') {
        return 2;
    }
    return 1;
}

std::size_t rtfSize(const std::vector<std::string>& lines) {
    std::size_t size = kHeader.size() + kFooter.size() + lines.size() * kLineEnd.size();
    for (const std::string& line : lines) {
        for (char c : line) {
            size += escapedSize(static_cast<unsigned char>(c));
        }
    }
    return size;
}

void appendEscaped(std::string& out, unsigned char byte) {
    if (byte == '\t') {
        out += kTab;
    } else if (byte == '\\' || byte == '{' || byte == '}') {
        out += '\\';
        out += static_cast<char>(byte);
    } else {
        const char hex[] = {'\\', '\'', kHexDigits[byte >> 4], kHexDigits[byte & 0xF]};
        out.append(hex, sizeof hex);
    }
}

// Copies runs of bytes that need no escape in one go.
void appendLine(std::string& out, std::string_view line) {
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if (escapedSize(byte) != 1) {
            out.append(line.data() + runStart, i - runStart);
            appendEscaped(out, byte);
            runStart = i + 1;
        }
    }
    out.append(line.data() + runStart, line.size() - runStart);
    out += kLineEnd;
}

} // namespace

std::string RtfWriter::write(const std::vector<std::string>& lines) {
    std::string rtf;
    rtf.reserve(rtfSize(lines));
    rtf += kHeader;
    for (const std::string& line : lines) {
        appendLine(rtf, line);
    }
    rtf += kFooter;
    return rtf;
}
