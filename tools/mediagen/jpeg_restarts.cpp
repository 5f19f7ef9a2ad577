#include "jpeg_restarts.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <cstdlib>

#include <jpeglib.h>

namespace mg {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return.
struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void jump_out(j_common_ptr info)
{
    auto *error = reinterpret_cast<ErrorJump *>(info->err);
    error->manager.format_message(info, error->message);
    std::longjmp(error->jump, 1);
}

// Everything libjpeg allocates lives in the two structs, so no C++ object
// with a destructor is skipped by the jump.
bool transcode(const QByteArray &jpeg, int rowsOfBlocks, unsigned char **out, unsigned long *outSize,
               ErrorJump &error)
{
    jpeg_decompress_struct source{};
    jpeg_compress_struct target{};
    source.err = jpeg_std_error(&error.manager);
    target.err = &error.manager;
    error.manager.error_exit = jump_out;
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&target);
        jpeg_destroy_decompress(&source);
        return false;
    }
    jpeg_create_decompress(&source);
    jpeg_create_compress(&target);
    jpeg_mem_src(&source, reinterpret_cast<const unsigned char *>(jpeg.constData()),
                 static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&source, TRUE);
    jvirt_barray_ptr *coefficients = jpeg_read_coefficients(&source);
    jpeg_mem_dest(&target, out, outSize);
    jpeg_copy_critical_parameters(&source, &target);
    target.optimize_coding = TRUE;
    target.restart_in_rows = rowsOfBlocks;
    jpeg_write_coefficients(&target, coefficients);
    jpeg_finish_compress(&target);
    jpeg_finish_decompress(&source);
    jpeg_destroy_compress(&target);
    jpeg_destroy_decompress(&source);
    return true;
}

} // namespace

QByteArray withRestartMarkers(const QByteArray &jpeg, int rowsOfBlocks, QString &error)
{
    ErrorJump jumpTo{};
    unsigned char *out = nullptr;
    unsigned long outSize = 0;
    if (!transcode(jpeg, rowsOfBlocks, &out, &outSize, jumpTo)) {
        // The output buffer may have been moved by libjpeg half-way; the
        // generator stops on this error, so it is left to the exit.
        error = QString::fromLocal8Bit(jumpTo.message);
        return {};
    }
    QByteArray result(reinterpret_cast<const char *>(out), qsizetype(outSize));
    std::free(out);
    return result;
}

} // namespace mg
