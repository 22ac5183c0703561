#pragma once

#include <string>

// Which display the window opens on, decided before Qt starts. The window moves itself (the
// start-up shake, the farewell, centring), which only an X display allows; a Wayland desktop
// offers one through XWayland, so the X platform is chosen whenever an X display is there. A
// platform the user named in QT_QPA_PLATFORM is left alone.
class DisplayChoice {
public:
    // The environment's values, null when unset.
    static DisplayChoice decide(const char* qtPlatform, const char* display,
                                const char* waylandDisplay);
    // The same, from this process's environment.
    static DisplayChoice fromEnvironment();

    // What to set QT_QPA_PLATFORM to; empty to leave it as it is.
    std::string platform;
    // Said on standard error before the window opens; empty when all is well.
    std::string warning;
    // Set when there is no display at all: the one sentence to say instead of opening the window.
    std::string failure;
};
