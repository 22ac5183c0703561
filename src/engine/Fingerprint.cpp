#include "Fingerprint.h"

#include <cstring>

namespace {

constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ULL;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4FULL;
constexpr std::uint64_t kPrime3 = 0x165667B19E3779F9ULL;

constexpr std::uint64_t rotl(std::uint64_t x, int r) {
    return (x << r) | (x >> (64 - r));
}

constexpr std::uint64_t round(std::uint64_t lane, std::uint64_t word) {
    return rotl(lane + word * kPrime2, 31) * kPrime1;
}

constexpr std::uint64_t avalanche(std::uint64_t h) {
    h ^= h >> 33;
    h *= kPrime2;
    h ^= h >> 29;
    h *= kPrime3;
    h ^= h >> 32;
    return h;
}

std::uint64_t wordAt(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

} // namespace

// Four independent lanes over 8-byte words keep the processor busy; every lane feeds both halves
// of the digest, and the length is part of it.
Fingerprint::Digest Fingerprint::digest(std::string_view piece) {
    std::uint64_t lanes[4] = {kPrime1 + kPrime2, kPrime2, 0, 0 - kPrime1};
    const char* p = piece.data();
    std::size_t left = piece.size();
    while (left >= 32) {
        for (int i = 0; i < 4; ++i) {
            lanes[i] = round(lanes[i], wordAt(p + 8 * i));
        }
        p += 32;
        left -= 32;
    }
    char tail[32] = {};
    std::memcpy(tail, p, left);
    for (int i = 0; i < 4; ++i) {
        lanes[i] = round(lanes[i], wordAt(tail + 8 * i) ^ (static_cast<std::uint64_t>(left) << 56));
    }
    const std::uint64_t length = piece.size() * kPrime3;
    Digest d;
    d.a = avalanche(rotl(lanes[0], 1) + rotl(lanes[1], 7) + rotl(lanes[2], 12) +
                    rotl(lanes[3], 18) + length);
    d.b = avalanche((lanes[0] * kPrime3) ^ rotl(lanes[1] * kPrime1, 23) ^
                    rotl(lanes[2] * kPrime2, 41) ^ lanes[3] ^ ~length);
    return d;
}

Fingerprint Fingerprint::of(std::string_view bytes) {
    Fingerprint print;
    for (std::size_t at = 0; at < bytes.size(); at += kPiece) {
        print.add(bytes.substr(at, kPiece));
    }
    return print;
}

void Fingerprint::add(std::string_view piece) {
    size_ += piece.size();
    pieces_.push_back(digest(piece));
}
