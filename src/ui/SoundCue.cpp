#include "ui/SoundCue.h"

#include "engine/FileBytes.h"
#include "engine/PathResolver.h"
#include "ui/SoundError.h"
#include "ui/WaveFile.h"

SoundCue::SoundCue(std::string name, const PathResolver& folder, const SoundOutputFactory& outputs)
    : name_(std::move(name)) {
    const std::filesystem::path file = folder.resolve(name_);
    const std::optional<std::string> bytes = filebytes::readRegular(file);
    if (!bytes) {
        throw SoundError("Cannot open file " + name_);
    }
    if (const auto problem = WaveFile::problem(*bytes)) {
        throw SoundError("Cannot play file " + name_ + ": " + *problem);
    }
    output_ = outputs(file);
}

void SoundCue::play() {
    if (output_ && !output_->isPlaying()) {
        output_->start();
    }
}
