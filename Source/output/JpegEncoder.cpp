#include "JpegEncoder.h"

#include "Errors.h"

#include <QImage>

#include <csetjmp>
#include <cstdlib>

#include <jpeglib.h>

namespace {

// libjpeg's own error handler ends the process; this one jumps back to the caller with the
// library's message instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info)
{
    auto *manager = reinterpret_cast<ErrorManager *>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

}  // namespace

QByteArray JpegEncoder::Encode(const QImage &image)
{
    if (image.isNull())
        throw Exception("Cannot encode an empty picture as JPEG");
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);

    jpeg_compress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ErrorExit;
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    // Nothing with a destructor lives between setjmp and the last libjpeg call.
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        throw Exception(std::string("JPEG error: ") + errors.message);
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, DefaultQuality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}
