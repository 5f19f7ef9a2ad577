#include "ui/common/pictures.h"

#include "core/app_folder.h"
#include "core/safe_file.h"
#include "ui/common/jpeg_bands.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImageIOHandler>
#include <QImageReader>
#include <QThreadPool>

#include <atomic>
#include <optional>
#include <utility>

namespace {

// The largest picture a reader may make, in megabytes: a backdrop for a 4K
// screen takes 33.
constexpr int kPictureMegabytes = 128;

QByteArray read_file(const QString &path)
{
    QByteArray bytes;
    read_regular_file(path, kMaxMediaFileBytes, bytes);
    return bytes;
}

// QPixmap::load keeps pictures in the global pixmap cache; reading through
// QImageReader keeps every load a fresh read of the file.
QImage read_image(const QString &path)
{
    QByteArray bytes = read_file(path);
    QBuffer buffer(&bytes);
    QImageReader::setAllocationLimit(kPictureMegabytes);
    QImageReader reader(&buffer);
    return reader.read();
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

} // namespace

QPixmap load_picture(const QString &file_name)
{
    return to_pixmap(read_image(media_path(file_name)));
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
    : path_(media_path(file_name)), decoded_(std::make_shared<Decoded>())
{
    QThreadPool::globalInstance()->start([decoded = decoded_, path = path_] {
        if (decoded->claim())
            decoded->read(path);
    });
}

// A read that no worker has begun yet is done here, rather than waited for
// while a worker is found or woken; one a worker has begun is helped with.
QPixmap PictureRead::take()
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

QIcon program_icon()
{
    const QPixmap icon = load_picture(QStringLiteral("quillora_48.png"));
    return icon.isNull() ? QIcon() : QIcon(icon);
}
