#include "ui/common/jpeg_bands.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cstring>

namespace {

// Markers of the JPEG format.
constexpr uchar kMarker = 0xFF;
constexpr uchar kStartOfImage = 0xD8;
constexpr uchar kEndOfImage = 0xD9;
constexpr uchar kRestart0 = 0xD0;
constexpr uchar kRestart7 = 0xD7;
constexpr uchar kBaselineFrame = 0xC0;
constexpr uchar kHuffmanTables = 0xC4;
constexpr uchar kQuantTables = 0xDB;
constexpr uchar kRestartInterval = 0xDD;
constexpr uchar kStartOfScan = 0xDA;
constexpr uchar kJfif = 0xE0;
constexpr uchar kComment = 0xFE;

constexpr int kColourComponents = 3;

int byte_at(const QByteArray &data, qsizetype at)
{
    return uchar(data.at(at));
}

int word_at(const QByteArray &data, qsizetype at)
{
    return byte_at(data, at) << 8 | byte_at(data, at + 1);
}

// What the headers before the compressed data say.
struct Headers {
    qsizetype length = 0;
    qsizetype height_at = 0;
    QSize size;
    int block_columns = 0; // of the largest sampling, in blocks of 8
    int block_rows = 0;
    int restart_interval = 0;
    bool frame = false;
};

bool read_frame(const QByteArray &data, qsizetype body, int length, Headers &headers)
{
    if (headers.frame || length != 8 + 3 * kColourComponents || byte_at(data, body) != 8
        || byte_at(data, body + 5) != kColourComponents)
        return false;
    headers.frame = true;
    headers.height_at = body + 1;
    headers.size = QSize(word_at(data, body + 3), word_at(data, body + 1));
    for (int c = 0; c < kColourComponents; ++c) {
        const int sampling = byte_at(data, body + 7 + 3 * c);
        headers.block_columns = std::max(headers.block_columns, sampling >> 4);
        headers.block_rows = std::max(headers.block_rows, sampling & 0x0F);
    }
    return !headers.size.isEmpty() && headers.block_columns > 0 && headers.block_rows > 0;
}

// Reads the headers up to the compressed data. Only what a plain colour
// picture needs is allowed; anything that could make a band decode unlike
// the whole (colour profiles, orientation, progressive or lossless coding)
// leaves the file to an ordinary decode.
std::optional<Headers> read_headers(const QByteArray &data)
{
    if (data.size() < 4 || byte_at(data, 0) != kMarker || byte_at(data, 1) != kStartOfImage)
        return std::nullopt;
    Headers headers;
    qsizetype at = 2;
    for (;;) {
        if (at + 4 > data.size() || byte_at(data, at) != kMarker)
            return std::nullopt;
        const int marker = byte_at(data, at + 1);
        const int length = word_at(data, at + 2);
        const qsizetype body = at + 4;
        if (length < 2 || at + 2 + length > data.size())
            return std::nullopt;
        at += 2 + length;
        switch (marker) {
        case kJfif:
        case kComment:
        case kQuantTables:
        case kHuffmanTables:
            break;
        case kBaselineFrame:
            if (!read_frame(data, body, length, headers))
                return std::nullopt;
            break;
        case kRestartInterval:
            if (length != 4)
                return std::nullopt;
            headers.restart_interval = word_at(data, body);
            break;
        case kStartOfScan:
            // One scan holding every component.
            if (!headers.frame || byte_at(data, body) != kColourComponents)
                return std::nullopt;
            headers.length = at;
            return headers;
        default:
            return std::nullopt;
        }
    }
}

} // namespace

std::optional<JpegBands> JpegBands::split(const QByteArray &file)
{
    const std::optional<Headers> headers = read_headers(file);
    if (!headers || headers->restart_interval == 0)
        return std::nullopt;
    const int unit_width = 8 * headers->block_columns;
    const int unit_height = 8 * headers->block_rows;
    const int units_per_row = (headers->size.width() + unit_width - 1) / unit_width;
    if (headers->restart_interval % units_per_row != 0)
        return std::nullopt;

    JpegBands bands;
    bands.file_ = file;
    bands.header_length_ = headers->length;
    bands.height_at_ = headers->height_at;
    bands.size_ = headers->size;
    bands.band_rows_ = headers->restart_interval / units_per_row * unit_height;
    const int expected = (bands.size_.height() + bands.band_rows_ - 1) / bands.band_rows_;

    // The compressed data holds no marker but the restarts, numbered 0 to 7
    // in turn, and the end of the picture.
    const char *const data = file.constData();
    qsizetype start = headers->length;
    qsizetype at = start;
    for (;;) {
        const void *found = std::memchr(data + at, kMarker, size_t(file.size() - at));
        if (!found)
            return std::nullopt;
        at = static_cast<const char *>(found) - data;
        if (at + 1 >= file.size())
            return std::nullopt;
        const int next = byte_at(file, at + 1);
        if (next == 0x00 || next == kMarker) {
            at += 1;
            continue;
        }
        bands.segments_.append({start, at - start});
        if (next == kEndOfImage)
            break;
        if (next < kRestart0 || next > kRestart7 || next - kRestart0 != (bands.count() - 1) % 8)
            return std::nullopt;
        at += 2;
        start = at;
    }
    if (bands.count() != expected || expected < 2)
        return std::nullopt;
    return bands;
}

bool JpegBands::decode(int index, uchar *bits, qsizetype bytes_per_line) const
{
    if (index < 0 || index >= count())
        return false;
    const int top = index * band_rows_;
    const int rows = std::min(band_rows_, size_.height() - top);

    // The band as a picture of its own: the headers with the band's height,
    // its compressed data and the end marker.
    QByteArray band = file_.left(header_length_);
    band[height_at_] = char(rows >> 8);
    band[height_at_ + 1] = char(rows & 0xFF);
    const Segment &segment = segments_.at(index);
    band.append(file_.constData() + segment.offset, segment.length);
    band.append(char(kMarker)).append(char(kEndOfImage));

    QBuffer device(&band);
    device.open(QIODevice::ReadOnly);
    QImageReader reader(&device, "jpeg");
    uchar *const first = bits + top * bytes_per_line;
    QImage rows_of_band(first, size_.width(), rows, bytes_per_line, QImage::Format_RGB32);
    // The reader decodes into the given rows when their size and format are
    // what it would make; anything else is a band that did not decode here.
    return reader.read(&rows_of_band) && rows_of_band.constBits() == first
        && rows_of_band.format() == QImage::Format_RGB32;
}
