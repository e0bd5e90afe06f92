#ifndef IRRIKA_ENGINE_URUNGRAPHS_H
#define IRRIKA_ENGINE_URUNGRAPHS_H

// The chart operations of the bindings: drawing a calculated run into the two charts,
// saving both charts as one picture or copying them, and printing them on one page. The
// three modules differ only in their layout row below.

#include <string>

class TChart;
class TIrrigationDataSet;

struct TRunGraphsLayout {
    const char *LengthName;  // the parameter along the field
    int Points;              // points drawn of the 31-point curves
    int Step;                // X_i = i / Step x length
    bool HasRecession;       // draws "RecessionTime" and counts it in the time maximum
    const char *PrintTitle;  // the print job's title
};

extern const TRunGraphsLayout BasinRunGraphs;
extern const TRunGraphsLayout BorderRunGraphs;
extern const TRunGraphsLayout FurrowRunGraphs;

// Draws the run with that number when it exists and is calculated; otherwise, or when one
// of the run's chart parameters is missing (the lookup has told the user), the charts keep
// what they show. Always 0.
int DrawGraphs(TIrrigationDataSet &dataSet, TChart *timeChart, TChart *depthChart, int runNumber,
               const TRunGraphsLayout &layout);

// The kinds of SaveGraphs.
enum TGraphPictureKind : unsigned char { gkJPEG = 0, gkBitmap = 1, gkMetafile = 3, gkClipboard = 4 };

// Writes both charts as one picture, the file name's extension forced to the kind's
// (".jpg", ".bmp", ".WMF"), or copies it to the clipboard (the name unused). 0 when the
// picture was written or copied; -1 without both charts, for another kind or when the
// bitmap file or the clipboard failed. A JPEG or metafile that cannot be written raises.
int SaveGraphs(TChart *timeChart, TChart *depthChart, unsigned char kind, const std::string &fileName);

// A chart's place on the printed page, in the printer's device pixels.
struct TPrintRect {
    int Left, Top, Right, Bottom;
};
struct TGraphPrintLayout {
    TPrintRect Time;
    TPrintRect Depth;
};
// A twentieth of the width as side margins; each chart a third of the height, the time
// chart starting half a third down and the depth chart right below it.
TGraphPrintLayout GraphPrintLayout(int pageWidth, int pageHeight);

// Prints both charts on one landscape page of the program's printer under the title: 0;
// -1, printing nothing, without both charts. A printer that cannot start raises.
int PrintGraphs(TChart *timeChart, TChart *depthChart, const std::string &title);

// Copies the time chart (0) or the depth chart (1) as a metafile; another value copies
// nothing. -1 without both charts, else 0.
int CopyGraphToClipboard(TChart *timeChart, TChart *depthChart, unsigned char which);

#endif
