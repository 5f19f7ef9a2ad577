#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>

#include <optional>

// A baseline colour JPEG whose restart markers fall at the ends of whole rows
// of blocks is a stack of bands that decode independently of one another, so
// several threads can share the decoding of one picture.
//
// The bands come out as a whole decode gives them, except that the decoder
// smooths colour across a band's edge with its own rows only: the rows next to
// an edge can differ by a few levels where the colour changes sharply.
class JpegBands {
public:
    // Nothing when the file is not of that kind, or not well formed.
    static std::optional<JpegBands> split(const QByteArray &file);

    QSize size() const { return size_; }
    int count() const { return int(segments_.size()); }

    // Decodes band `index` into its rows of a Format_RGB32 picture of size()
    // whose pixels start at `bits`. Different bands may be decoded into the
    // same picture at once. False when the band does not decode.
    bool decode(int index, uchar *bits, qsizetype bytes_per_line) const;

private:
    struct Segment {
        qsizetype offset;
        qsizetype length;
    };

    QByteArray file_;
    qsizetype header_length_ = 0; // from the start through the scan header
    qsizetype height_at_ = 0;     // where the frame header keeps the height
    QSize size_;
    int band_rows_ = 0;
    QList<Segment> segments_;
};
