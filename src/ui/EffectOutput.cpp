#include "ui/EffectOutput.h"

#include <QString>
#include <QUrl>

EffectOutput::EffectOutput(const std::filesystem::path& file) {
    effect_.setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

void EffectOutput::start() {
    if (effect_.status() != QSoundEffect::Error) {
        effect_.play();
    }
}

SoundOutputFactory EffectOutput::factory() {
    return [](const std::filesystem::path& file) { return std::make_unique<EffectOutput>(file); };
}
