#include "ui/common/pictures.h"

#include "core/app_folder.h"
#include "core/safe_file.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>

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

// The highest ratio of the screens.
qreal application_ratio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QPixmap to_pixmap(QImage image)
{
    return image.isNull() ? QPixmap() : QPixmap::fromImage(std::move(image));
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
