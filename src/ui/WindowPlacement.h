#pragma once

#include <QSize>

class QWidget;

// Where a top-level window stands on the desktop, by its outer edges (frame and title bar
// included), in screen pixels.
class WindowPlacement {
public:
    static void centreOnDesktop(QWidget& window);
    // Centres a window whose outer size is `outer`.
    static void centreOnDesktop(QWidget& window, QSize outer);
    static void setOuterTop(QWidget& window, int top);
    static void setOuterLeft(QWidget& window, int left);
    // Moves the window by (dx, dy) and makes its outer size smaller by `shrink`, down to the
    // smallest window the desktop still draws with a usable title bar.
    static void moveAndShrink(QWidget& window, int dx, int dy, QSize shrink);

    static constexpr QSize kSmallestOuter{136, 39};
};
