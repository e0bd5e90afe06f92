#ifndef IRRIKA_OUTPUT_USAVEGRAPH_H
#define IRRIKA_OUTPUT_USAVEGRAPH_H

// The chart exporters: both charts of the design window rendered into one picture, the
// time chart on top and the depth chart right below it, then written as a bitmap, a JPEG
// or a Windows metafile file, or put on the clipboard. Call order: PrepareBitmap, then one
// Save or CopyToClipboard. A file is written under a temporary name and renamed when it is
// complete, so a failed write never leaves a damaged picture behind.

#include "Collection.h"

#include <QImage>

#include <memory>
#include <string>

class TChart;

class TSaveGraphs : public TRootObject {
public:
    TSaveGraphs();
    ~TSaveGraphs() override;

    // Renders both charts at their on-screen sizes; the picture is as wide as the time chart
    // (a wider depth chart is cut off). Without a chart the picture stays empty.
    void PrepareBitmap(TChart *timeChart, TChart *depthChart);
    virtual bool Save(const std::string &fileName) = 0;

    const QImage *Bitmap() const { return FBitmap.get(); }

protected:
    std::unique_ptr<QImage> FBitmap;
};

// False, with no file left, when the file cannot be written.
class TSaveGraphsAsBMP : public TSaveGraphs {
public:
    bool Save(const std::string &fileName) override;
};

// A file that cannot be written raises Exception.
class TSaveGraphsAsJPG : public TSaveGraphs {
public:
    bool Save(const std::string &fileName) override;
};

// A placeable metafile holding the picture as one raster image, of the picture's size. A
// file that cannot be written raises Exception.
class TSaveGraphsAsWMF : public TSaveGraphs {
public:
    bool Save(const std::string &fileName) override;
};

class TCopyGraphsToClipBoard : public TSaveGraphs {
public:
    // Writes nothing: this exporter only copies.
    bool Save(const std::string &fileName) override;
    // True when the clipboard holds a picture afterwards.
    bool CopyToClipboard();
};

#endif
