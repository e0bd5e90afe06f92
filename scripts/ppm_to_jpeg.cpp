// Encodes a PPM picture as JPEG with the program's own encoder, so that the shipped pictures
// are written the way the program writes its chart pictures. Used by make_about_pictures.py.
//     ppm_to_jpeg picture.ppm picture.jpg

#include "JpegEncoder.h"

#include "Errors.h"

#include <QFile>
#include <QImage>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: ppm_to_jpeg picture.ppm picture.jpg\n");
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]), "PPM");
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    try {
        const QByteArray bytes = JpegEncoder::Encode(image);
        QFile out(QString::fromLocal8Bit(argv[2]));
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", argv[2]);
            return 1;
        }
    } catch (const Exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
