#ifndef IRRIKA_OUTPUT_JPEGENCODER_H
#define IRRIKA_OUTPUT_JPEGENCODER_H

// JPEG encoding through libjpeg, with the settings a picture gets when nobody changes them:
// colour, baseline (not progressive), quality 90.

#include <QByteArray>

class QImage;

namespace JpegEncoder {

constexpr int DefaultQuality = 90;

// The encoded picture; an empty picture or an encoder failure raises Exception.
QByteArray Encode(const QImage &image);

}  // namespace JpegEncoder

#endif
