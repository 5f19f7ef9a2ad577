#include "ui/common/pictures.h"

#include "core/app_folder.h"
#include "ui/common/jpeg_bands.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImageIOHandler>
#include <QImageReader>
#include <QThreadPool>

#include <atomic>
#include <optional>
#include <utility>

namespace {

// QPixmap::load keeps pictures in the global pixmap cache; reading through
// QImageReader keeps every load a fresh read of the file.
QImage read_image(const QString &path)
{
    QImageReader reader(path);
    return reader.read();
}

// The highest ratio of the screens.
qreal application_ratio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QPixmap to_pixmap(QImage image)
{
    return image.isNull() ? QPixmap() : QPixmap::fromImage(std::move(image));
}

// How far a picture read has come. The thread that reads a file stored in
// bands shares the bands out, so the thread waiting for the picture can
// decode those still left.
enum class ReadState { Queued, Reading, Banded, Done };

// A backdrop is decoded in about a millisecond, and a thread put to sleep for
// the rest of that can take a tenth of a millisecond more to be woken. So a
// wait spins for a few milliseconds before it sleeps.
constexpr qint64 kSpinNs = 3'000'000;

// Waits while the state is `busy`, and gives the state it then has.
ReadState wait_while(const std::atomic<ReadState> &state, ReadState busy)
{
    QElapsedTimer spin;
    spin.start();
    ReadState now = state.load(std::memory_order_acquire);
    for (; now == busy; now = state.load(std::memory_order_acquire)) {
        if (spin.nsecsElapsed() > kSpinNs)
            state.wait(busy, std::memory_order_acquire);
    }
    return now;
}

QByteArray read_file(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QString picture_file_name(const QString &file_name, qreal device_pixel_ratio)
{
    if (device_pixel_ratio <= 1.0)
        return file_name;
    qsizetype dot = file_name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        dot = file_name.size();
    return file_name.left(dot) + QStringLiteral("@2x") + file_name.mid(dot);
}

QPixmap load_picture(const QString &file_name, qreal device_pixel_ratio)
{
    const QString dense = picture_file_name(file_name, device_pixel_ratio);
    if (dense != file_name) {
        QPixmap picture = to_pixmap(read_image(media_path(dense)));
        if (!picture.isNull()) {
            // A reader given a file name takes the ratio from "@2x"; one given
            // an open file does not, so it is set here.
            picture.setDevicePixelRatio(2.0);
            return picture;
        }
    }
    return to_pixmap(read_image(media_path(file_name)));
}

QPixmap load_picture(const QString &file_name)
{
    return load_picture(file_name, application_ratio());
}

struct PictureRead::Decoded {
    std::atomic<ReadState> state{ReadState::Queued};
    QImage image;
    // Set before the state becomes Banded. The pixels' address is taken
    // once, as QImage::bits() may not be called by two threads at once.
    std::optional<JpegBands> bands;
    uchar *bits = nullptr;
    std::atomic<int> next_band{0};
    std::atomic<int> bands_done{0};
    std::atomic<bool> failed{false};

    // True for the one thread that is to read the file.
    bool claim()
    {
        ReadState queued = ReadState::Queued;
        return state.compare_exchange_strong(queued, ReadState::Reading);
    }
    void read(const QString &path);
    void decode_bands();
    void become(ReadState now);
};

void PictureRead::Decoded::read(const QString &path)
{
    bands = JpegBands::split(read_file(path));
    // The picture is made as a reader makes it, within the readers' limit on
    // the size of a picture.
    if (!bands || !QImageIOHandler::allocateImage(bands->size(), QImage::Format_RGB32, &image)) {
        image = read_image(path);
        become(ReadState::Done);
        return;
    }
    bits = image.bits();
    become(ReadState::Banded);
    decode_bands();
}

// Called by each thread that helps; whichever decodes the last band says so.
void PictureRead::Decoded::decode_bands()
{
    const int count = bands->count();
    for (int band = next_band.fetch_add(1); band < count; band = next_band.fetch_add(1)) {
        if (!bands->decode(band, bits, image.bytesPerLine()))
            failed.store(true, std::memory_order_relaxed);
        if (bands_done.fetch_add(1, std::memory_order_acq_rel) + 1 == count)
            become(ReadState::Done);
    }
}

void PictureRead::Decoded::become(ReadState now)
{
    state.store(now, std::memory_order_release);
    state.notify_one();
}

PictureRead::PictureRead(const QString &file_name)
    : file_name_(file_name),
      dense_(application_ratio() > 1.0),
      path_(media_path(picture_file_name(file_name, application_ratio()))),
      decoded_(std::make_shared<Decoded>())
{
    QThreadPool::globalInstance()->start([decoded = decoded_, path = path_] {
        if (decoded->claim())
            decoded->read(path);
    });
}

QPixmap PictureRead::take()
{
    QPixmap picture = take_read();
    if (!dense_)
        return picture;
    if (picture.isNull())
        return load_picture(file_name_, 1.0);
    picture.setDevicePixelRatio(2.0);
    return picture;
}

// A read that no worker has begun yet is done here, rather than waited for
// while a worker is found or woken; one a worker has begun is helped with.
QPixmap PictureRead::take_read()
{
    std::shared_ptr<Decoded> decoded = std::exchange(decoded_, nullptr);
    if (!decoded)
        decoded = std::make_shared<Decoded>();
    if (decoded->claim()) {
        decoded->read(path_);
    } else if (wait_while(decoded->state, ReadState::Reading) == ReadState::Banded) {
        decoded->decode_bands();
        wait_while(decoded->state, ReadState::Banded);
    }
    // A band that did not decode leaves the picture to an ordinary read,
    // which makes of a damaged file what any other window would.
    if (decoded->failed.load(std::memory_order_relaxed))
        return to_pixmap(read_image(path_));
    return to_pixmap(std::move(decoded->image));
}

// Each size is drawn at that size, so the small ones stay crisp.
QIcon program_icon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        const QPixmap picture = load_picture(QStringLiteral("quillora_%1.png").arg(size), 1.0);
        if (!picture.isNull())
            icon.addPixmap(picture);
    }
    return icon;
}
