#ifndef IRRIKA_OUTPUT_JPEGDECODER_H
#define IRRIKA_OUTPUT_JPEGDECODER_H

// JPEG decoding through libjpeg. A picture that cannot be decoded (missing, truncated,
// corrupt, or in a colour space without an RGB form) gives an empty picture: the caller
// shows nothing, and the process never ends in the library.

#include <QByteArray>
#include <QImage>

#include <string>

namespace JpegDecoder {

// The picture as RGB; a null QImage when the bytes are not a sound JPEG picture.
QImage Decode(const QByteArray &bytes);
// The same for a file; a null QImage when it cannot be read.
QImage DecodeFile(const std::string &path);

}  // namespace JpegDecoder

#endif
