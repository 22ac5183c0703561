#include "LineList.h"

namespace {

const std::string kEmptyLine;

// Calls take(part) for every line of the text; a final line break adds no empty part.
template <typename Take> void splitLines(std::string_view text, Take take) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            take(text.substr(start));
            return;
        }
        take(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
}

} // namespace

LineList LineList::fromText(std::string_view text) {
    LineList list;
    splitLines(text, [&list](std::string_view part) { list.lines_.emplace_back(part); });
    return list;
}

const std::string& LineList::line(int index) const {
    if (index < 0 || index >= count()) {
        return kEmptyLine;
    }
    return lines_[static_cast<std::size_t>(index)];
}

void LineList::append(std::string_view text) {
    if (text.empty()) {
        lines_.emplace_back();
        return;
    }
    splitLines(text, [this](std::string_view part) { lines_.emplace_back(part); });
}

void LineList::remove(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    lines_.erase(lines_.begin() + index);
}

std::string LineList::text() const {
    std::string out;
    for (const std::string& line : lines_) {
        out += line;
        out += "\r\n";
    }
    return out;
}
