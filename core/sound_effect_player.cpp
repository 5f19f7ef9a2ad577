#include "core/sound_effect_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

SoundEffectPlayer::SoundEffectPlayer() = default;

SoundEffectPlayer::~SoundEffectPlayer() = default;

void SoundEffectPlayer::play(const QString &path)
{
    // A new request ends the sound that plays, also when it names no file.
    if (effect_)
        effect_->stop();
    if (!QFileInfo(path).isFile())
        return;
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
}
