#pragma once

#include <filesystem>
#include <functional>
#include <memory>

// What makes one cue audible: the sound system in the program, a recorder in tests.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual bool isPlaying() const = 0;
    // Plays the sound from its beginning, without waiting for it.
    virtual void start() = 0;
};

using SoundOutputFactory =
    std::function<std::unique_ptr<SoundOutput>(const std::filesystem::path&)>;
