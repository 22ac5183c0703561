#include "ui/StatusBar.h"

#include "ui/WindowLook.h"

#include <QLabel>

StatusBar::StatusBar(QWidget* parent, std::array<int, 2> leadingWidths)
    : QFrame(parent), widths_(leadingWidths) {
    setFont(WindowLook::statusFont());
    for (QLabel*& panel : panels_) {
        panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(2);
        panel->setTextFormat(Qt::PlainText);
        panel->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

QString StatusBar::panelText(int panel) const {
    return panels_.at(static_cast<std::size_t>(panel))->text();
}

void StatusBar::setPanelText(int panel, const QString& text) {
    panels_.at(static_cast<std::size_t>(panel))->setText(text);
}

void StatusBar::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    layOut();
}

void StatusBar::layOut() {
    constexpr int kGap = 2;
    const int h = height() - kGap;
    int left = 0;
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        const int w = i < widths_.size() ? widths_[i] - kGap : width() - left;
        panels_[i]->setGeometry(left, kGap, std::max(w, 0), h);
        left += i < widths_.size() ? widths_[i] : 0;
    }
}
