#include "dialogue/FullScreenLayout.h"

FullScreenLayout FullScreenLayout::forOuterSize(int width, int height) {
    return FullScreenLayout{
        .tabControl1Width = width - 4,
        .tabControl1Height = height - 92,
        .RE1Width = width - 11,
        .RE1Height = height - 101,
        .tabControl2Width = width - 5,
        .tabControl2Top = height - 93,
        .speakLeft = width - 93,
        .enRusLeft = width - 136,
        .cancelLeft = width - 163,
        .inputWidth = width - 167,
    };
}

FullScreenLayout FullScreenLayout::normal() {
    return FullScreenLayout{
        .tabControl1Width = 588,
        .tabControl1Height = 313,
        .RE1Width = 581,
        .RE1Height = 305,
        .tabControl2Width = 585,
        .tabControl2Top = 312,
        .speakLeft = 496,
        .enRusLeft = 453,
        .cancelLeft = 426,
        .inputWidth = 422,
    };
}
