#include "core/app_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString &override_folder()
{
    static QString folder;
    return folder;
}

} // namespace

// A name holding "/" would reach below the app folder, one holding a NUL
// would name a shorter file than it says, and an empty one would name a
// hidden file that is nothing but the ending.
bool names_app_file(const QString &name, const QString &ext)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0))
           && QFile::encodeName(name + ext).size() <= kMaxFileNameBytes;
}

QString app_folder()
{
    if (!override_folder().isEmpty())
        return override_folder();
    return QCoreApplication::applicationDirPath();
}

void set_app_folder(const QString &path)
{
    override_folder() = path;
}

QString app_path(const QString &relative)
{
    return app_folder() + QLatin1Char('/') + relative;
}

QString media_path(const QString &file_name)
{
    return app_path(QStringLiteral("media/") + file_name);
}

QString audio_path(const QString &base_name)
{
    return app_path(QStringLiteral("audio/") + base_name + QStringLiteral(".wav"));
}

QString resolve_audio_file(const QString &base_name)
{
    const QString exact = audio_path(base_name);
    if (QFileInfo(exact).isFile() || base_name.contains(QLatin1Char('/')))
        return exact;
    const QString wanted = base_name + QStringLiteral(".wav");
    QDir dir(app_path(QStringLiteral("audio")));
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return exact;
}

QString find_app_file(const QString &name, const QString &ext)
{
    if (!names_app_file(name, ext))
        return {};
    const QString wanted = name + ext;
    const QString exact = app_path(wanted);
    if (QFileInfo(exact).isFile())
        return exact;
    // Only when the exact spelling is absent is the folder read; only regular
    // files count (not a folder, a pipe or a device of that name).
    QDir dir(app_folder());
    const QStringList entries =
        dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return {};
}

QString resolve_app_file(const QString &name, const QString &ext)
{
    if (!names_app_file(name, ext))
        return {};
    const QString found = find_app_file(name, ext);
    return found.isEmpty() ? app_path(name + ext) : found;
}
