#include "ui/common/pictures.h"

#include "core/app_folder.h"
#include "core/safe_file.h"

#include <QBuffer>
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

QPixmap to_pixmap(QImage image)
{
    return image.isNull() ? QPixmap() : QPixmap::fromImage(std::move(image));
}

} // namespace

QPixmap load_picture(const QString &file_name)
{
    return to_pixmap(read_image(media_path(file_name)));
}

QIcon program_icon()
{
    const QPixmap icon = load_picture(QStringLiteral("quillora_48.png"));
    return icon.isNull() ? QIcon() : QIcon(icon);
}
