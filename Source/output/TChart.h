#ifndef IRRIKA_OUTPUT_TCHART_H
#define IRRIKA_OUTPUT_TCHART_H

// One chart of the design window: a flat white chart with a title, a legend, a left axis
// that runs from 0 to a set maximum and a bottom axis whose range follows the series. It is
// the only place that speaks to the charting library, so that the chart object, the picture
// exporters and the bindings see nothing but these few operations.

#include "uConstants.h"

#include <QColor>
#include <QtCharts/QChartView>

#include <string>
#include <vector>

class QPainter;
QT_BEGIN_NAMESPACE
class QAbstractSeries;
class QChart;
class QValueAxis;
QT_END_NAMESPACE

enum class TPenStyle { Solid, Dash, Dot };
enum class TPointerStyle { None, Circle, DiagCross };
enum class TAreaBrush { None, Vertical, BDiagonal, FDiagonal };
enum class TSeriesKind { Line, StackedArea };

// What a series looks like; the series colour is also its line, point and hatch colour.
struct TSeriesStyle {
    QColor Color = Qt::black;
    TPenStyle LineStyle = TPenStyle::Solid;
    int LineWidth = 1;
    TPointerStyle Pointer = TPointerStyle::None;
    TAreaBrush Brush = TAreaBrush::None;
    bool ShowInLegend = true;
};

// A series as it was added: for a stacked area the points hold its own heights, which the
// chart piles on the stacked areas added before it.
struct TChartSeries {
    TSeriesKind Kind = TSeriesKind::Line;
    std::string Title;
    TSeriesStyle Style;
    TXYArray Points;
};

class TChart : public QChartView {
public:
    // One axis of the chart, as the drawing sets it up.
    class TChartAxis {
    public:
        std::string Title() const;
        void SetTitle(const std::string &title);
        bool GridVisible() const;
        void SetGridVisible(bool visible);
        bool Inverted() const;
        void SetInverted(bool inverted);

    private:
        friend class TChart;
        TChartAxis(TChart &owner, bool left) : FOwner(owner), FLeft(left) {}
        QValueAxis *Axis() const { return FLeft ? FOwner.FLeftQtAxis : FOwner.FBottomQtAxis; }
        TChart &FOwner;
        bool FLeft;
    };

    explicit TChart(QWidget *parent = nullptr);
    ~TChart() override;

    std::string Title() const;
    void SetTitle(const std::string &title);

    // The left axis runs from 0 to its maximum, whatever the series hold.
    TChartAxis &LeftAxis() { return FLeftAxis; }
    double LeftMaximum() const { return FLeftMaximum; }
    void SetLeftMaximum(double maximum);

    // The bottom axis spans the X values of all series. Ticks stand at the multiples of the
    // increment; an increment that is not above 0 (or that would crowd the axis with labels)
    // leaves the ticks to the chart.
    TChartAxis &BottomAxis() { return FBottomAxis; }
    double BottomIncrement() const { return FBottomIncrement; }
    void SetBottomIncrement(double increment);
    double BottomMinimum() const;
    double BottomMaximum() const;
    // True when the ticks stand at the multiples of the increment.
    bool BottomTicksAtIncrement() const;

    void AddSeries(const TChartSeries &series);
    int SeriesCount() const { return static_cast<int>(FSeries.size()); }
    // 0-based, in the order of adding.
    const TChartSeries &Series(int index) const;
    // The lower and upper line of a stacked area as drawn; a line series has no lower line.
    TXYArray SeriesLower(int index) const;
    TXYArray SeriesUpper(int index) const;
    // The titles the legend shows, in order.
    std::vector<std::string> LegendTitles();
    void RemoveAllSeries();

    // Draws the chart as it stands on screen into the rectangle, stretched to fill it.
    void Draw(QPainter &painter, const QRectF &target);
    // The chart at its on-screen size.
    QImage ToImage();

    // Puts the chart on the clipboard as a Windows metafile (not an enhanced one) holding
    // its picture, under MetafileMimeType.
    void CopyToClipboardMetafile();
    static constexpr const char *MetafileMimeType = "image/x-wmf";

    // Printing: a proportional chart keeps its on-screen aspect ratio inside the rectangle,
    // otherwise it fills the rectangle.
    bool PrintProportional() const { return FPrintProportional; }
    void SetPrintProportional(bool proportional) { FPrintProportional = proportional; }
    void PrintPartial(QPainter &painter, const QRectF &target);

    // The chart inside, for tests that look at what the charting library was given.
    QChart *Chart() const { return FChart; }

private:
    void Settle();
    void UpdateBottomAxis();
    void UpdateLeftTicks();
    void FitAutomaticTicks();
    void AttachSeries(QAbstractSeries *series, const TChartSeries &description);
    // Puts a new axis turned the given way in place of one, with its title, grid, range,
    // ticks and series.
    void ReplaceAxis(bool left, bool inverted);

    QChart *const FChart;
    // Replaced, not changed, when an axis turns round (see ReplaceAxis).
    QValueAxis *FLeftQtAxis;
    QValueAxis *FBottomQtAxis;
    TChartAxis FLeftAxis;
    TChartAxis FBottomAxis;
    double FLeftMaximum = 0;
    double FBottomIncrement = 0;
    bool FPrintProportional = true;
    std::vector<TChartSeries> FSeries;
    // Per series, its lower and upper line (lower empty for line series).
    std::vector<TXYArray> FLower;
    std::vector<TXYArray> FUpper;
    std::vector<QAbstractSeries *> FQtSeries;  // held by the chart
};

#endif
