// A window shown at launch stands centred by its outer frame, also when the desktop tells the
// frame only after the window is on the screen.

#include "ui/LaunchCentring.h"

#include "FormFixture.h"

#include <QMoveEvent>
#include <QScreen>

namespace {

QPoint centredFor(const QWidget& window, QSize outer) {
    const QRect desktop = window.screen()->availableGeometry();
    return {desktop.x() + (desktop.width() - outer.width()) / 2,
            desktop.y() + (desktop.height() - outer.height()) / 2};
}

// The desktop's news of a frame: it comes with a move of the window.
void frameArrives(QWidget& window) {
    QMoveEvent moved(window.pos(), window.pos());
    QCoreApplication::sendEvent(&window, &moved);
}

TEST(LaunchCentring, CentresByTheOuterFrameOnceTheFrameIsKnown) {
    testApplication();
    const QMargins frame(1, 20, 1, 1);
    for (const bool movedMeanwhile : {false, true}) {
        SCOPED_TRACE(movedMeanwhile);
        QWidget window;
        window.setFixedSize(587, 380);
        QMargins known; // none yet
        LaunchCentring* centring = LaunchCentring::show(window, [&known] { return known; });
        EXPECT_EQ(window.pos(), centredFor(window, window.size()));
        EXPECT_TRUE(centring->waiting());
        frameArrives(window); // a move before the frame is known changes nothing
        EXPECT_TRUE(centring->waiting());

        const QPoint elsewhere(40, 30);
        if (movedMeanwhile) {
            window.move(elsewhere);
        }
        known = frame;
        frameArrives(window);
        EXPECT_FALSE(centring->waiting());
        EXPECT_EQ(window.pos(),
                  movedMeanwhile ? elsewhere : centredFor(window, window.size().grownBy(frame)));
    }
}

TEST(LaunchCentring, AKnownFrameCentresAtOnce) {
    testApplication();
    QWidget window;
    window.setFixedSize(300, 200);
    const QMargins frame(4, 24, 4, 4);
    LaunchCentring* centring = LaunchCentring::show(window, [frame] { return frame; });
    EXPECT_FALSE(centring->waiting());
    EXPECT_EQ(window.pos(), centredFor(window, window.size().grownBy(frame)));
}

} // namespace
