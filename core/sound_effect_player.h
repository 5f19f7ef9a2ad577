#pragma once

#include "core/sound.h"

#include <memory>

class QSoundEffect;

// The program's one sound channel, on Qt Multimedia.
class SoundEffectPlayer : public SoundPlayer {
public:
    SoundEffectPlayer();
    ~SoundEffectPlayer() override;
    void play(const QString &path) override;

private:
    std::unique_ptr<QSoundEffect> effect_;
};
