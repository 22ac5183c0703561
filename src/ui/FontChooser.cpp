#include "FontChooser.h"

void FontChooser::setName(const std::string& name) {
    if (!name.empty()) {
        name_ = name;
    }
}

void FontChooser::setSize(int points) {
    if (points >= 1 && fixedSize_ == 0) {
        size_ = points;
    }
}
