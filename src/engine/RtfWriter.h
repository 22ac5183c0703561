#pragma once

#include <functional>
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

    // The same in pieces of `piece` bytes (the last may be shorter), each handed to `take` as it
    // is made, so a large base is written without ever holding its whole RTF form in memory.
    // Stops early when take returns false; returns whether every piece was taken.
    static bool writePieces(const std::vector<std::string>& lines, std::size_t piece,
                            const std::function<bool(std::string_view)>& take);
};
