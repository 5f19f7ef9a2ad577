#include "core/sound_effect_player.h"

#include "core/safe_file.h"

#include <QAudioDevice>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

const QString kQuietCategories = QStringLiteral("qt.multimedia.*=false");

// Sound problems pass silently. Qt Multimedia warns in its own categories,
// which stay off; without a sound server it also warns in the default one,
// which is off only while a request runs. A rule given in QT_LOGGING_RULES
// still turns any of them on.
class QuietMultimedia {
public:
    QuietMultimedia() { QLoggingCategory::setFilterRules(kQuietCategories + QStringLiteral("\ndefault.warning=false")); }
    ~QuietMultimedia() { QLoggingCategory::setFilterRules(kQuietCategories); }
    QuietMultimedia(const QuietMultimedia &) = delete;
    QuietMultimedia &operator=(const QuietMultimedia &) = delete;
};

} // namespace

SoundEffectPlayer::SoundEffectPlayer()
{
    QLoggingCategory::setFilterRules(kQuietCategories);
}

SoundEffectPlayer::~SoundEffectPlayer()
{
    const QuietMultimedia quiet;
    effect_.reset();
}

// The request starts at once and ends the sound that plays, also when it
// names no file.
void SoundEffectPlayer::play(const QString &path)
{
    const QuietMultimedia quiet;
    if (effect_)
        effect_->stop();
    if (!is_plain_file(path, kMaxMediaFileBytes) || QMediaDevices::audioOutputs().isEmpty())
        return;
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
}

SoundPlayer *make_sound_effect_player()
{
    return new SoundEffectPlayer;
}
