#include "core/sound_effect_player.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
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

// The request is taken at once and ends the sound that plays, also when it
// names no file. Finding a sound device takes milliseconds, so that work
// waits for the event loop: a window that asks for a sound as it opens is
// painted first.
void SoundEffectPlayer::play(const QString &path)
{
    if (effect_) {
        const QuietMultimedia quiet;
        effect_->stop();
    }
    pending_ = path;
    if (start_due_)
        return;
    start_due_ = true;
    QTimer::singleShot(0, &due_, [this] {
        start_due_ = false;
        start(pending_);
    });
}

void SoundEffectPlayer::start(const QString &path)
{
    const QuietMultimedia quiet;
    if (!QFileInfo(path).isFile() || QMediaDevices::audioOutputs().isEmpty())
        return;
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
}
