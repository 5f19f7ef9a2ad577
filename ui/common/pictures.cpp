#include "ui/common/pictures.h"

#include "core/app_folder.h"

#include <QElapsedTimer>
#include <QImageReader>
#include <QThreadPool>

#include <atomic>
#include <utility>

namespace {

// QPixmap::load keeps pictures in the global pixmap cache; reading through
// QImageReader keeps every load a fresh read of the file.
QImage read_image(const QString &path)
{
    QImageReader reader(path);
    return reader.read();
}

QPixmap to_pixmap(QImage image)
{
    return image.isNull() ? QPixmap() : QPixmap::fromImage(std::move(image));
}

// What became of a picture handed to a worker.
enum class ReadState { Queued, Decoding, Done, TakenBack };

// A backdrop is decoded in about a millisecond, and a thread put to sleep for
// the rest of that can take a tenth of a millisecond more to be woken. So the
// wait spins for a few milliseconds before it sleeps.
constexpr qint64 kSpinNs = 3'000'000;

void wait_until_done(const std::atomic<ReadState> &state)
{
    QElapsedTimer spin;
    spin.start();
    for (ReadState now = state.load(std::memory_order_acquire); now != ReadState::Done;
         now = state.load(std::memory_order_acquire)) {
        if (spin.nsecsElapsed() > kSpinNs)
            state.wait(now, std::memory_order_acquire);
    }
}

} // namespace

QPixmap load_picture(const QString &file_name)
{
    return to_pixmap(read_image(media_path(file_name)));
}

struct PictureRead::Decoded {
    QImage image;
    std::atomic<ReadState> state{ReadState::Queued};
};

PictureRead::PictureRead(const QString &file_name)
    : path_(media_path(file_name)), decoded_(std::make_shared<Decoded>())
{
    QThreadPool::globalInstance()->start([decoded = decoded_, path = path_] {
        ReadState queued = ReadState::Queued;
        if (!decoded->state.compare_exchange_strong(queued, ReadState::Decoding))
            return;
        decoded->image = read_image(path);
        decoded->state.store(ReadState::Done, std::memory_order_release);
        decoded->state.notify_one();
    });
}

// A read that no worker has begun yet is taken back and done here, rather
// than waited for while a worker is found or woken.
QPixmap PictureRead::take()
{
    const std::shared_ptr<Decoded> decoded = std::exchange(decoded_, nullptr);
    ReadState queued = ReadState::Queued;
    if (!decoded || decoded->state.compare_exchange_strong(queued, ReadState::TakenBack))
        return to_pixmap(read_image(path_));
    wait_until_done(decoded->state);
    return to_pixmap(std::move(decoded->image));
}

QIcon program_icon()
{
    const QPixmap icon = load_picture(QStringLiteral("quillora_48.png"));
    return icon.isNull() ? QIcon() : QIcon(icon);
}
