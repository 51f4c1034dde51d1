#pragma once
// Plays a wave file without waiting for it; a new sound replaces the one
// playing. Silent when the file or an audio output is missing.

#include <QElapsedTimer>
#include <QString>

#include <memory>

class QSoundEffect;

namespace gui {

class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // False when nothing could play.
    bool play(const QString& file);

private:
    std::unique_ptr<QSoundEffect> effect_;
    QString lastFile_;
    bool lastPlayed_ = false;
    QElapsedTimer sinceLast_;
};

} // namespace gui
