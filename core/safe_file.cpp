#include "core/safe_file.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
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
    // The file may grow while it is read: never more than limit + 1 bytes.
    QByteArray read(qsizetype(st.st_size) + 1, Qt::Uninitialized);
    qsizetype have = 0;
    for (;;) {
        if (have == read.size()) {
            if (have > limit)
                return ReadResult::TooLarge;
            read.resize(qMin<qint64>(limit + 1, have * 2 + 4096));
        }
        const ssize_t n = ::read(fd.get(), read.data() + have, size_t(read.size() - have));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return ReadResult::Unreadable;
        if (n == 0)
            break;
        have += n;
    }
    if (have > limit)
        return ReadResult::TooLarge;
    read.truncate(have);
    bytes = std::move(read);
    return ReadResult::Read;
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
    QByteArray temp = native(QFileInfo(path).absolutePath() + QStringLiteral("/.quillora-XXXXXX"));
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

void ignore_file_size_signal()
{
    ::signal(SIGXFSZ, SIG_IGN);
}
