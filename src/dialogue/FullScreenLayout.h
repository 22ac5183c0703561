#pragma once

// Where the main window's controls stand and how big they are, in the window's client
// coordinates: the frames, the dialog view, the input line and its three buttons. Everything else
// keeps its place; the status bar follows the bottom edge.
struct FullScreenLayout {
    int tabControl1Width;
    int tabControl1Height;
    int RE1Width;
    int RE1Height;
    int tabControl2Width;
    int tabControl2Top;
    int speakLeft;
    int enRusLeft;
    int cancelLeft;
    int inputWidth;

    // Laid out for a maximised window whose outer size (frame and title bar included) is
    // width x height.
    static FullScreenLayout forOuterSize(int width, int height);
    // The sizes the window returns to from full screen. The dialog view comes back 305 high, one
    // pixel taller than the 304 it is built with: the taller view is the one users have always
    // seen after a round trip, so it is kept.
    static FullScreenLayout normal();

    bool operator==(const FullScreenLayout&) const = default;
};
