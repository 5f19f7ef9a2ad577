// libFuzzer target: any bytes as a board file.
#include "fuzz/parser_checks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString error = check_board_bytes(bytes);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "board file check failed: %s\n", qPrintable(error));
        std::abort();
    }
    return 0;
}
