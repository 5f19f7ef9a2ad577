#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

#include <memory>

// Reads a picture of the media folder from its file at this moment (there is
// no cache between windows). A missing or unreadable file gives a null pixmap
// and no message. On a screen of more than one device pixel to the logical
// pixel the picture drawn at twice the size, "name@2x.jpg", is read when it
// is there, and keeps the logical size of "name.jpg". Without a ratio the
// application's is taken.
QPixmap load_picture(const QString &file_name);
QPixmap load_picture(const QString &file_name, qreal device_pixel_ratio);

// The file that load_picture() reads first at this ratio.
QString picture_file_name(const QString &file_name, qreal device_pixel_ratio);

// A picture of the media folder read on a worker thread, so that a window can
// build its controls while the picture is decoded. take() reads the file
// itself when no worker has begun, or else helps with the bands of a picture
// stored in bands and waits for the rest. A second take() reads the file
// again. A picture stored in bands is always decoded band by band. It reads
// the file load_picture() would.
class PictureRead {
public:
    explicit PictureRead(const QString &file_name);
    QPixmap take();

private:
    QPixmap take_read();

    struct Decoded;
    QString file_name_;
    bool dense_ = false;
    QString path_;
    std::shared_ptr<Decoded> decoded_;
};

QIcon program_icon();
