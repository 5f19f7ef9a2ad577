// Under a file-size limit of <limit> bytes, appends a note of <size> bytes to
// the signature file of <title> in <app folder> and saves that board, set up
// as the program sets itself up. Prints what happened; a limit that ends the
// process leaves nothing printed.
#include "core/app_folder.h"
#include "core/board_file.h"
#include "core/safe_file.h"
#include "core/signature_store.h"

#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

int main(int argc, char *argv[])
{
    if (argc != 5)
        return 2;
    ignore_file_size_signal();
    set_app_folder(QString::fromLocal8Bit(argv[1]));
    reset_board();
    BoardSettings.title = QString::fromLocal8Bit(argv[2]);
    const rlim_t limit = std::strtoull(argv[3], nullptr, 10);
    const rlimit fsize{limit, limit};
    if (::setrlimit(RLIMIT_FSIZE, &fsize) != 0)
        return 2;
    const QString note(std::atoi(argv[4]), QLatin1Char('n'));
    std::printf("note %s\n", append_note(note) ? "saved" : "failed");
    BoardSettings.welcome_msg = note;
    std::printf("board %s\n", save_board(BoardSettings.title) ? "saved" : "failed");
    return 0;
}
