#include "core/sound_effect_player.h"

#include "core/safe_file.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

void drop_message(QtMsgType, const QMessageLogContext &, const QString &) {}

// Sound problems pass silently: without a sound server or device Qt
// Multimedia reports them on stderr, so its calls run with Qt's messages
// turned off.
class QuietMultimedia {
public:
    QuietMultimedia() : previous_(qInstallMessageHandler(drop_message)) {}
    ~QuietMultimedia() { qInstallMessageHandler(previous_); }
    QuietMultimedia(const QuietMultimedia &) = delete;
    QuietMultimedia &operator=(const QuietMultimedia &) = delete;

private:
    QtMessageHandler previous_;
};

} // namespace

SoundEffectPlayer::SoundEffectPlayer() = default;

SoundEffectPlayer::~SoundEffectPlayer()
{
    const QuietMultimedia quiet;
    effect_.reset();
}

void SoundEffectPlayer::play(const QString &path)
{
    const QuietMultimedia quiet;
    // A new request ends the sound that plays, also when it names no file.
    if (effect_)
        effect_->stop();
    if (!is_plain_file(path, kMaxMediaFileBytes) || QMediaDevices::audioOutputs().isEmpty())
        return;
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
}
