#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

// An RTF document that cannot be read whole: a brace closes it before its end, a group is left
// open where the file ends, or binary data runs past the end. The lines before the damage are not
// the document, and taking them for it would cut the file short at the next save.
class RtfDamage : public std::runtime_error {
public:
    explicit RtfDamage(std::size_t offset)
        : std::runtime_error("damaged RTF: reading stopped at byte " + std::to_string(offset)),
          offset_(offset) {}

    // The byte at which reading stopped.
    std::size_t offset() const { return offset_; }

private:
    std::size_t offset_;
};
