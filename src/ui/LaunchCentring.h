#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QTimer>

#include <functional>

class QWidget;

// Shows a top-level window centred on the desktop by its outer frame. The desktop draws the frame
// only once the window is on the screen, so at first nobody knows its size. The window is placed
// before it exists, which tells the desktop that a move of it places the outer corner, whether the
// frame is known by then or not; it is centred by its inner size, and centred again by its outer
// size as soon as the frame is known, unless it has been moved elsewhere meanwhile.
class LaunchCentring : public QObject {
public:
    // The frame around the window, null while it is not known.
    using FrameMargins = std::function<QMargins()>;

    // Without `frame`, the frame is the one the window has been told of. The centring lives as a
    // child of the window while it waits for the frame.
    static LaunchCentring* show(QWidget& window, FrameMargins frame = {});

    // For a window shown again and again (the secondary windows): centred by its outer frame when
    // the desktop has framed it before, else as at its first showing above.
    static void showAgain(QWidget& window);

    // Still waiting for the frame: what moves the window should wait too.
    bool waiting() const { return waiting_; }

    // A desktop without a window manager draws no frame: how long the centring waits for one.
    static constexpr int kFrameWait = 1000;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LaunchCentring(QWidget& window, FrameMargins frame);
    void centre();
    void stopWaiting();

    QWidget& window_;
    FrameMargins frame_;
    QPoint placed_; // where the window was centred before its frame was known
    QTimer giveUp_;
    bool waiting_ = false;
};
