#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One running program per user: a lock file in XDG_RUNTIME_DIR (the temp
// folder when it is unset). A lock left by a killed process is taken over;
// a lock file that cannot be made at all does not stop the program.
class SingleInstance {
public:
    SingleInstance();
    explicit SingleInstance(const QString &lock_path);
    bool claim();
    static QString default_lock_path();

private:
    std::unique_ptr<QLockFile> lock_;
};
