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
// build its controls while the picture is decoded. take() waits for it, or
// reads the file itself when no worker has begun; a second take() reads the
// file again.
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
