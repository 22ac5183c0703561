#pragma once

#include <QTimer>

// The shortest period a desktop timer really keeps. Timers that are meant to tick "as often as
// the platform allows" use it; a shorter one would only burn processor time.
inline constexpr int kShortestTick = 15;

// Arms a timer; one that is armed already keeps its period running, as every caller expects.
inline void arm(QTimer& timer) {
    if (!timer.isActive()) {
        timer.start();
    }
}

// Arms the timer or stops it.
inline void setArmed(QTimer& timer, bool armed) {
    if (armed) {
        arm(timer);
    } else {
        timer.stop();
    }
}
