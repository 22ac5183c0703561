#include "ui/FontChooser.h"

#include "ui/FontChooserDialog.h"

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

void FontChooser::take(const FontSetting& setting) {
    if (setting.name) {
        setName(*setting.name);
    }
    if (setting.size) {
        setSize(*setting.size);
    }
    if (setting.style) {
        setStyle(*setting.style);
    }
}

std::optional<FontSetting> FontChooser::execute(QWidget* parent) {
    ++opened_;
    std::optional<FontSetting> chosen;
    if (!answers_.empty()) {
        chosen = answers_.front();
        answers_.pop_front();
    } else {
        chosen = FontChooserDialog::choose(setting(), fixedSize_, parent);
    }
    return chosen;
}
