#include "ui/DisplayChoice.h"

#include <gtest/gtest.h>

#include <string>

TEST(DisplayChoice, TheWindowOpensOnAnXDisplayWheneverThereIsOne) {
    struct Case {
        const char* qtPlatform;
        const char* display;
        const char* waylandDisplay;
        std::string platform;
        bool warns;
        bool fails;
    };
    const Case cases[] = {
        {nullptr, ":0", nullptr, "xcb", false, false},
        {nullptr, ":0", "wayland-0", "xcb", false, false}, // XWayland on a Wayland desktop
        {"", ":1", nullptr, "xcb", false, false},
        {"offscreen", nullptr, nullptr, "", false, false}, // the user's choice stands
        {"wayland", ":0", "wayland-0", "", false, false},
        {nullptr, nullptr, "wayland-0", "", true, false}, // opens, but cannot move itself
        {nullptr, "", "", "", false, true},
        {nullptr, nullptr, nullptr, "", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.qtPlatform ? c.qtPlatform : "-") + " " +
                     (c.display ? c.display : "-") + " " +
                     (c.waylandDisplay ? c.waylandDisplay : "-"));
        const DisplayChoice choice =
            DisplayChoice::decide(c.qtPlatform, c.display, c.waylandDisplay);
        EXPECT_EQ(choice.platform, c.platform);
        EXPECT_EQ(!choice.warning.empty(), c.warns);
        EXPECT_EQ(!choice.failure.empty(), c.fails);
    }
}

TEST(DisplayChoice, WithNoDisplayItSaysSoInOneSentenceAndNamesTheConsole) {
    const std::string failure = DisplayChoice::decide(nullptr, nullptr, nullptr).failure;
    EXPECT_EQ(failure, "lorintal: there is no display to open the window on; to talk at this "
                       "terminal, run lorintal-console.");
}
