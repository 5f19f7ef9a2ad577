#include "core/single_instance.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

SingleInstance::SingleInstance() : SingleInstance(default_lock_path()) {}

// Every copy of the program walks the same places in the same order and
// stops at the first usable one, so two copies always meet at one lock. The
// second place serves when something else lies under the first name.
SingleInstance::SingleInstance(const QString &lock_path)
    : paths_{lock_path, lock_path + QStringLiteral(".1")}
{
}

SingleInstance::~SingleInstance()
{
    if (fd_ < 0)
        return;
    // Removed while still locked, so no other copy can lock this file and
    // then find it gone.
    ::unlink(QFile::encodeName(held_path_).constData());
    ::close(fd_);
}

bool SingleInstance::claim()
{
    if (fd_ >= 0)
        return true;
    for (const QString &path : paths_) {
        switch (claim_at(path)) {
        case Claim::Held: return true;
        case Claim::Busy: return false;
        case Claim::Unusable: break;
        }
    }
    // Nothing shows that another copy runs.
    return true;
}

SingleInstance::Claim SingleInstance::claim_at(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    // A copy that ends removes its lock file; the file locked here must be
    // the one that is still under that name, or the lock is taken anew.
    for (int attempt = 0; attempt < 10; ++attempt) {
        const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd < 0)
            return Claim::Unusable;
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::getuid()) {
            ::close(fd);
            return Claim::Unusable;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool busy = errno == EWOULDBLOCK;
            ::close(fd);
            return busy ? Claim::Busy : Claim::Unusable;
        }
        struct stat now {};
        if (::stat(native.constData(), &now) == 0 && now.st_dev == st.st_dev && now.st_ino == st.st_ino) {
            fd_ = fd;
            held_path_ = path;
            return Claim::Held;
        }
        ::close(fd);
    }
    return Claim::Unusable;
}

QString SingleInstance::default_lock_path()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(QString::fromLocal8Bit(runtime)).exists())
        return QString::fromLocal8Bit(runtime) + QStringLiteral("/quillora.lock");
    return QDir::tempPath() + QStringLiteral("/quillora-%1.lock").arg(::getuid());
}
