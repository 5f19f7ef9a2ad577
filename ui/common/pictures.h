#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Reads a picture of the media folder from its file at this moment (there is
// no cache between windows). A missing or unreadable file gives a null pixmap
// and no message.
QPixmap load_picture(const QString &file_name);

QIcon program_icon();
