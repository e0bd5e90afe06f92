#include "uRunGraphs.h"

#include "Errors.h"
#include "FileNames.h"
#include "NumberText.h"
#include "Printer.h"
#include "TChart.h"
#include "uChartObject.h"
#include "uIrrigationDataSet.h"
#include "uIrrigationRun.h"
#include "uParameter.h"
#include "uParameterArray.h"
#include "uParameters.h"
#include "uSaveGraph.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <memory>

const TRunGraphsLayout BasinRunGraphs{"BasinLength", 11, 10, false, "Pondix Graphs"};
const TRunGraphsLayout BorderRunGraphs{"BasinLength", 25, 25, true, "Striva Graphs"};
const TRunGraphsLayout FurrowRunGraphs{"Length", 25, 25, true, "Rillox Graphs"};

namespace {

std::string UnitName(const TUnit *unit) { return unit ? unit->Name() : std::string(); }

// One point per drawn row, X spread along the field, Y the curve's display value.
TXYArray CurvePoints(const TParameterArray &curve, double length, const TRunGraphsLayout &layout)
{
    TXYArray points;
    for (int i = 0; i < layout.Points; ++i)
        points.push_back({static_cast<double>(i) / layout.Step * length, curve.GetDisplayValue(i, 0)});
    return points;
}

// Ten percent headroom above the largest value, rounded as the axis labels are.
double WithHeadroom(double maximum) { return maximum + static_cast<double>(Round(0.1 * maximum)); }

std::string Title(const char *what, int runNumber, TCalculationMode mode, const TIrrigationDataSet &dataSet)
{
    std::string title = std::string(what) + " of run number : " + std::to_string(runNumber) +
                        " in calc. mode : " + std::to_string(mode);
    if (!dataSet.FileName().empty())
        title += " of the file: " + ExtractFileName(dataSet.FileName());
    return title;
}

struct PictureKindRow {
    unsigned char kind;
    const char *extension;  // empty for the clipboard
    std::unique_ptr<TSaveGraphs> (*create)();
};
template <class T> std::unique_ptr<TSaveGraphs> Make() { return std::make_unique<T>(); }
const PictureKindRow kPictureKinds[] = {
    {gkJPEG, ".jpg", Make<TSaveGraphsAsJPG>},
    {gkBitmap, ".bmp", Make<TSaveGraphsAsBMP>},
    {gkMetafile, ".WMF", Make<TSaveGraphsAsWMF>},
    {gkClipboard, "", Make<TCopyGraphsToClipBoard>},
};

QRectF ToQt(const TPrintRect &r) { return QRectF(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); }

}  // namespace

int DrawGraphs(TIrrigationDataSet &dataSet, TChart *timeChart, TChart *depthChart, int runNumber,
               const TRunGraphsLayout &layout)
{
    if (runNumber == 0 || runNumber > dataSet.GetRunCount())
        return 0;
    TIrrigationRun *run = dataSet.GetRunByNumber(runNumber);
    if (!run || !run->Calculated() || !run->GetParameters())
        return 0;
    TParameters &parameters = *run->GetParameters();
    TParameter *cutoff = parameters.FindParameter("CutoffTime");
    TParameter *required = parameters.FindParameter("RequiredDepth");
    TParameter *lengthParameter = parameters.FindParameter(layout.LengthName);
    TParameterArray *advance = parameters.FindArray("AdvanceTime");
    TParameterArray *recession = layout.HasRecession ? parameters.FindArray("RecessionTime") : nullptr;
    TParameterArray *profile = parameters.FindArray("InfiltrationDepth");
    if (!cutoff || !required || !lengthParameter || !advance || !profile || (layout.HasRecession && !recession))
        return 0;

    const double C = cutoff->GetDisplayValue();
    const double D = required->GetDisplayValue();
    const double L = lengthParameter->GetDisplayValue();
    const std::string bottomTitle = lengthParameter->GetDescription() + " (" + UnitName(lengthParameter->GetUnit()) + ") ";
    const std::string timeLeft = "Time  (" + UnitName(advance->GetUnit()) + ") ";
    const std::string depthLeft = "Depth  (" + UnitName(profile->GetUnit()) + ") ";

    const TXYArray advancePoints = CurvePoints(*advance, L, layout);
    const TXYArray recessionPoints = recession ? CurvePoints(*recession, L, layout) : TXYArray();
    const TXYArray profilePoints = CurvePoints(*profile, L, layout);
    const TXYArray cutoffLine{{advancePoints.front().X, C}, {advancePoints.back().X, C}};

    double timeMax = std::max(C, advancePoints.back().Y);
    if (!recessionPoints.empty())
        timeMax = std::max(timeMax, recessionPoints.back().Y);
    const double depthMax = std::max(profilePoints.front().Y, D);

    const TCalculationMode mode = run->GetMode();
    TIrrikaGraphObject graphs(timeChart, depthChart);
    graphs.SetupCharts(Title("Advance curve", runNumber, mode, dataSet), timeLeft, bottomTitle,
                       Title("Infiltration profile", runNumber, mode, dataSet), depthLeft, bottomTitle,
                       WithHeadroom(timeMax), WithHeadroom(depthMax), L / 5);
    graphs.DrawTimeCurves(advancePoints, recessionPoints, cutoffLine);
    graphs.DrawInfiltrationProfile(profilePoints, D);
    return 0;
}

int SaveGraphs(TChart *timeChart, TChart *depthChart, unsigned char kind, const std::string &fileName)
{
    if (!timeChart || !depthChart)
        return -1;
    for (const PictureKindRow &row : kPictureKinds) {
        if (row.kind != kind)
            continue;
        const std::unique_ptr<TSaveGraphs> saver = row.create();
        saver->PrepareBitmap(timeChart, depthChart);
        bool done;
        if (kind == gkClipboard)
            done = static_cast<TCopyGraphsToClipBoard &>(*saver).CopyToClipboard();
        else
            done = saver->Save(ChangeFileExt(fileName, row.extension));
        return done ? 0 : -1;
    }
    return -1;
}

TGraphPrintLayout GraphPrintLayout(int pageWidth, int pageHeight)
{
    const int left = pageWidth / 20;
    const int right = pageWidth - pageWidth / 20;
    const int third = pageHeight / 3;
    const int top = static_cast<int>(Round(third / 2.0));
    return {{left, top, right, top + third}, {left, top + third, right, top + 2 * third}};
}

int PrintGraphs(TChart *timeChart, TChart *depthChart, const std::string &title)
{
    if (!timeChart || !depthChart)
        return -1;
    QPrinter &printer = Printer();
    printer.setDocName(QString::fromStdString(title));
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer))
        throw Exception("Unable to start the print job");
    const TGraphPrintLayout layout = GraphPrintLayout(printer.width(), printer.height());
    timeChart->SetPrintProportional(false);
    depthChart->SetPrintProportional(false);
    timeChart->PrintPartial(painter, ToQt(layout.Time));
    depthChart->PrintPartial(painter, ToQt(layout.Depth));
    painter.end();
    return 0;
}

int CopyGraphToClipboard(TChart *timeChart, TChart *depthChart, unsigned char which)
{
    if (!timeChart || !depthChart)
        return -1;
    if (which == 0)
        timeChart->CopyToClipboardMetafile();
    else if (which == 1)
        depthChart->CopyToClipboardMetafile();
    return 0;
}
