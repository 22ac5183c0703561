#include "input/ReservedCharScanner.h"

bool ReservedCharScanner::tick(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    const int length = static_cast<int>(text.size());
    ++position_;
    if (position_ > length || position_ < 1) {
        // The text has become shorter than the walk: start again at the next tick.
        position_ = 0;
        return false;
    }
    if (kReserved.find(text[static_cast<std::size_t>(position_ - 1)]) != std::string_view::npos) {
        return true;
    }
    if (position_ == length) {
        position_ = 0;
    }
    return false;
}
