#pragma once

#include <string>
#include <string_view>
#include <vector>

// Writes lines as an RTF document in the form a rich-edit control saves plain Cyrillic text:
// one paragraph per line, each followed by \par.
class RtfWriter {
public:
    static std::string write(const std::vector<std::string>& lines);
    // The same into a buffer the caller keeps, so that saving a large file again and again does
    // not allocate and clear fresh memory each time. The document is the returned view.
    static std::string_view write(const std::vector<std::string>& lines, std::string& buffer);
};
