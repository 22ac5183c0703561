#include "engine/LineList.h"

namespace {

const std::string kEmptyLine;
const std::vector<std::string> kNoLines;

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
        start =
            end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
}

} // namespace

LineList LineList::fromText(std::string_view text) {
    std::vector<std::string> lines;
    splitLines(text, [&lines](std::string_view part) { lines.emplace_back(part); });
    return LineList(std::move(lines));
}

const std::string& LineList::line(int index) const {
    if (index < 0 || index >= count()) {
        return kEmptyLine;
    }
    return (*lines_)[static_cast<std::size_t>(index)];
}

const std::vector<std::string>& LineList::lines() const {
    return lines_ ? *lines_ : kNoLines;
}

std::vector<std::string>& LineList::own() {
    if (!lines_) {
        lines_ = std::make_shared<std::vector<std::string>>();
    } else if (lines_.use_count() > 1) {
        lines_ = std::make_shared<std::vector<std::string>>(*lines_);
    }
    return *lines_;
}

void LineList::append(std::string_view text) {
    std::vector<std::string>& lines = own();
    if (text.empty()) {
        lines.emplace_back();
        return;
    }
    splitLines(text, [&lines](std::string_view part) { lines.emplace_back(part); });
}

void LineList::remove(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    std::vector<std::string>& lines = own();
    lines.erase(lines.begin() + index);
}

std::string LineList::text() const {
    std::string out;
    for (const std::string& line : lines()) {
        out += line;
        out += "\r\n";
    }
    return out;
}
