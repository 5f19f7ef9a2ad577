// Claims the program's single-instance lock like a starting program would and
// says "claimed" or "busy". With "hold" it then keeps the lock until killed.
// Without a lock path it uses the default one of the environment.
#include "core/single_instance.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bool hold = argc > 2 && std::strcmp(argv[2], "hold") == 0;
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    SingleInstance instance = path.isEmpty() || path == QLatin1String("default")
                                  ? SingleInstance()
                                  : SingleInstance(path);
    const bool claimed = instance.claim();
    std::puts(claimed ? "claimed" : "busy");
    std::fflush(stdout);
    if (claimed && hold) {
        for (;;)
            ::pause();
    }
    return 0;
}
