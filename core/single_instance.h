#pragma once

#include <QString>
#include <QStringList>

// One running program per user: a lock (flock) on a file in XDG_RUNTIME_DIR
// (the temp folder when it is unset), held open for the program's life. The
// kernel releases it when the process ends, however it ends. A lock file that
// cannot be made or is not a regular file of this user does not stop the
// program: a second name beside it is tried, and when neither is usable the
// program runs.
class SingleInstance {
public:
    SingleInstance();
    explicit SingleInstance(const QString &lock_path);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // False when another program holds the lock.
    bool claim();
    static QString default_lock_path();

private:
    enum class Claim { Held, Busy, Unusable };
    Claim claim_at(const QString &path);

    QStringList paths_;
    QString held_path_;
    int fd_ = -1;
};
