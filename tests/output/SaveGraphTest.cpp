#include "CommandOutput.h"
#include "Errors.h"
#include "TChart.h"
#include "WindowsMetafile.h"
#include "uChartObject.h"
#include "uSaveGraph.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The frame's two charts with one run drawn, and a folder for the pictures.
class SaveGraph : public ::testing::Test {
protected:
    SaveGraph()
    {
        time.resize(774, 232);
        depth.resize(774, 242);
        TIrrikaGraphObject graphs(&time, &depth);
        graphs.SetupCharts("times", "Time  (min) ", "Length (m) ", "depths", "Depth  (mm) ", "Length (m) ", 300, 120,
                           20);
        graphs.DrawTimeCurves({{0, 0}, {50, 100}, {100, 250}}, {}, {{0, 200}, {100, 200}});
        graphs.DrawInfiltrationProfile({{0, 110}, {50, 100}, {100, 60}}, 90);
    }

    std::string Path(const char *name) const { return dir.filePath(name).toStdString(); }
    // Everything in the folder, to see that no temporary file stays behind.
    QStringList Entries() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    TChart time;
    TChart depth;
    QTemporaryDir dir;
};

QByteArray ReadBytes(const std::string &name)
{
    QFile file(QString::fromStdString(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 U16(const QByteArray &b, int at)
{
    return static_cast<quint8>(b[at]) | static_cast<quint32>(static_cast<quint8>(b[at + 1])) << 8;
}
quint32 U32(const QByteArray &b, int at) { return U16(b, at) | U16(b, at + 2) << 16; }

}  // namespace

TEST_F(SaveGraph, PictureHoldsTheTimeChartAboveTheDepthChart)
{
    TSaveGraphsAsBMP saver;
    saver.PrepareBitmap(&time, &depth);
    const QImage &picture = *saver.Bitmap();
    ASSERT_EQ(QSize(774, 474), picture.size());
    EXPECT_EQ(time.ToImage(), picture.copy(0, 0, 774, 232));
    EXPECT_EQ(depth.ToImage(), picture.copy(0, 232, 774, 242));
}

TEST_F(SaveGraph, PictureIsAsWideAsTheTimeChart)
{
    depth.resize(900, 242);
    TSaveGraphsAsBMP saver;
    saver.PrepareBitmap(&time, &depth);
    EXPECT_EQ(QSize(774, 474), saver.Bitmap()->size());
}

TEST_F(SaveGraph, MissingChartLeavesThePictureEmpty)
{
    TSaveGraphsAsBMP saver;
    saver.PrepareBitmap(&time, nullptr);
    EXPECT_TRUE(saver.Bitmap()->isNull());
    saver.PrepareBitmap(nullptr, &depth);
    EXPECT_TRUE(saver.Bitmap()->isNull());
    EXPECT_FALSE(saver.Save(Path("empty.bmp")));
    EXPECT_TRUE(Entries().isEmpty());
}

TEST_F(SaveGraph, BitmapAndJpegReadBackAtThePictureSize)
{
    TSaveGraphsAsBMP bmp;
    bmp.PrepareBitmap(&time, &depth);
    ASSERT_TRUE(bmp.Save(Path("chart.bmp")));
    const QImage bitmap(QString::fromStdString(Path("chart.bmp")), "BMP");
    EXPECT_EQ(bmp.Bitmap()->convertToFormat(QImage::Format_RGB32), bitmap.convertToFormat(QImage::Format_RGB32));

    TSaveGraphsAsJPG jpg;
    jpg.PrepareBitmap(&time, &depth);
    ASSERT_TRUE(jpg.Save(Path("chart.jpg")));
    EXPECT_TRUE(ReadBytes(Path("chart.jpg")).startsWith("\xFF\xD8\xFF"));
    const QImage decoded(QString::fromStdString(Path("chart.jpg")), "JPEG");
    EXPECT_EQ(QSize(774, 474), decoded.size());
    // Lossy, but the white margin stays white and the title stays dark somewhere.
    EXPECT_GT(qGray(decoded.pixel(2, 2)), 240);
    EXPECT_EQ((QStringList{"chart.bmp", "chart.jpg"}), Entries());
}

TEST_F(SaveGraph, FileThatCannotBeWritten)
{
    const std::string missing = Path("no-such-folder/chart");
    TSaveGraphsAsBMP bmp;
    bmp.PrepareBitmap(&time, &depth);
    EXPECT_FALSE(bmp.Save(missing + ".bmp"));
    TSaveGraphsAsJPG jpg;
    jpg.PrepareBitmap(&time, &depth);
    EXPECT_THROW(jpg.Save(missing + ".jpg"), Exception);
    TSaveGraphsAsWMF wmf;
    wmf.PrepareBitmap(&time, &depth);
    EXPECT_THROW(wmf.Save(missing + ".WMF"), Exception);
    EXPECT_FALSE(QDir(dir.filePath("no-such-folder")).exists());
}

TEST_F(SaveGraph, SavingReplacesAnExistingPictureWhole)
{
    {
        QFile old(dir.filePath("chart.WMF"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old picture");
    }
    TSaveGraphsAsWMF wmf;
    wmf.PrepareBitmap(&time, &depth);
    ASSERT_TRUE(wmf.Save(Path("chart.WMF")));
    EXPECT_EQ(U32(ReadBytes(Path("chart.WMF")), 0), WindowsMetafile::PlaceableKey);
    EXPECT_EQ(QStringList{"chart.WMF"}, Entries());
}

TEST_F(SaveGraph, MetafileHoldsThePictureAsOneStretchedBitmap)
{
    TSaveGraphsAsWMF wmf;
    wmf.PrepareBitmap(&time, &depth);
    ASSERT_TRUE(wmf.Save(Path("chart.WMF")));
    const QByteArray b = ReadBytes(Path("chart.WMF"));
    const int width = 774, height = 474, rowBytes = (774 * 3 + 3) / 4 * 4;

    // Placeable header: key, bounding box, units per inch and the XOR checksum.
    EXPECT_EQ(0x9AC6CDD7u, U32(b, 0));
    EXPECT_EQ(0u, U16(b, 6));
    EXPECT_EQ(0u, U16(b, 8));
    EXPECT_EQ(quint32(width), U16(b, 10));
    EXPECT_EQ(quint32(height), U16(b, 12));
    EXPECT_EQ(96u, U16(b, 14));
    quint32 checksum = 0;
    for (int at = 0; at < 20; at += 2)
        checksum ^= U16(b, at);
    EXPECT_EQ(checksum, U16(b, 20));

    // Metafile header, then the stretch-DIB record, then the end record, nothing more.
    const int h = 22;
    const quint32 recordWords = (28 + 40 + rowBytes * height) / 2;
    EXPECT_EQ(1u, U16(b, h));
    EXPECT_EQ(9u, U16(b, h + 2));
    EXPECT_EQ(0x0300u, U16(b, h + 4));
    EXPECT_EQ(quint32(b.size() - 22) / 2, U32(b, h + 6));
    EXPECT_EQ(recordWords, U32(b, h + 12));

    const int r = h + 18;
    EXPECT_EQ(recordWords, U32(b, r));
    EXPECT_EQ(0x0F43u, U16(b, r + 4));
    EXPECT_EQ(0x00CC0020u, U32(b, r + 6));
    const quint32 kSizes[] = {quint32(height), quint32(width), 0, 0, quint32(height), quint32(width), 0, 0};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(kSizes[i], U16(b, r + 12 + 2 * i)) << "parameter " << i;
    const int dib = r + 28;
    EXPECT_EQ(40u, U32(b, dib));
    EXPECT_EQ(quint32(width), U32(b, dib + 4));
    EXPECT_EQ(quint32(height), U32(b, dib + 8));
    EXPECT_EQ(24u, U16(b, dib + 14));
    // The DIB runs bottom-up in blue, green, red: its first pixel is the picture's bottom left.
    const QRgb bottomLeft = wmf.Bitmap()->pixel(0, height - 1);
    const int pixels = dib + 40;
    EXPECT_EQ(quint32(qBlue(bottomLeft)), static_cast<quint8>(b[pixels]));
    EXPECT_EQ(quint32(qRed(bottomLeft)), static_cast<quint8>(b[pixels + 2]));
    const int end = r + int(recordWords) * 2;
    EXPECT_EQ(3u, U32(b, end));
    EXPECT_EQ(0u, U16(b, end + 4));
    EXPECT_EQ(end + 6, b.size());
}

// A second opinion from an independent metafile reader, where one is installed.
TEST_F(SaveGraph, MetafileConvertsWithAnIndependentReader)
{
    if (std::system("command -v wmf2gd >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "wmf2gd is not installed";
    TSaveGraphsAsWMF wmf;
    wmf.PrepareBitmap(&time, &depth);
    ASSERT_TRUE(wmf.Save(Path("chart.WMF")));
    const std::string png = Path("converted.png");
    ReadCommand("wmf2gd -t png -o '" + png + "' '" + Path("chart.WMF") + "' 2>&1");
    const QImage converted(QString::fromStdString(png));
    ASSERT_FALSE(converted.isNull());
    // The reader draws at 72 dots per inch what the header states at 96 pixels per inch.
    EXPECT_NEAR(774 * 72 / 96, converted.width(), 1);
    EXPECT_NEAR(474 * 72 / 96, converted.height(), 1);
    // The converted picture shows the chart: mostly white with dark title and lines.
    int dark = 0;
    for (int y = 0; y < converted.height(); ++y)
        for (int x = 0; x < converted.width(); ++x)
            dark += qGray(converted.pixel(x, y)) < 100;
    EXPECT_GT(dark, 500);
    EXPECT_LT(dark, converted.width() * converted.height() / 2);
}

TEST(Metafile, TooLargeForSixteenBitCoordinates)
{
    EXPECT_THROW(WindowsMetafile::FromImage(QImage(40000, 1, QImage::Format_RGB32)), Exception);
}

TEST_F(SaveGraph, ClipboardGetsThePicture)
{
    QGuiApplication::clipboard()->clear();
    TCopyGraphsToClipBoard copier;
    EXPECT_FALSE(copier.CopyToClipboard());  // nothing rendered yet
    copier.PrepareBitmap(&time, &depth);
    EXPECT_FALSE(copier.Save(Path("chart.bmp")));
    EXPECT_TRUE(Entries().isEmpty());
    ASSERT_TRUE(copier.CopyToClipboard());
    EXPECT_EQ(QSize(774, 474), QGuiApplication::clipboard()->image().size());
}
