#pragma once

#include "ui/SoundOutput.h"

#include <memory>
#include <string>

class PathResolver;

// One of the program's sound cues. Its file is checked when the cue is opened, at start: a file
// that is missing or cannot be played throws SoundError and stops the start. Playing is fire and
// forget: a cue that is still sounding goes on and is not started over; a finished one starts
// again from its beginning.
class SoundCue {
public:
    SoundCue(std::string name, const PathResolver& folder, const SoundOutputFactory& outputs);

    void play();
    const std::string& name() const { return name_; }

private:
    std::string name_;
    std::unique_ptr<SoundOutput> output_;
};
