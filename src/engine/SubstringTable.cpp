#include "engine/SubstringTable.h"

#include <algorithm>
#include <bit>

namespace {

// A polynomial hash, so that the hash of any part of a text follows from the hashes of its
// beginnings in one step.
constexpr std::uint64_t kBase = 0x9E3779B97F4A7C15ULL;

std::uint64_t step(std::uint64_t hash, char c) {
    return hash * kBase + static_cast<unsigned char>(c) + 1;
}

// Spreads the hash over its high bits, which choose the slot and the filter bit.
std::uint64_t mixed(std::uint64_t hash) {
    hash ^= hash >> 29;
    hash *= 0xBF58476D1CE4E5B9ULL;
    hash ^= hash >> 32;
    return hash;
}

constexpr int kFilterBitsPerSlot = 4;

} // namespace

std::uint64_t SubstringTable::hash(std::string_view text) {
    std::uint64_t h = 0;
    for (char c : text) {
        h = step(h, c);
    }
    return h;
}

SubstringTable::SubstringTable(const std::vector<Entry>& entries) {
    const std::size_t capacity = std::bit_ceil(std::max<std::size_t>(entries.size() * 2, 16));
    shift_ = 64 - std::countr_zero(capacity);
    slots_.resize(capacity);
    filter_.resize(capacity * kFilterBitsPerSlot / 64 + 1);
    links_.reserve(entries.size());
    std::vector<bool> hasLength;
    // Lines are linked last first, so each chain is walked in file order.
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        const std::uint64_t h = hash(entry->text);
        const std::uint64_t bit = (mixed(h) >> 3) % (filter_.size() * 64);
        filter_[bit / 64] |= std::uint64_t{1} << (bit % 64);
        std::size_t slot = slotOf(h);
        while (slots_[slot].first >= 0 && slots_[slot].hash != h) {
            slot = (slot + 1) & (capacity - 1);
        }
        slots_[slot].hash = h;
        links_.push_back({entry->line, slots_[slot].first});
        slots_[slot].first = static_cast<int>(links_.size()) - 1;
        if (entry->text.size() >= hasLength.size()) {
            hasLength.resize(entry->text.size() + 1);
        }
        hasLength[entry->text.size()] = true;
    }
    for (std::size_t length = 1; length < hasLength.size(); ++length) {
        if (hasLength[length]) {
            lengths_.push_back(length);
        }
    }
}

std::size_t SubstringTable::slotOf(std::uint64_t hash) const {
    return static_cast<std::size_t>(mixed(hash) >> shift_);
}

bool SubstringTable::mayHold(std::uint64_t hash) const {
    const std::uint64_t bit = (mixed(hash) >> 3) % (filter_.size() * 64);
    return (filter_[bit / 64] >> (bit % 64)) & 1;
}

void SubstringTable::collect(std::string_view text, std::vector<int>& lines) const {
    if (links_.empty()) {
        return;
    }
    // prefix[i] is the hash of the first i characters; power[n] is kBase to the n-th.
    std::vector<std::uint64_t> prefix(text.size() + 1);
    std::vector<std::uint64_t> power(text.size() + 1);
    power[0] = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        prefix[i + 1] = step(prefix[i], text[i]);
        power[i + 1] = power[i] * kBase;
    }
    const std::size_t mask = slots_.size() - 1;
    for (const std::size_t length : lengths_) {
        if (length > text.size()) {
            break;
        }
        for (std::size_t at = 0; at + length <= text.size(); ++at) {
            const std::uint64_t h = prefix[at + length] - prefix[at] * power[length];
            if (!mayHold(h)) {
                continue;
            }
            for (std::size_t slot = slotOf(h); slots_[slot].first >= 0; slot = (slot + 1) & mask) {
                if (slots_[slot].hash == h) {
                    for (int link = slots_[slot].first; link >= 0; link = links_[link].next) {
                        lines.push_back(links_[link].line);
                    }
                    break;
                }
            }
        }
    }
}
