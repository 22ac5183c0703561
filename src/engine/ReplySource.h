#pragma once

#include <string>

// Where a turn's reply came from, so that a tool can explain it.
struct ReplySource {
    enum class Stage {
        None,       // no turn has completed its choice yet
        Repeat,     // the phrase repeated the previous one
        Guard,      // the first guard list caught it
        LongPhrase, // a long phrase
        Branch,     // a branch line continued the dialogue
        WholePattern,
        WordByWord,
        Fallback,
    };

    Stage stage = Stage::None;
    std::string file; // the file the reply was read from
    int line = -1;    // its index in that file

    static const char* stageName(Stage stage);
};
