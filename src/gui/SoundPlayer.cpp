#include "gui/SoundPlayer.h"

#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace gui {

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::play(const QString& file) {
    if (!QFileInfo(file).isFile() || QMediaDevices::audioOutputs().isEmpty()) return false;
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    effect_->play();
    return true;
}

} // namespace gui
