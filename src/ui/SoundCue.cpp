#include "ui/SoundCue.h"

#include "engine/PathResolver.h"
#include "ui/SoundError.h"
#include "ui/WaveFile.h"

#include <fstream>
#include <iterator>

SoundCue::SoundCue(std::string name, const PathResolver& folder, const SoundOutputFactory& outputs)
    : name_(std::move(name)) {
    const std::filesystem::path file = folder.resolve(name_);
    std::ifstream in(file, std::ios::binary);
    if (!in || std::filesystem::is_directory(file)) {
        throw SoundError("Cannot open file " + name_);
    }
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (const auto problem = WaveFile::problem(bytes)) {
        throw SoundError("Cannot play file " + name_ + ": " + *problem);
    }
    output_ = outputs(file);
}

void SoundCue::play() {
    if (output_ && !output_->isPlaying()) {
        output_->start();
    }
}
