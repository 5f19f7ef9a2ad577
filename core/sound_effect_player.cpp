#include "core/sound_effect_player.h"

#include "core/safe_file.h"

#include <QAudioDevice>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <utility>

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

// A window shown but not yet exposed is about to get its first paint.
QWindow *window_awaiting_paint()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return nullptr;
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        if (window->isVisible() && !window->isExposed())
            return window;
    }
    return nullptr;
}

} // namespace

void ExposeWaiter::wait(QWindow *window, std::function<void()> then)
{
    window_ = window;
    then_ = std::move(then);
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, &ExposeWaiter::done);
}

bool ExposeWaiter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window_ && (event->type() == QEvent::Expose || event->type() == QEvent::Hide))
        done();
    return false;
}

void ExposeWaiter::done()
{
    if (window_) {
        window_->removeEventFilter(this);
        disconnect(window_, nullptr, this, nullptr);
    }
    window_ = nullptr;
    if (auto then = std::exchange(then_, nullptr))
        then();
}

SoundEffectPlayer::SoundEffectPlayer() = default;

SoundEffectPlayer::~SoundEffectPlayer()
{
    const QuietMultimedia quiet;
    effect_.reset();
}

// The request is taken at once and ends the sound that plays, also when it
// names no file. Finding a sound device takes milliseconds, so that work
// waits until no window awaits its first paint: a window that asks for a
// sound as it opens is painted first.
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
    start_when_painted();
}

// The expose is handled, and the window painted, after the filter has seen
// it: the next turn of the event loop looks again.
void SoundEffectPlayer::start_when_painted()
{
    QTimer::singleShot(0, &due_, [this] {
        if (QWindow *window = window_awaiting_paint()) {
            due_.wait(window, [this] { start_when_painted(); });
            return;
        }
        start_due_ = false;
        start(pending_);
    });
}

void SoundEffectPlayer::start(const QString &path)
{
    const QuietMultimedia quiet;
    if (!is_plain_file(path, kMaxMediaFileBytes) || QMediaDevices::audioOutputs().isEmpty())
        return;
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
}
