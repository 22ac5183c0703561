#pragma once

#include "ui/SoundOutput.h"

#include <QSoundEffect>

// A cue played by the sound system. Without an audio device the effect stays silent and the
// program goes on as if it had sounded.
class EffectOutput : public SoundOutput {
public:
    explicit EffectOutput(const std::filesystem::path& file);

    bool isPlaying() const override { return effect_.isPlaying(); }
    void start() override;

    static SoundOutputFactory factory();

private:
    QSoundEffect effect_;
};
