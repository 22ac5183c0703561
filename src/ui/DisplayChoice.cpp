#include "ui/DisplayChoice.h"

#include <cstdlib>

namespace {

bool set(const char* value) {
    return value != nullptr && *value != '\0';
}

} // namespace

DisplayChoice DisplayChoice::decide(const char* qtPlatform, const char* display,
                                    const char* waylandDisplay) {
    DisplayChoice choice;
    if (set(qtPlatform)) {
        return choice;
    }
    if (set(display)) {
        choice.platform = "xcb";
    } else if (set(waylandDisplay)) {
        choice.warning = "lorintal: no X display (XWayland) found; the window opens, but it cannot "
                         "move itself";
    } else {
        choice.failure = "lorintal: there is no display to open the window on; to talk at this "
                         "terminal, run lorintal-console.";
    }
    return choice;
}

DisplayChoice DisplayChoice::fromEnvironment() {
    return decide(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                  std::getenv("WAYLAND_DISPLAY"));
}
