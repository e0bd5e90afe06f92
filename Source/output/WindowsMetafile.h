#ifndef IRRIKA_OUTPUT_WINDOWSMETAFILE_H
#define IRRIKA_OUTPUT_WINDOWSMETAFILE_H

// A placeable Windows metafile that holds one raster picture: the placeable header, the
// metafile header, one stretch-DIB record with the picture as a 24-bit bottom-up DIB, and
// the end record. The bounding box is the picture's size in pixels at 96 units per inch.

#include <QByteArray>

class QImage;

namespace WindowsMetafile {

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr quint16 UnitsPerInch = 96;
constexpr quint16 StretchDibFunction = 0x0F43;
constexpr quint32 SourceCopy = 0x00CC0020;
constexpr int PlaceableHeaderBytes = 22;
constexpr int HeaderBytes = 18;
// Record size word, function word and the ten parameter words before the DIB.
constexpr int StretchDibFixedBytes = 28;
constexpr int BitmapInfoHeaderBytes = 40;
constexpr int EndRecordBytes = 6;

// The metafile of the picture. Coordinates are 16-bit: a side above 32767 pixels raises
// Exception.
QByteArray FromImage(const QImage &image);

}  // namespace WindowsMetafile

#endif
