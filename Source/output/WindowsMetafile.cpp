#include "WindowsMetafile.h"

#include "Errors.h"

#include <QImage>

#include <limits>

namespace {

// Little-endian writer: every field of the format is stored that way.
class LittleEndian {
public:
    explicit LittleEndian(QByteArray &bytes) : FBytes(bytes) {}
    void U16(quint32 value)
    {
        FBytes.append(static_cast<char>(value & 0xFF));
        FBytes.append(static_cast<char>((value >> 8) & 0xFF));
    }
    void U32(quint32 value)
    {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }

private:
    QByteArray &FBytes;
};

int DibRowBytes(int width) { return (width * 3 + 3) / 4 * 4; }

void AppendDib(QByteArray &bytes, const QImage &picture)
{
    const int rowBytes = DibRowBytes(picture.width());
    LittleEndian out(bytes);
    out.U32(WindowsMetafile::BitmapInfoHeaderBytes);
    out.U32(static_cast<quint32>(picture.width()));
    out.U32(static_cast<quint32>(picture.height()));  // positive: rows run bottom-up
    out.U16(1);                                          // planes
    out.U16(24);                                         // bits per pixel
    out.U32(0);                                          // uncompressed
    out.U32(static_cast<quint32>(rowBytes * picture.height()));
    out.U32(3780);  // 96 pixels per inch, in pixels per metre
    out.U32(3780);
    out.U32(0);  // no colour table
    out.U32(0);
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            bytes.append(static_cast<char>(qBlue(line[x])));
            bytes.append(static_cast<char>(qGreen(line[x])));
            bytes.append(static_cast<char>(qRed(line[x])));
        }
        bytes.append(rowBytes - rgb.width() * 3, '\0');
    }
}

}  // namespace

QByteArray WindowsMetafile::FromImage(const QImage &image)
{
    const int width = image.width();
    const int height = image.height();
    if (width > std::numeric_limits<qint16>::max() || height > std::numeric_limits<qint16>::max())
        throw Exception("The picture is too large for a Windows metafile");

    const quint32 recordBytes =
        StretchDibFixedBytes + BitmapInfoHeaderBytes + static_cast<quint32>(DibRowBytes(width) * height);
    const quint32 totalWords = (HeaderBytes + recordBytes + EndRecordBytes) / 2;

    QByteArray bytes;
    LittleEndian out(bytes);
    // Placeable header; its checksum is the XOR of the ten words before it.
    const quint16 words[10] = {static_cast<quint16>(PlaceableKey & 0xFFFF), static_cast<quint16>(PlaceableKey >> 16),
                               0, 0, 0, static_cast<quint16>(width), static_cast<quint16>(height), UnitsPerInch, 0, 0};
    quint16 checksum = 0;
    for (quint16 word : words) {
        out.U16(word);
        checksum ^= word;
    }
    out.U16(checksum);

    // Metafile header: in memory, nine words long, version 3, no objects.
    out.U16(1);
    out.U16(HeaderBytes / 2);
    out.U16(0x0300);
    out.U32(totalWords);
    out.U16(0);
    out.U32(recordBytes / 2);  // the largest record is the picture
    out.U16(0);

    // The picture, stretched onto the same size at the origin.
    out.U32(recordBytes / 2);
    out.U16(StretchDibFunction);
    out.U32(SourceCopy);
    out.U16(0);  // colours are RGB values
    out.U16(static_cast<quint32>(height));  // source height, width, y, x
    out.U16(static_cast<quint32>(width));
    out.U16(0);
    out.U16(0);
    out.U16(static_cast<quint32>(height));  // destination height, width, y, x
    out.U16(static_cast<quint32>(width));
    out.U16(0);
    out.U16(0);
    AppendDib(bytes, image);

    // End record.
    out.U32(EndRecordBytes / 2);
    out.U16(0);
    return bytes;
}
