#include "ui/common/pictures.h"

#include "core/app_folder.h"

#include <QImageReader>

#include <utility>

namespace {

// QPixmap::load keeps pictures in the global pixmap cache; reading through
// QImageReader keeps every load a fresh read of the file.
QImage read_image(const QString &path)
{
    QImageReader reader(path);
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
