#pragma once

#include <optional>
#include <string>
#include <string_view>

// The check a sound cue makes of its file at start: a RIFF WAVE file with a format the sound
// system plays (PCM or floating-point samples, 1 or 2 channels) and a data chunk.
class WaveFile {
public:
    // Nothing when the bytes can be played; otherwise what is wrong with them, for the user.
    static std::optional<std::string> problem(std::string_view bytes);
};
