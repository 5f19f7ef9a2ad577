#pragma once

#include "core/sound.h"

#include <QString>

#include <memory>

class QSoundEffect;

// The program's one sound channel, on Qt Multimedia. A request starts at
// once, whatever the windows are doing.
class SoundEffectPlayer : public SoundPlayer {
public:
    SoundEffectPlayer();
    ~SoundEffectPlayer() override;
    void play(const QString &path) override;

private:
    std::unique_ptr<QSoundEffect> effect_;
};

// The program loads this library by name and makes its player through this.
extern "C" SoundPlayer *make_sound_effect_player();
