#include "JpegDecoder.h"

#include <QFile>

#include <csetjmp>

#include <jpeglib.h>

namespace {

// libjpeg's own error handler ends the process; this one jumps back to the decoder instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void ErrorExit(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1); }

// A warning means damaged data (a truncated file decodes with its missing rows made up), so
// it refuses the picture like an error; trace messages (level > 0) are ignored.
void EmitMessage(j_common_ptr info, int level)
{
    if (level < 0)
        ErrorExit(info);
}

// Decodes into image, which lives in the caller's frame: after a jump back here only memory
// that libjpeg and this function wrote through references is looked at, never a local
// changed after setjmp.
bool DecodeInto(const QByteArray &bytes, jpeg_decompress_struct &info, ErrorManager &errors, QImage &image)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3)
        return false;
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
    if (image.isNull())  // too large to hold
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

QImage JpegDecoder::Decode(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QImage();
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ErrorExit;
    errors.base.emit_message = EmitMessage;
    QImage image;
    const bool decoded = DecodeInto(bytes, info, errors, image);
    jpeg_destroy_decompress(&info);
    return decoded ? image : QImage();
}

QImage JpegDecoder::DecodeFile(const std::string &path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    return Decode(file.readAll());
}
