#include "core/safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

Q_LOGGING_CATEGORY(lcFiles, "quillora.files", QtCriticalMsg)

namespace {

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

// mkostemp puts six letters or digits in place of the X's.
const QString kTempPattern = QStringLiteral(".quillora-XXXXXX");

// Closes a descriptor when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return fd_; }
    // Closes now and tells whether the close went well.
    bool close()
    {
        const int fd = std::exchange(fd_, -1);
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

} // namespace

int open_regular_file(const QString &path, int flags)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return -1;
    // O_NONBLOCK: opening a pipe of that name must not wait for a writer.
    const int fd = ::open(native(path).constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)
        || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

namespace {

// Reads from fd until its end, but never more than limit + 1 bytes: a file
// may grow while it is read. `size_hint` is the size fstat gave.
ReadResult read_bounded(int fd, qint64 size_hint, qint64 limit, QByteArray &bytes)
{
    QByteArray read(qsizetype(qMin(size_hint, limit)) + 1, Qt::Uninitialized);
    qsizetype have = 0;
    for (;;) {
        if (have == read.size()) {
            if (have > limit)
                break;
            read.resize(qMin<qint64>(limit + 1, have * 2 + 4096));
        }
        const ssize_t n = ::read(fd, read.data() + have, size_t(read.size() - have));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return ReadResult::Unreadable;
        if (n == 0)
            break;
        have += n;
    }
    const bool longer = have > limit;
    read.truncate(longer ? qsizetype(limit) : have);
    bytes = std::move(read);
    return longer ? ReadResult::Partial : ReadResult::Read;
}

} // namespace

ReadResult read_regular_file(const QString &path, qint64 limit, QByteArray &bytes)
{
    bytes.clear();
    Fd fd(open_regular_file(path, O_RDONLY));
    if (fd.get() < 0)
        return ReadResult::Unreadable;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return ReadResult::Unreadable;
    if (st.st_size > limit)
        return ReadResult::TooLarge;
    const ReadResult result = read_bounded(fd.get(), st.st_size, limit, bytes);
    if (result != ReadResult::Partial)
        return result;
    bytes.clear();
    return ReadResult::TooLarge;
}

ReadResult read_file_start(const QString &path, qint64 limit, QByteArray &bytes)
{
    bytes.clear();
    Fd fd(open_regular_file(path, O_RDONLY));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0)
        return ReadResult::Unreadable;
    return read_bounded(fd.get(), st.st_size, limit, bytes);
}

bool is_plain_file(const QString &path, qint64 limit)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return false;
    struct stat st {};
    return ::lstat(native(path).constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= limit;
}

bool write_all(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

void sync_folder_of(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    const Fd fd(::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0 || ::fsync(fd.get()) != 0)
        qCWarning(lcFiles) << "could not flush the folder" << folder << std::strerror(errno);
}

bool replace_file(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return false;
    mode_t mode = 0600;
    struct stat st {};
    if (::lstat(native(path).constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return false;
        mode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return false;
    }
    // The temporary file lies beside the file, so the rename stays on one
    // file system; its name never ends in a board's or a note file's ending.
    QByteArray temp = native(QFileInfo(path).absolutePath() + QLatin1Char('/') + kTempPattern);
    Fd fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return false;
    const bool written = ::fchmod(fd.get(), mode) == 0
                         && write_all(fd.get(), bytes.constData(), bytes.size())
                         && ::fsync(fd.get()) == 0;
    if (!fd.close() || !written || ::rename(temp.constData(), native(path).constData()) != 0) {
        ::unlink(temp.constData());
        return false;
    }
    sync_folder_of(path);
    return true;
}

bool move_regular_file(const QString &from, const QString &to)
{
    struct stat st {};
    if (from.contains(QChar(0)) || to.isEmpty() || to.contains(QChar(0))
        || ::lstat(native(from).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    if (::renameat2(AT_FDCWD, native(from).constData(), AT_FDCWD, native(to).constData(),
                    RENAME_NOREPLACE) != 0)
        return false;
    sync_folder_of(to);
    return true;
}

void remove_stale_temp_files(const QString &folder)
{
    static const QRegularExpression temp_name(QStringLiteral("^\\.quillora-[A-Za-z0-9]{6}$"));
    const QDir dir(folder);
    const QStringList names = dir.entryList(QStringList{QStringLiteral(".quillora-*")},
                                            QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString &name : names) {
        const QByteArray path = native(dir.filePath(name));
        struct stat st {};
        if (temp_name.match(name).hasMatch() && ::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode))
            ::unlink(path.constData());
    }
}

void ignore_file_size_signal()
{
    ::signal(SIGXFSZ, SIG_IGN);
}
