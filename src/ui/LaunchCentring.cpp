#include "ui/LaunchCentring.h"

#include "ui/WindowPlacement.h"

#include <QEvent>
#include <QWidget>

LaunchCentring::LaunchCentring(QWidget& window, FrameMargins frame)
    : QObject(&window), window_(window), frame_(std::move(frame)) {
    if (!frame_) {
        // The window's own record of its frame, which it updates together with its position as
        // the desktop reports them.
        frame_ = [this] {
            const QRect inner = window_.geometry();
            const QRect outer = window_.frameGeometry();
            return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                            outer.right() - inner.right(), outer.bottom() - inner.bottom());
        };
    }
    giveUp_.setSingleShot(true);
    giveUp_.setInterval(kFrameWait);
    connect(&giveUp_, &QTimer::timeout, this, &LaunchCentring::stopWaiting);
}

LaunchCentring* LaunchCentring::show(QWidget& window, FrameMargins frame) {
    auto* centring = new LaunchCentring(window, std::move(frame));
    centring->centre();
    window.show();
    centring->centre();
    if (centring->frame_().isNull()) {
        centring->waiting_ = true;
        window.installEventFilter(centring); // the frame comes with one of the next events
        centring->giveUp_.start();
    }
    return centring;
}

void LaunchCentring::showAgain(QWidget& window) {
    if (window.frameGeometry() == window.geometry()) {
        show(window); // never framed yet
        return;
    }
    window.show();
    WindowPlacement::centreOnDesktop(window, window.frameGeometry().size());
}

void LaunchCentring::centre() {
    WindowPlacement::centreOnDesktop(window_, window_.size().grownBy(frame_()));
    placed_ = window_.pos();
}

void LaunchCentring::stopWaiting() {
    window_.removeEventFilter(this);
    giveUp_.stop();
    waiting_ = false;
}

bool LaunchCentring::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Paint:
    case QEvent::WindowActivate:
        if (waiting_ && !frame_().isNull()) {
            stopWaiting();
            if (window_.pos() == placed_) {
                centre();
            }
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
