#pragma once

#include <stdexcept>
#include <string>

// A sound cue whose file cannot be played. The message names the file as the program writes it.
class SoundError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
