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

// A backdrop is decoded in about a millisecond, and a thread put to sleep for
// the rest of that can take a tenth of a millisecond more to be woken. So the
// wait spins for a few milliseconds before it sleeps.
constexpr qint64 kSpinNs = 3'000'000;

void wait_until_set(const std::atomic<bool> &flag)
{
    QElapsedTimer spin;
    spin.start();
    while (!flag.load(std::memory_order_acquire)) {
        if (spin.nsecsElapsed() > kSpinNs) {
            flag.wait(false, std::memory_order_acquire);
            return;
        }
    }
}

} // namespace

QPixmap load_picture(const QString &file_name)
{
    return to_pixmap(read_image(media_path(file_name)));
}

struct PictureRead::Decoded {
    QImage image;
    std::atomic<bool> ready{false};
};

PictureRead::PictureRead(const QString &file_name)
    : path_(media_path(file_name)), decoded_(std::make_shared<Decoded>())
{
    QThreadPool::globalInstance()->start([decoded = decoded_, path = path_] {
        decoded->image = read_image(path);
        decoded->ready.store(true, std::memory_order_release);
        decoded->ready.notify_one();
    });
}

QPixmap PictureRead::take()
{
    if (!decoded_)
        return to_pixmap(read_image(path_));
    const std::shared_ptr<Decoded> decoded = std::exchange(decoded_, nullptr);
    wait_until_set(decoded->ready);
    return to_pixmap(std::move(decoded->image));
}

QIcon program_icon()
{
    const QPixmap icon = load_picture(QStringLiteral("quillora_48.png"));
    return icon.isNull() ? QIcon() : QIcon(icon);
}
