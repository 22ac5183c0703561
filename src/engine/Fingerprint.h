#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// What a file held, without its bytes: its size and a 128-bit digest (XXH3) of every piece of it. A
// load reads the file whole as it stands and digests each piece while it is still in the
// processor's cache; when every piece agrees with the file last read or written there, the lines
// made from that file are handed out again instead of parsing the same bytes anew. An accidental
// change that keeps every digest is a chance of about one in 2^128 per piece.
class Fingerprint {
public:
    static constexpr std::size_t kPiece = 256 * 1024;

    struct Digest {
        std::uint64_t a = 0;
        std::uint64_t b = 0;
        bool operator==(const Digest&) const = default;
    };

    static Digest digest(std::string_view piece);
    static Fingerprint of(std::string_view bytes);

    // The fingerprint of a file read piece by piece: add each piece of kPiece bytes (the last may
    // be shorter) in order.
    void add(std::string_view piece);

    std::size_t size() const { return size_; }
    const std::vector<Digest>& pieces() const { return pieces_; }

private:
    std::size_t size_ = 0;
    std::vector<Digest> pieces_;
};
