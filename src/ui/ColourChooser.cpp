#include "ui/ColourChooser.h"

#include <QColorDialog>

std::optional<QColor> ColourChooser::execute(QWidget* parent) {
    ++opened_;
    offered_ = color_;
    std::optional<QColor> chosen;
    if (!answers_.empty()) {
        chosen = answers_.front();
        answers_.pop_front();
    } else {
        const QColor picked = QColorDialog::getColor(color_, parent, QStringLiteral("Цвет"));
        if (picked.isValid()) {
            chosen = picked;
        }
    }
    return chosen;
}
