// libFuzzer target: any bytes as a signature file.
#include "fuzz/parser_checks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString error = check_notes_bytes(bytes);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "signature file check failed: %s\n", qPrintable(error));
        std::abort();
    }
    return 0;
}
