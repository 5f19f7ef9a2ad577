#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

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

QIcon program_icon();
