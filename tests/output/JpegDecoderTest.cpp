#include "JpegDecoder.h"
#include "JpegEncoder.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

// Four flat colour blocks: a JPEG keeps the inside of each block close to its colour.
QImage Blocks()
{
    QImage image(96, 48, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 48, 24, QColor(200, 40, 40));
    painter.fillRect(48, 0, 48, 24, QColor(40, 160, 60));
    painter.fillRect(0, 24, 48, 24, QColor(30, 90, 210));
    painter.fillRect(48, 24, 48, 24, QColor(240, 240, 240));
    return image;
}

int Distance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

}  // namespace

TEST(JpegDecoder, ReadsBackWhatTheEncoderWrote)
{
    const QImage original = Blocks();
    const QImage decoded = JpegDecoder::Decode(JpegEncoder::Encode(original));
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.size(), original.size());
    for (const QPoint centre : {QPoint(24, 12), QPoint(72, 12), QPoint(24, 36), QPoint(72, 36)}) {
        SCOPED_TRACE(centre.x() * 100 + centre.y());
        EXPECT_LE(Distance(decoded.pixel(centre), original.pixel(centre)), 12);
    }
}

TEST(JpegDecoder, RefusesBrokenPicturesWithAnEmptyPictureAndGoesOn)
{
    const QByteArray good = JpegEncoder::Encode(Blocks());
    struct Case {
        const char *what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"nothing", QByteArray()},
        {"not a JPEG", QByteArray("BM this is a bitmap, not a JPEG picture")},
        {"the start marker only", good.left(2)},
        {"the header cut off", good.left(120)},
        {"half the picture", good.left(good.size() / 2)},
        {"all but the end marker", good.left(good.size() - 2)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(JpegDecoder::Decode(c.bytes).isNull());
    }
    // The decoder is still sound after the refusals.
    EXPECT_EQ(JpegDecoder::Decode(good).size(), QSize(96, 48));
}

TEST(JpegDecoder, DecodesAFileAndGivesAnEmptyPictureForAMissingOne)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath("picture.jpg").toStdString();
    const QByteArray bytes = JpegEncoder::Encode(Blocks());
    std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
    EXPECT_EQ(JpegDecoder::DecodeFile(path).size(), QSize(96, 48));
    EXPECT_TRUE(JpegDecoder::DecodeFile(folder.filePath("none.jpg").toStdString()).isNull());
    EXPECT_TRUE(JpegDecoder::DecodeFile(folder.path().toStdString()).isNull());
}
