#include "dialogue/AboutHeight.h"

void AboutHeight::toggle() {
    ++height_;
    if (height_ == kFolded + 1) {
        height_ = kUnfolded;
    }
    if (height_ == kUnfolded + 1) {
        height_ = kFolded;
    }
}
