#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

void WindowPlacement::centreOnDesktop(QWidget& window) {
    centreOnDesktop(window, window.frameGeometry().size());
}

void WindowPlacement::centreOnDesktop(QWidget& window, QSize outer) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect desktop = screen->availableGeometry();
    window.move(desktop.x() + (desktop.width() - outer.width()) / 2,
                desktop.y() + (desktop.height() - outer.height()) / 2);
}

void WindowPlacement::setOuterTop(QWidget& window, int top) {
    window.move(window.pos().x(), top);
}

void WindowPlacement::setOuterLeft(QWidget& window, int left) {
    window.move(left, window.pos().y());
}

void WindowPlacement::moveAndShrink(QWidget& window, int dx, int dy, QSize shrink) {
    window.move(window.pos() + QPoint(dx, dy));
    const QSize frame = window.frameGeometry().size() - window.size();
    const QSize smallest = (kSmallestOuter - frame).expandedTo(QSize(1, 1));
    window.setFixedSize((window.size() - shrink).expandedTo(smallest));
}
