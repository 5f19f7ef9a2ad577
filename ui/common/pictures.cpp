#include "ui/common/pictures.h"

#include "core/app_folder.h"

#include <QImageReader>

QPixmap load_picture(const QString &file_name)
{
    // QPixmap::load keeps pictures in the global pixmap cache; reading through
    // QImageReader keeps every load a fresh read of the file.
    QImageReader reader(media_path(file_name));
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    return QPixmap::fromImage(image);
}

QIcon program_icon()
{
    const QPixmap icon = load_picture(QStringLiteral("quillora.png"));
    return icon.isNull() ? QIcon() : QIcon(icon);
}
