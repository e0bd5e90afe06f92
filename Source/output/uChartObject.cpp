#include "uChartObject.h"

#include "Errors.h"
#include "TChart.h"

#include <algorithm>

namespace {

const QColor kSilver(0xC0, 0xC0, 0xC0);

// The titles carry trailing blanks so that the legend entries line up.
struct TimeSeriesRow {
    const char *title;
    TPenStyle line;
    TPointerStyle pointer;
};
constexpr TimeSeriesRow kAdvanceRow{"Advance time         ", TPenStyle::Solid, TPointerStyle::Circle};
constexpr TimeSeriesRow kRecessionRow{"Recession time       ", TPenStyle::Dash, TPointerStyle::DiagCross};
constexpr TimeSeriesRow kCutoffRow{"Cutoff time          ", TPenStyle::Solid, TPointerStyle::None};

TChartSeries TimeSeries(const TimeSeriesRow &row, const TXYArray &points)
{
    TChartSeries series;
    series.Title = row.title;
    series.Style.Color = Qt::black;
    series.Style.LineStyle = row.line;
    series.Style.LineWidth = 3;
    series.Style.Pointer = row.pointer;
    series.Points = points;
    return series;
}

// The depth series in drawing order: three stacked areas whose heights add up to the
// larger of the profile depth Z and the required depth D, then the required-depth line and
// the bare profile line.
struct DepthSeriesRow {
    TSeriesKind kind;
    const char *title;
    const QColor *color;
    TPenStyle line;
    int width;
    TAreaBrush brush;
    bool inLegend;
    double (*y)(double Z, double D);
};
const QColor kWhite(Qt::white);
const QColor kBlack(Qt::black);
const DepthSeriesRow kDepthRows[] = {
    {TSeriesKind::StackedArea, "Stored in Dreq Zone", &kWhite, TPenStyle::Dot, 1, TAreaBrush::Vertical, true,
     [](double Z, double D) { return Z >= D ? D : Z; }},
    {TSeriesKind::StackedArea, "Under-irrigation   ", &kSilver, TPenStyle::Dot, 1, TAreaBrush::BDiagonal, true,
     [](double Z, double D) { return Z >= D ? 0.0 : D - Z; }},
    {TSeriesKind::StackedArea, "Over-irrigation    ", &kWhite, TPenStyle::Dot, 1, TAreaBrush::FDiagonal, true,
     [](double Z, double D) { return Z > D ? Z - D : 0.0; }},
    {TSeriesKind::Line, "Dreq                 ", &kBlack, TPenStyle::Dash, 3, TAreaBrush::None, true,
     [](double, double D) { return D; }},
    {TSeriesKind::Line, "", &kBlack, TPenStyle::Solid, 1, TAreaBrush::None, false,
     [](double Z, double) { return Z; }},
};

// The depth chart's left axis grows downwards from depth 0 at the top edge, and only the
// time chart has grid lines.
void SetupChart(TChart &chart, const std::string &title, const std::string &left, const std::string &bottom,
                double maximum, double increment, bool isDepthChart)
{
    const bool grid = !isDepthChart;
    chart.SetTitle(title);
    chart.LeftAxis().SetTitle(left);
    chart.SetLeftMaximum(maximum);
    chart.LeftAxis().SetGridVisible(grid);
    chart.LeftAxis().SetInverted(isDepthChart);
    chart.BottomAxis().SetTitle(bottom);
    chart.SetBottomIncrement(increment);
    chart.BottomAxis().SetGridVisible(grid);
}

}  // namespace

TIrrikaGraphObject::TIrrikaGraphObject(TChart *timeChart, TChart *depthChart)
    : FTimeChart(timeChart), FDepthChart(depthChart)
{
    Assert(FTimeChart && FDepthChart, "uChartObject", __LINE__);
}

void TIrrikaGraphObject::SetupCharts(const std::string &TimesTitle, const std::string &TimesLeft,
                                     const std::string &TimesBottom, const std::string &DepthsTitle,
                                     const std::string &DepthsLeft, const std::string &DepthsBottom,
                                     double TimesMax, double DepthsMax, double BottomIncrement)
{
    // Both charts are emptied before either gets its new axes.
    FTimeChart->RemoveAllSeries();
    FDepthChart->RemoveAllSeries();
    SetupChart(*FTimeChart, TimesTitle, TimesLeft, TimesBottom, TimesMax, BottomIncrement, false);
    SetupChart(*FDepthChart, DepthsTitle, DepthsLeft, DepthsBottom, DepthsMax, BottomIncrement, true);
}

void TIrrikaGraphObject::DrawTimeCurves(const TXYArray &Advance, const TXYArray &Recession, const TXYArray &Cutoff)
{
    if (!Advance.empty())
        FTimeChart->AddSeries(TimeSeries(kAdvanceRow, Advance));
    if (!Recession.empty())
        FTimeChart->AddSeries(TimeSeries(kRecessionRow, Recession));
    if (!Cutoff.empty()) {
        Assert(Cutoff.size() >= 2, "uChartObject", __LINE__);
        FTimeChart->AddSeries(TimeSeries(kCutoffRow, {{Cutoff[0].X, Cutoff[0].Y}, {Cutoff[1].X, Cutoff[0].Y}}));
    }
}

void TIrrikaGraphObject::DrawInfiltrationProfile(const TXYArray &Profile, double RequiredDepth)
{
    for (const DepthSeriesRow &row : kDepthRows) {
        TChartSeries series;
        series.Kind = row.kind;
        series.Title = row.title;
        series.Style.Color = *row.color;
        series.Style.LineStyle = row.line;
        series.Style.LineWidth = row.width;
        series.Style.Brush = row.brush;
        series.Style.ShowInLegend = row.inLegend;
        for (const TXYPoint &p : Profile)
            series.Points.push_back({p.X, row.y(p.Y, RequiredDepth)});
        FDepthChart->AddSeries(series);
    }
}
