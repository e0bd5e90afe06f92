#include "TChart.h"

#include "WindowsMetafile.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFont>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QGuiApplication>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QPen>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// The charts show 13-pixel texts throughout.
constexpr int kFontPixels = 13;
constexpr int kMarkerSize = 7;
// More bottom labels than this cannot be read; past it the chart picks its own ticks,
// which also keeps a tiny increment from spending ages on tick positions.
constexpr double kMostIncrementTicks = 100;

QFont ChartFont()
{
    QFont font;
    font.setPixelSize(kFontPixels);
    return font;
}

QString ToQt(const std::string &text) { return QString::fromStdString(text); }

// Labels closer than this many pixels run into each other.
constexpr double kLeftLabelSpacing = 2.5 * kFontPixels;
constexpr double kBottomLabelSpacing = 5 * kFontPixels;

// The smallest round step (1, 2 or 5 times a power of ten) not below raw.
double NiceStepAtLeast(double raw)
{
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * magnitude >= raw)
            return factor * magnitude;
    }
    return 10 * magnitude;
}

// Ticks at the multiples of step from 0; a range that is empty or not finite becomes
// minimum..minimum + 1, or 0..1 where that cannot be told apart.
void SetAxisRange(QValueAxis *axis, double minimum, double maximum, double step)
{
    if (!std::isfinite(maximum - minimum) || maximum <= minimum) {
        if (!std::isfinite(minimum) || !(minimum + 1 > minimum))
            minimum = 0;
        maximum = minimum + 1;
    }
    if (!(step > 0) || !std::isfinite(step) || (maximum - minimum) / step > kMostIncrementTicks)
        step = NiceStepAtLeast((maximum - minimum) / 6);
    // The axis lays its ticks out anew at each change. The old step over a much wider range
    // would first lay out thousands of them, so a step that grows goes in before the range.
    if (step > axis->tickInterval()) {
        axis->setTickInterval(step);
        axis->setRange(minimum, maximum);
    } else {
        axis->setRange(minimum, maximum);
        axis->setTickInterval(step);
    }
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
}

Qt::PenStyle ToQt(TPenStyle style)
{
    switch (style) {
    case TPenStyle::Dash:
        return Qt::DashLine;
    case TPenStyle::Dot:
        return Qt::DotLine;
    case TPenStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}

Qt::BrushStyle ToQt(TAreaBrush brush)
{
    switch (brush) {
    case TAreaBrush::Vertical:
        return Qt::VerPattern;
    case TAreaBrush::BDiagonal:
        return Qt::BDiagPattern;
    case TAreaBrush::FDiagonal:
        return Qt::FDiagPattern;
    case TAreaBrush::None:
        break;
    }
    return Qt::NoBrush;
}

// The charting library has no diagonal-cross point, so the series shows this picture at
// every point instead.
QImage DiagonalCross(const QColor &color)
{
    QImage image(kMarkerSize, kMarkerSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 2));
    painter.drawLine(QPointF(1, 1), QPointF(kMarkerSize - 1, kMarkerSize - 1));
    painter.drawLine(QPointF(1, kMarkerSize - 1), QPointF(kMarkerSize - 1, 1));
    return image;
}

QList<QPointF> ToQt(const TXYArray &points)
{
    QList<QPointF> list;
    list.reserve(static_cast<qsizetype>(points.size()));
    for (const TXYPoint &p : points)
        list.append(QPointF(p.X, p.Y));
    return list;
}

QValueAxis *NewAxis()
{
    auto *axis = new QValueAxis;
    axis->setLabelFormat("%.0f");
    axis->setTitleFont(ChartFont());
    axis->setLabelsFont(ChartFont());
    axis->setTitleBrush(Qt::black);
    axis->setLabelsColor(Qt::black);
    axis->setLinePenColor(Qt::black);
    return axis;
}

QPen SeriesPen(const TSeriesStyle &style)
{
    QPen pen(style.Color, style.LineWidth, ToQt(style.LineStyle));
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

}  // namespace

std::string TChart::TChartAxis::Title() const { return Axis()->titleText().toStdString(); }
void TChart::TChartAxis::SetTitle(const std::string &title) { Axis()->setTitleText(ToQt(title)); }
bool TChart::TChartAxis::GridVisible() const { return Axis()->isGridLineVisible(); }
void TChart::TChartAxis::SetGridVisible(bool visible) { Axis()->setGridLineVisible(visible); }
bool TChart::TChartAxis::Inverted() const { return Axis()->isReverse(); }

void TChart::TChartAxis::SetInverted(bool inverted)
{
    if (Axis()->isReverse() != inverted)
        FOwner.ReplaceAxis(FLeft, inverted);
}

TChart::TChart(QWidget *parent)
    : QChartView(new QChart, parent),
      FChart(chart()),
      FLeftQtAxis(NewAxis()),
      FBottomQtAxis(NewAxis()),
      FLeftAxis(*this, true),
      FBottomAxis(*this, false)
{
    // Numbers read "1,234" whatever the user's locale: the point stays the decimal sign.
    FChart->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    FChart->setLocalizeNumbers(true);
    FChart->setBackgroundBrush(Qt::white);
    FChart->setBackgroundRoundness(0);
    FChart->setDropShadowEnabled(false);
    // The frame's charts are low: give the plot every pixel the texts leave.
    FChart->setMargins(QMargins(4, 4, 4, 4));
    FChart->layout()->setContentsMargins(0, 0, 0, 0);
    FChart->setTitleFont(ChartFont());
    FChart->setTitleBrush(Qt::black);
    FChart->legend()->setFont(ChartFont());
    FChart->legend()->setVisible(true);
    FChart->legend()->setAlignment(Qt::AlignRight);
    FChart->addAxis(FLeftQtAxis, Qt::AlignLeft);
    FChart->addAxis(FBottomQtAxis, Qt::AlignBottom);
    UpdateLeftTicks();
    UpdateBottomAxis();
}

TChart::~TChart() = default;

std::string TChart::Title() const { return FChart->title().toStdString(); }
void TChart::SetTitle(const std::string &title) { FChart->setTitle(ToQt(title)); }

void TChart::SetLeftMaximum(double maximum)
{
    FLeftMaximum = maximum;
    UpdateLeftTicks();
}

void TChart::UpdateLeftTicks() { SetAxisRange(FLeftQtAxis, 0, FLeftMaximum, 0); }

void TChart::FitAutomaticTicks()
{
    // The chart picks its own steps only once it knows how many pixels the axes have, so
    // that every label of the step has room.
    const QRectF plot = FChart->plotArea();
    auto fit = [](QValueAxis *axis, double pixels, double spacing) {
        const double range = axis->max() - axis->min();
        const double step = NiceStepAtLeast(range / pixels * spacing);
        if (pixels > 0 && std::isfinite(step) && step > 0 && range / step <= kMostIncrementTicks)
            axis->setTickInterval(step);
    };
    fit(FLeftQtAxis, plot.height(), kLeftLabelSpacing);
    if (!BottomTicksAtIncrement())
        fit(FBottomQtAxis, plot.width(), kBottomLabelSpacing);
}

void TChart::SetBottomIncrement(double increment)
{
    FBottomIncrement = increment;
    UpdateBottomAxis();
}

double TChart::BottomMinimum() const { return FBottomQtAxis->min(); }
double TChart::BottomMaximum() const { return FBottomQtAxis->max(); }

bool TChart::BottomTicksAtIncrement() const
{
    return FBottomIncrement > 0 && FBottomQtAxis->tickInterval() == FBottomIncrement;
}

void TChart::UpdateBottomAxis()
{
    double minimum = HUGE_VAL;
    double maximum = -HUGE_VAL;
    for (const TChartSeries &series : FSeries) {
        for (const TXYPoint &p : series.Points) {
            minimum = std::min(minimum, p.X);
            maximum = std::max(maximum, p.X);
        }
    }
    if (minimum > maximum)
        minimum = maximum = 0;
    SetAxisRange(FBottomQtAxis, minimum, maximum, FBottomIncrement);
}

void TChart::AddSeries(const TChartSeries &series)
{
    TXYArray lower;
    TXYArray upper = series.Points;
    if (series.Kind == TSeriesKind::StackedArea) {
        // Pile this area on the last stacked area, point by point.
        lower = series.Points;
        for (TXYPoint &p : lower)
            p.Y = 0;
        for (size_t s = FSeries.size(); s-- > 0;) {
            if (FSeries[s].Kind != TSeriesKind::StackedArea)
                continue;
            for (size_t i = 0; i < lower.size() && i < FUpper[s].size(); ++i)
                lower[i].Y = FUpper[s][i].Y;
            break;
        }
        for (size_t i = 0; i < upper.size(); ++i)
            upper[i].Y += lower[i].Y;
    }

    QAbstractSeries *qtSeries = nullptr;
    const QPen pen = SeriesPen(series.Style);
    if (series.Kind == TSeriesKind::StackedArea) {
        auto *upperLine = new QLineSeries;
        auto *lowerLine = new QLineSeries;
        upperLine->append(ToQt(upper));
        lowerLine->append(ToQt(lower));
        auto *area = new QAreaSeries(upperLine, lowerLine);
        // The area only refers to its lines; as its children they go when the chart frees it.
        upperLine->setParent(area);
        lowerLine->setParent(area);
        area->setPen(pen);
        area->setBrush(QBrush(series.Style.Color, ToQt(series.Style.Brush)));
        qtSeries = area;
    } else {
        auto *line = new QLineSeries;
        line->append(ToQt(upper));
        line->setPen(pen);
        line->setColor(series.Style.Color);
        line->setMarkerSize(kMarkerSize);
        if (series.Style.Pointer == TPointerStyle::Circle)
            line->setPointsVisible(true);
        else if (series.Style.Pointer == TPointerStyle::DiagCross)
            line->setLightMarker(DiagonalCross(series.Style.Color));
        qtSeries = line;
    }
    FSeries.push_back(series);
    FLower.push_back(series.Kind == TSeriesKind::StackedArea ? lower : TXYArray());
    FUpper.push_back(upper);
    AttachSeries(qtSeries, series);
    UpdateBottomAxis();
}

void TChart::AttachSeries(QAbstractSeries *series, const TChartSeries &description)
{
    series->setName(ToQt(description.Title));
    FChart->addSeries(series);
    series->attachAxis(FBottomQtAxis);
    series->attachAxis(FLeftQtAxis);
    // The chart resets the pen colour from its theme on adding; the style wins.
    if (auto *area = qobject_cast<QAreaSeries *>(series)) {
        area->setPen(SeriesPen(description.Style));
        area->setBrush(QBrush(description.Style.Color, ToQt(description.Style.Brush)));
    } else if (auto *line = qobject_cast<QLineSeries *>(series)) {
        line->setPen(SeriesPen(description.Style));
    }
    if (!description.Style.ShowInLegend) {
        for (QLegendMarker *marker : FChart->legend()->markers(series))
            marker->setVisible(false);
    }
    FQtSeries.push_back(series);
}

void TChart::ReplaceAxis(bool left, bool inverted)
{
    // The charting library turns an axis round only partly once the chart has laid itself
    // out (labels for one direction, series for the other); a new axis has no such past.
    QValueAxis *&slot = left ? FLeftQtAxis : FBottomQtAxis;
    QValueAxis *old = slot;
    QValueAxis *axis = NewAxis();
    axis->setTitleText(old->titleText());
    axis->setGridLineVisible(old->isGridLineVisible());
    axis->setRange(old->min(), old->max());
    axis->setTickType(old->tickType());
    axis->setTickAnchor(old->tickAnchor());
    axis->setTickInterval(old->tickInterval());
    const Qt::Alignment side = old->alignment();
    FChart->removeAxis(old);
    delete old;
    FChart->addAxis(axis, side);
    // Turned once it is on the chart and before any series hangs on it: only then do both
    // the labels and the series follow.
    axis->setReverse(inverted);
    for (QAbstractSeries *series : FQtSeries)
        series->attachAxis(axis);
    slot = axis;
}

const TChartSeries &TChart::Series(int index) const { return FSeries.at(static_cast<size_t>(index)); }
TXYArray TChart::SeriesLower(int index) const { return FLower.at(static_cast<size_t>(index)); }
TXYArray TChart::SeriesUpper(int index) const { return FUpper.at(static_cast<size_t>(index)); }

std::vector<std::string> TChart::LegendTitles()
{
    Settle();
    std::vector<std::string> titles;
    for (QLegendMarker *marker : FChart->legend()->markers()) {
        if (marker->isVisible())
            titles.push_back(marker->label().toStdString());
    }
    return titles;
}

void TChart::RemoveAllSeries()
{
    FChart->removeAllSeries();
    FQtSeries.clear();
    FSeries.clear();
    FLower.clear();
    FUpper.clear();
    UpdateBottomAxis();
}

void TChart::Settle()
{
    // A chart that was never shown has not laid itself out at its size yet; do it now, so
    // that a hidden chart renders and lists its legend as it would on screen.
    for (int pass = 0; pass < 2; ++pass) {
        FChart->resize(size());
        QCoreApplication::sendPostedEvents();
        if (FChart->layout())
            FChart->layout()->activate();
        if (pass == 0)
            FitAutomaticTicks();
    }
}

void TChart::Draw(QPainter &painter, const QRectF &target)
{
    Settle();
    scene()->render(&painter, target, QRectF(QPointF(0, 0), size()), Qt::IgnoreAspectRatio);
}

QImage TChart::ToImage()
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Draw(painter, QRectF(image.rect()));
    return image;
}

void TChart::CopyToClipboardMetafile()
{
    auto *data = new QMimeData;
    data->setData(MetafileMimeType, WindowsMetafile::FromImage(ToImage()));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TChart::PrintPartial(QPainter &painter, const QRectF &target)
{
    QRectF rect = target;
    if (FPrintProportional && width() > 0 && height() > 0) {
        QSizeF fitted = QSizeF(size()).scaled(target.size(), Qt::KeepAspectRatio);
        rect = QRectF(target.topLeft(), fitted);
    }
    Draw(painter, rect);
}
