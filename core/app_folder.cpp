#include "core/app_folder.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>

#include <sys/stat.h>

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

QString resolve_audio_file(const QString &base_name)
{
    const QString folder = app_path(QStringLiteral("audio"));
    const QString wav = QStringLiteral(".wav");
    const QString found = find_app_file(base_name, wav, folder);
    return found.isEmpty() ? folder + QLatin1Char('/') + base_name + wav : found;
}

namespace {

// Whether something is at path; a link there is not followed.
bool lstat_path(const QString &path, struct stat &st)
{
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// The entry of `folder`, of whatever kind, that name + ext names in any
// case: the exact spelling when it exists, else the first such name in code
// point order; empty when there is none. Only when the exact spelling is
// absent is the folder read, one entry at a time, whatever its size.
QString matching_entry(const QString &name, const QString &ext, const QString &folder)
{
    const QString wanted = name + ext;
    const QString exact = folder + QLatin1Char('/') + wanted;
    struct stat st {};
    if (lstat_path(exact, st))
        return exact;
    QString found;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        const QString entry = entries.nextFileInfo().fileName();
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0 && (found.isEmpty() || entry < found))
            found = entry;
    }
    return found.isEmpty() ? QString() : folder + QLatin1Char('/') + found;
}

} // namespace

QString find_app_file(const QString &name, const QString &ext, const QString &folder)
{
    if (!names_app_file(name, ext))
        return {};
    const QString entry = matching_entry(name, ext, folder);
    struct stat st {};
    return lstat_path(entry, st) && S_ISREG(st.st_mode) ? entry : QString();
}

QString resolve_app_file(const QString &name, const QString &ext)
{
    if (!names_app_file(name, ext))
        return {};
    const QString entry = matching_entry(name, ext, app_folder());
    return entry.isEmpty() ? app_path(name + ext) : entry;
}
