// Appends crash_note(first), crash_note(first + 1), ... to the signature file
// of <title> in <app folder> until killed, printing each number once
// append_note has returned true.
#include "core/app_folder.h"
#include "core/board_file.h"
#include "core/signature_store.h"
#include "tests/reliability/crash_payloads.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 4)
        return 2;
    set_app_folder(QString::fromLocal8Bit(argv[1]));
    BoardSettings.title = QString::fromLocal8Bit(argv[2]);
    for (qint64 n = std::atoll(argv[3]);; ++n) {
        if (!append_note(crash_note(n))) {
            std::printf("failed %lld\n", static_cast<long long>(n));
            return 1;
        }
        std::printf("%lld\n", static_cast<long long>(n));
        std::fflush(stdout);
    }
}
