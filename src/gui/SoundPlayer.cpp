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
    // The evaluation of a long tip list starts the sound once per winning
    // line, tens of thousands of times within one command; a start of the
    // same file just after the last one is the same sound to the ear, and
    // asking the audio system each time would cost seconds.
    if (file == lastFile_ && sinceLast_.isValid() && sinceLast_.elapsed() < 100) return lastPlayed_;
    lastFile_ = file;
    sinceLast_.start();
    lastPlayed_ = false;
    if (!QFileInfo(file).isFile() || QMediaDevices::audioOutputs().isEmpty()) return false;
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    effect_->play();
    lastPlayed_ = true;
    return true;
}

} // namespace gui
