#include "core/single_instance.h"

#include <QDir>
#include <QStandardPaths>

#include <unistd.h>

SingleInstance::SingleInstance() : SingleInstance(default_lock_path()) {}

SingleInstance::SingleInstance(const QString &lock_path)
    : lock_(std::make_unique<QLockFile>(lock_path))
{
    // A lock is stale only when its process is gone; QLockFile checks that
    // itself, so no age limit applies to a living program.
    lock_->setStaleLockTime(0);
}

bool SingleInstance::claim()
{
    if (lock_->tryLock(0))
        return true;
    // Only a lock held by a running program stops this one. When the lock
    // file cannot be made at all (a runtime folder that is not writable),
    // nothing shows that another program runs, so this one runs.
    return lock_->error() != QLockFile::LockFailedError;
}

QString SingleInstance::default_lock_path()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(QString::fromLocal8Bit(runtime)).exists())
        return QString::fromLocal8Bit(runtime) + QStringLiteral("/quillora.lock");
    return QDir::tempPath() + QStringLiteral("/quillora-%1.lock").arg(::getuid());
}
