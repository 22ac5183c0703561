#include "ui/WaveFile.h"

#include <cstdint>

namespace {

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

std::optional<std::string> formatProblem(std::string_view fmt) {
    if (fmt.size() < 16) {
        return "its format chunk is too short";
    }
    const std::uint32_t tag = littleEndian(fmt, 0, 2);
    const std::uint32_t channels = littleEndian(fmt, 2, 2);
    const std::uint32_t rate = littleEndian(fmt, 4, 4);
    const std::uint32_t bits = littleEndian(fmt, 14, 2);
    constexpr std::uint32_t kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;
    if (tag != kPcm && tag != kFloat && tag != kExtensible) {
        return "its samples are compressed";
    }
    if (channels < 1 || channels > 2 || rate == 0 ||
        (bits != 8 && bits != 16 && bits != 24 && bits != 32)) {
        return "its sample format is not supported";
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> WaveFile::problem(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
        return "it is not a wave sound";
    }
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t size = littleEndian(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (id == "fmt ") {
            if (const auto problem = formatProblem(bytes.substr(body, size))) {
                return problem;
            }
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                return "its sound data comes before its format";
            }
            return std::nullopt; // a data chunk cut short still plays what it holds
        }
        if (size > bytes.size() - body) {
            break;
        }
        at = body + size + (size & 1);
    }
    return haveFormat ? "it holds no sound data" : "it has no format chunk";
}
