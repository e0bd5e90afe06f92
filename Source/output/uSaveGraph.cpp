#include "uSaveGraph.h"

#include "Errors.h"
#include "JpegEncoder.h"
#include "TChart.h"
#include "WindowsMetafile.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QSaveFile>

namespace {

// Writes the bytes under a temporary name beside the file and renames it over the file
// only when all of them are on disk.
void WritePictureFile(const std::string &fileName, const QByteArray &bytes)
{
    QSaveFile file(QString::fromStdString(fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Exception("Cannot create file \"" + fileName + "\". " + file.errorString().toStdString());
}

}  // namespace

TSaveGraphs::TSaveGraphs() : FBitmap(std::make_unique<QImage>()) {}

TSaveGraphs::~TSaveGraphs() = default;

void TSaveGraphs::PrepareBitmap(TChart *timeChart, TChart *depthChart)
{
    if (!FBitmap || !timeChart || !depthChart)
        return;
    const int timeHeight = timeChart->height();
    *FBitmap = QImage(timeChart->width(), timeHeight + depthChart->height(), QImage::Format_RGB32);
    FBitmap->fill(Qt::white);
    QPainter painter(FBitmap.get());
    timeChart->Draw(painter, QRectF(0, 0, timeChart->width(), timeHeight));
    depthChart->Draw(painter, QRectF(0, timeHeight, depthChart->width(), depthChart->height()));
}

bool TSaveGraphsAsBMP::Save(const std::string &fileName)
{
    try {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!FBitmap->save(&buffer, "BMP"))
            return false;
        WritePictureFile(fileName, bytes);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

bool TSaveGraphsAsJPG::Save(const std::string &fileName)
{
    WritePictureFile(fileName, JpegEncoder::Encode(*FBitmap));
    return true;
}

bool TSaveGraphsAsWMF::Save(const std::string &fileName)
{
    WritePictureFile(fileName, WindowsMetafile::FromImage(*FBitmap));
    return true;
}

bool TCopyGraphsToClipBoard::Save(const std::string &) { return false; }

bool TCopyGraphsToClipBoard::CopyToClipboard()
{
    // An empty picture is nothing to copy.
    if (!FBitmap || FBitmap->isNull())
        return false;
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setImage(*FBitmap);
    const QMimeData *data = clipboard->mimeData();
    return data && data->hasImage();
}
