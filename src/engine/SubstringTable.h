#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Strings, each standing for a line of a file, that can be asked which of them occur somewhere in
// a text. A string is known by a 64-bit hash of its bytes alone: two strings that share a hash are
// both reported, so an answer may hold a line too many, never one too few; whoever asks checks the
// lines it gets.
//
// A question costs one look per position of the text and length of string held, and a filter that
// stays in the processor's cache answers nearly all of those without touching the table. Building
// costs one pass over the strings, so the table can be remade whenever its file changes.
class SubstringTable {
public:
    struct Entry {
        std::string_view text;
        int line = 0;
    };

    explicit SubstringTable(const std::vector<Entry>& entries);

    // Appends the line of every string found in `text`: in no particular order, perhaps repeated.
    void collect(std::string_view text, std::vector<int>& lines) const;

    static std::uint64_t hash(std::string_view text);

private:
    struct Slot {
        std::uint64_t hash = 0;
        int first = -1; // into links_, -1 for an empty slot
    };
    struct Link {
        int line = 0;
        int next = -1;
    };

    std::size_t slotOf(std::uint64_t hash) const;
    bool mayHold(std::uint64_t hash) const;

    std::vector<Slot> slots_;
    std::vector<Link> links_;
    std::vector<std::uint64_t> filter_;
    std::vector<std::size_t> lengths_; // every length a string has, shortest first
    int shift_ = 63;
};
