// Saves board A and board B in turn to <title>.qla of <app folder> until
// killed, printing "A" or "B" once save_board has returned true.
#include "core/app_folder.h"
#include "core/board_file.h"
#include "tests/reliability/crash_payloads.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    set_app_folder(QString::fromLocal8Bit(argv[1]));
    const QString title = QString::fromLocal8Bit(argv[2]);
    const BoardDefinition boards[2] = {crash_board(false), crash_board(true)};
    for (int i = 0;; i ^= 1) {
        BoardSettings = boards[i];
        if (!save_board(title)) {
            std::puts("failed");
            return 1;
        }
        std::puts(i ? "B" : "A");
        std::fflush(stdout);
    }
}
