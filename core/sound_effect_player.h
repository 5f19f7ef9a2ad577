#pragma once

#include "core/sound.h"

#include <QObject>
#include <QString>

#include <memory>

class QSoundEffect;

// The program's one sound channel, on Qt Multimedia.
class SoundEffectPlayer : public SoundPlayer {
public:
    SoundEffectPlayer();
    ~SoundEffectPlayer() override;
    void play(const QString &path) override;

private:
    void start(const QString &path);

    std::unique_ptr<QSoundEffect> effect_;
    QString pending_;
    bool start_due_ = false;
    // The context of the start that is due; it ends with the player.
    QObject due_;
};
