#include "engine/Fingerprint.h"

// On x86-64 the library picks the widest vector instructions the processor has at run time (about
// twice the speed of the baseline build); the digests are the same either way.
#if defined(__x86_64__)
#include <xxh_x86dispatch.h>
#else
#include <xxhash.h>
#endif

Fingerprint::Digest Fingerprint::digest(std::string_view piece) {
    const XXH128_hash_t hash = XXH3_128bits(piece.data(), piece.size());
    return {hash.low64, hash.high64};
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
