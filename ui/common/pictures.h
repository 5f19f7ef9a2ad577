#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

#include <memory>

// Reads a picture of the media folder from its file at this moment (there is
// no cache between windows). A missing or unreadable file gives a null pixmap
// and no message.
QPixmap load_picture(const QString &file_name);

// A picture of the media folder read on a worker thread, so that a window can
// build its controls while the picture is decoded. take() reads the file
// itself when no worker has begun, or else helps with the bands of a picture
// stored in bands and waits for the rest. A second take() reads the file
// again. A picture stored in bands is always decoded band by band.
class PictureRead {
public:
    explicit PictureRead(const QString &file_name);
    QPixmap take();

private:
    struct Decoded;
    QString path_;
    std::shared_ptr<Decoded> decoded_;
};

QIcon program_icon();
