#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// An ordered list of text lines counted from 0, as every list of the program behaves: reading an
// index outside the list gives empty text, deleting one does nothing, and adding a text that holds
// line breaks adds a line for every part.
//
// Copies share their lines until one of them changes (copy on write), so handing a loaded file to
// the work list costs nothing however long the file is.
class LineList {
public:
    LineList() = default;
    explicit LineList(std::vector<std::string> lines)
        : lines_(std::make_shared<std::vector<std::string>>(std::move(lines))) {}

    // Splits a text at CR LF, CR or LF; a line break at the very end adds no empty line, so an
    // empty text has no lines at all.
    static LineList fromText(std::string_view text);

    int count() const { return lines_ ? static_cast<int>(lines_->size()) : 0; }
    bool empty() const { return count() == 0; }
    const std::string& line(int index) const;
    const std::vector<std::string>& lines() const;

    // Adds the text as the new last line; a text holding line breaks adds one line per part (a
    // final break adds none, an empty text adds one empty line).
    void append(std::string_view text);
    void remove(int index);
    void clear() { lines_.reset(); }

    // Every line followed by CR LF.
    std::string text() const;

    bool operator==(const LineList& other) const { return lines() == other.lines(); }

private:
    std::vector<std::string>& own();

    std::shared_ptr<std::vector<std::string>> lines_;
};
