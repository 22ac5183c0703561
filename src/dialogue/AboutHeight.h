#pragma once

// The outer height of the about window (frame and title bar included): folded, only the picture,
// the version and the two buttons show; unfolded, the history below them too.
class AboutHeight {
public:
    static constexpr int kFolded = 179;
    static constexpr int kUnfolded = 327;

    int height() const { return height_; }
    void fold() { height_ = kFolded; }
    // "История": one pixel more, then 180 becomes the unfolded and 328 the folded height, so each
    // press goes from one to the other.
    void toggle();

private:
    int height_ = kFolded;
};
