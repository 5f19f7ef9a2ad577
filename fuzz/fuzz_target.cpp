// libFuzzer target: any bytes given to one reader's check, QUILLORA_FUZZ_CHECK
// (check_board_bytes for a board file, check_notes_bytes for a signature file).
#include "fuzz/parser_checks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString error = QUILLORA_FUZZ_CHECK(bytes);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "check failed: %s\n", qPrintable(error));
        std::abort();
    }
    return 0;
}
